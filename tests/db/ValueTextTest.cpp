#include "platform/db/ValueText.h"
#include "platform/db/DriverText.h"
#include "platform/db/FieldNames.h"

#include "platform/toolkit/ProcessSettings.h"

#include <gtest/gtest.h>

#include <limits>

using namespace db;

namespace {

Value makeValue(Value::Kind kind) {
    Value value;
    value.kind = kind;
    return value;
}

Value real(double number, Value::Kind kind = Value::Kind::Real) {
    Value value = makeValue(kind);
    value.real = number;
    return value;
}

Value stamp(QDate date, QTime time, Value::Kind kind = Value::Kind::DateTime) {
    Value value = makeValue(kind);
    value.date = date;
    value.time = time;
    return value;
}

} // namespace

TEST(ValueText, FollowsTheRuleForEachKind) {
    Value integer = makeValue(Value::Kind::Integer);
    integer.integer = std::numeric_limits<qint64>::min();
    Value binary = makeValue(Value::Kind::Binary);
    binary.bytes = QByteArray::fromHex("00ff10ab");
    const QDate day(2024, 3, 5);
    const struct {
        Value value;
        QString text;
    } cases[] = {
        {makeValue(Value::Kind::Null), ""},
        {integer, "-9223372036854775808"},
        {real(0.1), "0.1"},
        {real(1.0 / 3), "0.3333333333333333"},
        {real(100), "100"},
        {real(1e20), "1e+20"},
        {real(0.1f, Value::Kind::Single), "0.1"},
        {binary, "0x00FF10AB"},
        {makeValue(Value::Kind::Binary), "0x"},
        {stamp(day, QTime(13, 14, 15)), "05/03/2024 13:14:15"},
        {stamp(day, QTime(0, 0)), "05/03/2024"},
        {stamp(day, QTime(0, 0, 0, 3)), "05/03/2024 00:00:00"},
        {stamp(day, {}, Value::Kind::Date), "05/03/2024"},
        {stamp({}, QTime(7, 8, 9), Value::Kind::Time), "07:08:09"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(valueText(c.value), c.text) << c.text.toStdString();
}

TEST(ValueText, DateTimesAndDecimalsFollowTheProcessSettings) {
    toolkit::ProcessSettings saved = toolkit::processSettings();
    toolkit::processSettings().shortDateFormat = "yyyy-MM-dd";
    toolkit::processSettings().longTimeFormat = "hh.mm";
    toolkit::processSettings().decimalSeparator = u',';
    EXPECT_EQ(valueText(stamp(QDate(2024, 3, 5), QTime(13, 14))), "2024-03-05 13.14");
    EXPECT_EQ(valueText(real(2.5)), "2,5");
    toolkit::processSettings() = saved;
}

TEST(DriverText, Utf8IsKeptAndOtherBytesReadAsWindows1252) {
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"plain", "plain"},
        {"H\xc3\xa9llo", QString::fromUtf8("Héllo")},
        {"H\xe9llo", QString::fromUtf8("Héllo")},
        {"\x80 \x93q\x94 \x81", QString::fromUtf8("€ “q” \u0081")},
        {"\xc3", QString::fromUtf8("Ã")},
        {QByteArray("a\0b", 3), QString::fromUtf8("a\0b", 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeDriverText(c.bytes), c.text) << c.bytes.toHex().toStdString();
}

TEST(FieldNames, UnnamedAndRepeatedColumnsGetTheFirstFreeName) {
    const struct {
        QStringList in, out;
    } cases[] = {
        {{"a", "b"}, {"a", "b"}},
        {{"", "", "x"}, {"COLUMN1", "COLUMN2", "x"}},
        {{"a", "a", "a"}, {"a", "a_1", "a_2"}},
        {{"a_1", "a", "A"}, {"a_1", "a", "A_2"}},
        {{"COLUMN1", ""}, {"COLUMN1", "COLUMN2"}},
        {{"", "COLUMN1"}, {"COLUMN1", "COLUMN1_1"}},
        {{"x%1", "x%1"}, {"x%1", "x%1_1"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(uniqueFieldNames(c.in), c.out) << c.in.join(',').toStdString();
}
