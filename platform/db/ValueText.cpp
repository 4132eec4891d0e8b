#include "platform/db/ValueText.h"

#include "platform/toolkit/ProcessSettings.h"

#include <QDateTime>
#include <charconv>

namespace db {

namespace {

template <typename Number> QString shortestText(Number number) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    QString text = QString::fromLatin1(buffer, end - buffer);
    return text.replace(u'.', toolkit::processSettings().decimalSeparator);
}

} // namespace

QString valueText(const Value& value) {
    switch (value.kind) {
    case Value::Kind::Null:
        return {};
    case Value::Kind::Text:
        return value.text;
    case Value::Kind::Integer:
        return QString::number(value.integer);
    case Value::Kind::Real:
        return shortestText(value.real);
    case Value::Kind::Single:
        return shortestText(static_cast<float>(value.real));
    case Value::Kind::Date:
        return toolkit::formatShortDate(value.date);
    case Value::Kind::Time:
        return toolkit::formatLongTime(value.time);
    case Value::Kind::DateTime:
        // UTC so that a wall-clock time inside a daylight-saving gap is shown as stored.
        return toolkit::formatDateTime(QDateTime(value.date, value.time, Qt::UTC));
    case Value::Kind::Binary:
        return QStringLiteral("0x") + QString::fromLatin1(value.bytes.toHex().toUpper());
    }
    return {};
}

} // namespace db
