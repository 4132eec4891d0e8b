#include "platform/db/SimDriver.h"

#include "platform/db/Ado.h"
#include "platform/db/DriverText.h"
#include "simulator/SimServer.h"

#include <vector>

namespace db {

namespace {

QString textOf(const std::string& text) {
    return decodeDriverText(QByteArray::fromStdString(text));
}

// The simulator's date-times read "YYYY-MM-DD HH:MM:SS.mmm"; anything else stays text.
Value dateTimeValue(const std::string& text) {
    const QString stamp = textOf(text);
    Value value;
    value.date = QDate::fromString(stamp.left(10), Qt::ISODate);
    value.time = QTime::fromString(stamp.mid(11), Qt::ISODateWithMs);
    if (!value.date.isValid() || !value.time.isValid()) {
        value.text = stamp;
        value.kind = Value::Kind::Text;
        return value;
    }
    value.kind = Value::Kind::DateTime;
    return value;
}

Value toValue(const sim::SimValue& cell) {
    Value value;
    switch (cell.kind) {
    case sim::SimValue::Kind::Null:
        break;
    case sim::SimValue::Kind::Integer:
        value.kind = Value::Kind::Integer;
        value.integer = cell.integer;
        break;
    case sim::SimValue::Kind::Real:
        value.kind = Value::Kind::Real;
        value.real = cell.real;
        break;
    case sim::SimValue::Kind::Text:
        value.kind = Value::Kind::Text;
        value.text = textOf(cell.text);
        break;
    case sim::SimValue::Kind::DateTime:
        return dateTimeValue(cell.text);
    case sim::SimValue::Kind::Binary:
        value.kind = Value::Kind::Binary;
        value.bytes = QByteArray(reinterpret_cast<const char*>(cell.bytes.data()),
                                 qsizetype(cell.bytes.size()));
        break;
    }
    return value;
}

class SimCursor : public Cursor {
public:
    explicit SimCursor(sim::SimResult result) : result_(std::move(result)) {
        for (const std::string& name : result_.columns)
            names_.append(textOf(name));
    }

    QStringList columnNames() const override { return names_; }

    bool fetch() override {
        row_.clear();
        if (next_ >= result_.rows.size())
            return false;
        for (const sim::SimValue& cell : result_.rows[next_])
            row_.push_back(toValue(cell));
        ++next_;
        return true;
    }

    const Value& value(int column) const override { return row_.at(column); }

private:
    sim::SimResult result_;
    QStringList names_;
    std::size_t next_ = 0;
    std::vector<Value> row_;
};

class SimDriver : public Driver {
public:
    explicit SimDriver(std::unique_ptr<sim::SimSession> session) : session_(std::move(session)) {}

    std::unique_ptr<Cursor> open(const QString& batch) override {
        for (sim::SimResult& result : run(batch).results)
            if (!result.columns.empty())
                return std::make_unique<SimCursor>(std::move(result));
        throw DbError(noResultSetText());
    }

    void execute(const QString& batch) override { run(batch); }

private:
    sim::SimBatchOutcome run(const QString& batch) {
        sim::SimBatchOutcome outcome;
        try {
            outcome = session_->execute(batch.toStdString());
        } catch (const std::exception& failure) {
            throw DbError(textOf(failure.what()));
        }
        if (outcome.error)
            throw DbError(textOf(outcome.error->message().text));
        return outcome;
    }

    std::unique_ptr<sim::SimSession> session_;
};

} // namespace

std::unique_ptr<Driver> connectSimulator(const ConnectionSettings& settings) {
    try {
        return std::make_unique<SimDriver>(sim::SimSession::open(settings.dataSource.toStdString(),
                                                                 settings.userId.toStdString(),
                                                                 settings.password.toStdString()));
    } catch (const std::exception& failure) {
        throw DbError(textOf(failure.what()));
    }
}

} // namespace db
