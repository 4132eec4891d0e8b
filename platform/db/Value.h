#pragma once

// One cell as a backend delivers it, before it becomes text.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

namespace db {

struct Value {
    // Single is a 4-byte float, kept apart so that its text is the shortest
    // that reads back as that float rather than as the wider double.
    enum class Kind { Null, Text, Integer, Real, Single, Date, Time, DateTime, Binary };
    Kind kind = Kind::Null;
    QString text;
    qint64 integer = 0;
    double real = 0.0;
    QDate date;
    QTime time;
    QByteArray bytes;
};

} // namespace db
