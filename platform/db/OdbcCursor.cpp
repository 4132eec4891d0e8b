#include "platform/db/OdbcCursor.h"

#include "platform/db/DriverText.h"

namespace db {

namespace {

// Room for one piece of a long value; the driver reports what is left.
constexpr SQLLEN pieceSize = 32768;

SQLLEN terminatorSize(SQLSMALLINT cType) {
    if (cType == SQL_C_CHAR)
        return 1;
    return 0;
}

// How much of a full buffer is data. A driver converting character sets may
// stop short of the end rather than split a character, so text pieces are
// measured up to their terminator.
SQLLEN truncatedPieceLength(const char* buffer, SQLLEN room, SQLSMALLINT cType) {
    if (cType == SQL_C_CHAR)
        return SQLLEN(qstrnlen(buffer, size_t(room)));
    return room;
}

QString columnName(SQLHSTMT statement, SQLUSMALLINT column, SQLSMALLINT& sqlType,
                   const OdbcHandle& handle) {
    QByteArray name(256, '\0');
    SQLSMALLINT length = 0;
    SQLULEN size = 0;
    SQLSMALLINT digits = 0;
    SQLSMALLINT nullable = 0;
    auto describe = [&] {
        handle.check(SQLDescribeCol(statement, column, reinterpret_cast<SQLCHAR*>(name.data()),
                                    SQLSMALLINT(name.size()), &length, &sqlType, &size, &digits,
                                    &nullable));
    };
    describe();
    if (length >= name.size()) {
        name.resize(length + 1);
        describe();
    }
    name.truncate(qstrnlen(name.constData(), name.size()));
    return decodeDriverText(name);
}

Value nullValue() {
    return {};
}

} // namespace

OdbcCursor::OdbcCursor(std::unique_ptr<OdbcHandle> statement) : statement_(std::move(statement)) {
    SQLSMALLINT count = 0;
    statement_->check(SQLNumResultCols(statement_->get(), &count));
    for (SQLUSMALLINT column = 1; column <= count; ++column) {
        SQLSMALLINT sqlType = SQL_UNKNOWN_TYPE;
        names_.append(columnName(statement_->get(), column, sqlType, *statement_));
        types_.push_back(sqlType);
    }
}

bool OdbcCursor::fetch() {
    row_.clear();
    if (statement_->check(SQLFetch(statement_->get())) == SQL_NO_DATA)
        return false;
    for (std::size_t column = 0; column < types_.size(); ++column)
        row_.push_back(readValue(SQLUSMALLINT(column + 1), types_[column]));
    return true;
}

QByteArray OdbcCursor::readPieces(SQLUSMALLINT column, SQLSMALLINT cType, bool& isNull) const {
    QByteArray data;
    isNull = false;
    char buffer[pieceSize];
    const SQLLEN room = pieceSize - terminatorSize(cType);
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = statement_->check(
            SQLGetData(statement_->get(), column, cType, buffer, pieceSize, &indicator));
        if (rc == SQL_NO_DATA)
            break;
        if (indicator == SQL_NULL_DATA) {
            isNull = true;
            break;
        }
        const bool fits = indicator != SQL_NO_TOTAL && indicator <= room;
        const SQLLEN length = fits ? indicator : truncatedPieceLength(buffer, room, cType);
        data.append(buffer, length);
        if (fits || rc == SQL_SUCCESS || length == 0)
            break;
    }
    return data;
}

Value OdbcCursor::readValue(SQLUSMALLINT column, SQLSMALLINT sqlType) const {
    Value value;
    SQLLEN indicator = 0;
    auto readFixed = [&](SQLSMALLINT cType, auto& target) {
        statement_->check(
            SQLGetData(statement_->get(), column, cType, &target, sizeof target, &indicator));
        return indicator != SQL_NULL_DATA;
    };
    bool isNull = false;
    switch (sqlType) {
    case SQL_REAL: {
        SQLREAL number = 0;
        if (!readFixed(SQL_C_FLOAT, number))
            return nullValue();
        value.kind = Value::Kind::Single;
        value.real = number;
        return value;
    }
    case SQL_FLOAT:
    case SQL_DOUBLE: {
        SQLDOUBLE number = 0;
        if (!readFixed(SQL_C_DOUBLE, number))
            return nullValue();
        value.kind = Value::Kind::Real;
        value.real = number;
        return value;
    }
    case SQL_TYPE_DATE:
    case SQL_DATE: {
        SQL_DATE_STRUCT date{};
        if (!readFixed(SQL_C_TYPE_DATE, date))
            return nullValue();
        value.kind = Value::Kind::Date;
        value.date = QDate(date.year, date.month, date.day);
        return value;
    }
    case SQL_TYPE_TIME:
    case SQL_TIME: {
        SQL_TIME_STRUCT time{};
        if (!readFixed(SQL_C_TYPE_TIME, time))
            return nullValue();
        value.kind = Value::Kind::Time;
        value.time = QTime(time.hour, time.minute, time.second);
        return value;
    }
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP: {
        SQL_TIMESTAMP_STRUCT stamp{};
        if (!readFixed(SQL_C_TYPE_TIMESTAMP, stamp))
            return nullValue();
        value.kind = Value::Kind::DateTime;
        value.date = QDate(stamp.year, stamp.month, stamp.day);
        value.time = QTime(stamp.hour, stamp.minute, stamp.second, int(stamp.fraction / 1000000));
        return value;
    }
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
        value.bytes = readPieces(column, SQL_C_BINARY, isNull);
        value.kind = isNull ? Value::Kind::Null : Value::Kind::Binary;
        return value;
    default:
        // Integers, decimals, national and plain characters and everything else
        // read as the driver's own text: UTF-8 where the driver is told so.
        value.text = decodeDriverText(readPieces(column, SQL_C_CHAR, isNull));
        value.kind = isNull ? Value::Kind::Null : Value::Kind::Text;
        return value;
    }
}

} // namespace db
