#pragma once

#include <QDateTime>

// The one source of "now" for log stamps and elapsed-time texts, so tests can pin it.
namespace toolkit {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime now = {}) : now_(std::move(now)) {}
    QDateTime Now() const override { return now_; }
    void Set(const QDateTime& now) { now_ = now; }

private:
    QDateTime now_;
};

} // namespace toolkit
