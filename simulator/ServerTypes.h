#pragma once

// The server's data types as convert() and create table name them, grouped by
// how their values behave once they live in SQLite.

#include <optional>
#include <string_view>

namespace sim {

enum class TypeClass {
    Integer,       // int, smallint, tinyint, bigint, unsigned...
    Exact,         // numeric, decimal: rounded to their scale
    Float,         // float, real, double precision
    Money,         // money, smallmoney: four decimals
    FixedChar,     // char, nchar, unichar: blank-padded to their length
    VarChar,       // varchar, nvarchar, univarchar, text, sysname
    DateTime,      // datetime, bigdatetime
    SmallDateTime, // to the minute
    Date,
    Time,
    Bit,
    Binary, // binary, varbinary, image: not supported by this server
};

std::optional<TypeClass> typeClassNamed(std::string_view lowerCaseName);

// The length convert() gives a character type written without one.
constexpr int kDefaultCharLength = 30;
// The longest character value a column or conversion holds.
constexpr int kMaxCharLength = 16384;

} // namespace sim
