#include "simulator/SqlFunctions.h"

#include "simulator/DateTimeText.h"
#include "simulator/LikePattern.h"
#include "simulator/ServerErrors.h"
#include "simulator/ServerTypes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace sim {

namespace {

constexpr std::string_view kErrorPrefix = "sim-error:";

void fail(sqlite3_context* context, const SimError& error) {
    const SimMessage& message = error.message();
    const std::string text = std::string(kErrorPrefix) + std::to_string(message.number) + ":" +
                             std::to_string(message.severity) + ":" + message.text;
    sqlite3_result_error(context, text.c_str(), static_cast<int>(text.size()));
}

std::string_view textOf(sqlite3_value* value) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return bytes ? std::string_view(bytes, static_cast<std::size_t>(sqlite3_value_bytes(value)))
                 : std::string_view();
}

bool isNull(sqlite3_value* value) {
    return sqlite3_value_type(value) == SQLITE_NULL;
}
bool isText(sqlite3_value* value) {
    return sqlite3_value_type(value) == SQLITE_TEXT || sqlite3_value_type(value) == SQLITE_BLOB;
}

void resultText(sqlite3_context* context, const std::string& text) {
    sqlite3_result_text(context, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

std::string realText(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

// The value as the server would print it in a character column.
std::string displayText(sqlite3_value* value) {
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
        return std::to_string(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return realText(sqlite3_value_double(value));
    default:
        return std::string(textOf(value));
    }
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::optional<double> parseReal(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A number read from any SQLite value, or the server's conversion error.
std::optional<double> numberOf(sqlite3_value* value) {
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
        return static_cast<double>(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return sqlite3_value_double(value);
    default:
        return parseReal(textOf(value));
    }
}

// At most `length` characters of a UTF-8 text, cut at a character boundary.
std::string firstCharacters(std::string_view text, int length) {
    std::size_t i = 0;
    for (int count = 0; i < text.size() && count < length; ++count) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    return std::string(text.substr(0, i));
}

std::optional<DateTime> dateOf(sqlite3_context* context, sqlite3_value* value) {
    std::optional<DateTime> date;
    if (sqlite3_value_type(value) ==
        SQLITE_INTEGER) // days after 1900-01-01, as the server reads them
        date = addToDate(DateTime{}, DatePart::Day, sqlite3_value_int64(value));
    else
        date = parseDateTime(textOf(value));
    if (!date)
        fail(context, errors::conversionFailed(displayText(value), "DATETIME"));
    return date;
}

std::optional<DatePart> partOf(sqlite3_context* context, sqlite3_value* value) {
    const auto part = datePartNamed(textOf(value));
    if (!part)
        fail(context, errors::unknownDatePart(textOf(value)));
    return part;
}

void getdate(sqlite3_context* context, int, sqlite3_value**) {
    const Clock& now = *static_cast<const Clock*>(sqlite3_user_data(context));
    resultText(context, formatDateTime(localDateTime(now())));
}

void dateadd(sqlite3_context* context, int, sqlite3_value** args) {
    if (isNull(args[1]) || isNull(args[2]))
        return sqlite3_result_null(context);
    const auto part = partOf(context, args[0]);
    const auto date = part ? dateOf(context, args[2]) : std::nullopt;
    if (!date)
        return;
    const auto amount = numberOf(args[1]);
    const bool integral = amount && std::fabs(*amount) < 9.0e18;
    const auto sum =
        integral ? addToDate(*date, *part, static_cast<std::int64_t>(*amount)) : std::nullopt;
    if (!sum)
        return fail(context,
                    errors::make(517, 16, "Adding a value to a 'datetime' field caused overflow."));
    resultText(context, formatDateTime(*sum));
}

void datediff(sqlite3_context* context, int, sqlite3_value** args) {
    if (isNull(args[1]) || isNull(args[2]))
        return sqlite3_result_null(context);
    const auto part = partOf(context, args[0]);
    const auto from = part ? dateOf(context, args[1]) : std::nullopt;
    const auto to = from ? dateOf(context, args[2]) : std::nullopt;
    if (to)
        sqlite3_result_int64(context, dateDifference(*part, *from, *to));
}

void datepart(sqlite3_context* context, int, sqlite3_value** args) {
    if (isNull(args[1]))
        return sqlite3_result_null(context);
    const auto part = partOf(context, args[0]);
    const auto date = part ? dateOf(context, args[1]) : std::nullopt;
    if (date)
        sqlite3_result_int(context, datePartOf(*part, *date));
}

void convertToCharacters(sqlite3_context* context, TypeClass target, int length, int style,
                         bool fromDate, sqlite3_value* value) {
    std::string text = displayText(value);
    if (fromDate) {
        if (const auto date = parseDateTime(text))
            text = formatDateTimeStyle(*date, style);
    }
    const int limit = length < 0 ? kDefaultCharLength : std::min(length, kMaxCharLength);
    text = firstCharacters(text, limit);
    if (target == TypeClass::FixedChar) {
        std::size_t characters = 0;
        for (char c : text)
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        text.append(static_cast<std::size_t>(limit) - std::min<std::size_t>(characters, limit),
                    ' ');
    }
    resultText(context, text);
}

void convertToNumber(sqlite3_context* context, TypeClass target, int scale, sqlite3_value* value,
                     std::string_view typeName) {
    const int type = sqlite3_value_type(value);
    if (type == SQLITE_INTEGER && target != TypeClass::Float && target != TypeClass::Bit)
        return sqlite3_result_int64(context, sqlite3_value_int64(value));
    const auto number = numberOf(value);
    if (!number)
        return fail(context, errors::conversionFailed(displayText(value), typeName));
    const auto integral = [&](double x) {
        if (std::fabs(x) >= 9.2e18)
            return fail(context, errors::make(247, 16,
                                              "Arithmetic overflow during explicit "
                                              "conversion of a value to a " +
                                                  std::string(typeName) + " field."));
        sqlite3_result_int64(context, static_cast<std::int64_t>(x));
    };
    switch (target) {
    case TypeClass::Integer:
        return integral(std::trunc(*number));
    case TypeClass::Bit:
        return sqlite3_result_int(context, *number != 0 ? 1 : 0);
    case TypeClass::Exact:
        if (scale <= 0)
            return integral(std::round(*number));
        return sqlite3_result_double(context, std::round(*number * std::pow(10.0, scale)) /
                                                  std::pow(10.0, scale));
    case TypeClass::Money:
        return sqlite3_result_double(context, std::round(*number * 10000.0) / 10000.0);
    default:
        return sqlite3_result_double(context, *number);
    }
}

void convertToDate(sqlite3_context* context, TypeClass target, sqlite3_value* value) {
    auto date = dateOf(context, value);
    if (!date)
        return;
    if (target == TypeClass::SmallDateTime) {
        date = addToDate(*date, DatePart::Second,
                         date->second >= 30 ? 60 - date->second : -date->second)
                   .value_or(*date);
        date->millisecond = 0;
    }
    std::string text = formatDateTime(*date);
    if (target == TypeClass::Date)
        text = text.substr(0, 10);
    else if (target == TypeClass::Time)
        text = text.substr(11, 8);
    resultText(context, text);
}

// sim_convert(type name, length, scale, style, source is a date-time, value).
void convert(sqlite3_context* context, int, sqlite3_value** args) {
    sqlite3_value* value = args[5];
    if (isNull(value))
        return sqlite3_result_null(context);
    const std::string typeName(textOf(args[0]));
    const auto target = typeClassNamed(typeName);
    const int length = sqlite3_value_int(args[1]);
    const int style = isNull(args[3]) ? 0 : sqlite3_value_int(args[3]);
    if (!target || *target == TypeClass::Binary)
        return fail(context, errors::unsupported("conversion to " + typeName));
    switch (*target) {
    case TypeClass::FixedChar:
    case TypeClass::VarChar:
        return convertToCharacters(context, *target, length, style, sqlite3_value_int(args[4]) != 0,
                                   value);
    case TypeClass::DateTime:
    case TypeClass::SmallDateTime:
    case TypeClass::Date:
    case TypeClass::Time:
        return convertToDate(context, *target, value);
    default:
        return convertToNumber(context, *target, sqlite3_value_int(args[2]), value, typeName);
    }
}

// String "+": a NULL operand counts as an empty string, as on the server.
void concat(sqlite3_context* context, int, sqlite3_value** args) {
    if (isNull(args[0]) && isNull(args[1]))
        return sqlite3_result_null(context);
    resultText(context, displayText(args[0]) + displayText(args[1]));
}

// "+" whose operand types were not known when the statement was translated.
void plus(sqlite3_context* context, int count, sqlite3_value** args) {
    const bool leftText = isText(args[0]), rightText = isText(args[1]);
    if ((leftText || isNull(args[0])) && (rightText || isNull(args[1])) && (leftText || rightText))
        return concat(context, count, args);
    if (isNull(args[0]) || isNull(args[1]))
        return sqlite3_result_null(context);
    if (leftText || rightText)
        return fail(context, errors::implicitConversion("VARCHAR", "INT"));
    std::int64_t sum = 0;
    if (sqlite3_value_type(args[0]) == SQLITE_INTEGER &&
        sqlite3_value_type(args[1]) == SQLITE_INTEGER &&
        !__builtin_add_overflow(sqlite3_value_int64(args[0]), sqlite3_value_int64(args[1]), &sum))
        return sqlite3_result_int64(context, sum);
    sqlite3_result_double(context, sqlite3_value_double(args[0]) + sqlite3_value_double(args[1]));
}

// "/" (user data null) and "%" (user data non-null): the server refuses a zero divisor.
void divide(sqlite3_context* context, int, sqlite3_value** args) {
    const bool modulo = sqlite3_user_data(context) != nullptr;
    if (isNull(args[0]) || isNull(args[1]))
        return sqlite3_result_null(context);
    const int leftType = sqlite3_value_numeric_type(args[0]);
    const int rightType = sqlite3_value_numeric_type(args[1]);
    const auto numeric = [](int type) { return type == SQLITE_INTEGER || type == SQLITE_FLOAT; };
    if (!numeric(leftType) || !numeric(rightType))
        return fail(context, errors::implicitConversion("VARCHAR", "INT"));
    if (leftType == SQLITE_INTEGER && rightType == SQLITE_INTEGER) {
        const std::int64_t a = sqlite3_value_int64(args[0]), b = sqlite3_value_int64(args[1]);
        if (b == 0)
            return fail(context, errors::divideByZero());
        if (b == -1 && a == std::numeric_limits<std::int64_t>::min()) // the one overflow
            return modulo ? sqlite3_result_int64(context, 0)
                          : sqlite3_result_double(context, -static_cast<double>(a));
        return sqlite3_result_int64(context, modulo ? a % b : a / b);
    }
    const double a = sqlite3_value_double(args[0]), b = sqlite3_value_double(args[1]);
    if (b == 0)
        return fail(context, errors::divideByZero());
    sqlite3_result_double(context, modulo ? std::fmod(a, b) : a / b);
}

void bitxor(sqlite3_context* context, int, sqlite3_value** args) {
    if (isNull(args[0]) || isNull(args[1]))
        return sqlite3_result_null(context);
    sqlite3_result_int64(context, sqlite3_value_int64(args[0]) ^ sqlite3_value_int64(args[1]));
}

void like(sqlite3_context* context, int count, sqlite3_value** args) {
    for (int i = 0; i < count; ++i)
        if (isNull(args[i]))
            return sqlite3_result_null(context);
    const std::optional<char32_t> escape =
        count == 3 ? firstCharacter(textOf(args[2])) : std::nullopt;
    const std::string text = displayText(args[0]);
    sqlite3_result_int(context, likeMatches(text, textOf(args[1]), escape) ? 1 : 0);
}

void destroyClock(void* clock) {
    delete static_cast<Clock*>(clock);
}

void add(sqlite3* db, const char* name, int arguments, bool deterministic,
         void (*function)(sqlite3_context*, int, sqlite3_value**), void* userData = nullptr,
         void (*destroy)(void*) = nullptr) {
    const int flags = SQLITE_UTF8 | SQLITE_INNOCUOUS | (deterministic ? SQLITE_DETERMINISTIC : 0);
    const int rc = sqlite3_create_function_v2(db, name, arguments, flags, userData, function,
                                              nullptr, nullptr, destroy);
    if (rc != SQLITE_OK)
        throw errors::make(
            0, 16, std::string("Cannot register the function ") + name + ": " + sqlite3_errstr(rc));
}

} // namespace

void registerSqlFunctions(sqlite3* db, Clock now) {
    static int moduloMarker = 0;
    add(db, "sim_getdate", 0, false, getdate, new Clock(std::move(now)), destroyClock);
    add(db, "sim_dateadd", 3, true, dateadd);
    add(db, "sim_datediff", 3, true, datediff);
    add(db, "sim_datepart", 2, true, datepart);
    add(db, "sim_convert", 6, true, convert);
    add(db, "sim_concat", 2, true, concat);
    add(db, "sim_plus", 2, true, plus);
    add(db, "sim_divide", 2, true, divide);
    add(db, "sim_modulo", 2, true, divide, &moduloMarker);
    add(db, "sim_bitxor", 2, true, bitxor);
    add(db, "sim_like", 2, true, like);
    add(db, "sim_like", 3, true, like);
}

std::optional<SimError> serverErrorFromSqlite(std::string_view message) {
    if (message.substr(0, kErrorPrefix.size()) != kErrorPrefix)
        return std::nullopt;
    message.remove_prefix(kErrorPrefix.size());
    int number = 0, severity = 0;
    const char* end = message.data() + message.size();
    auto parsed = std::from_chars(message.data(), end, number);
    if (parsed.ec != std::errc() || parsed.ptr == end || *parsed.ptr != ':')
        return std::nullopt;
    parsed = std::from_chars(parsed.ptr + 1, end, severity);
    if (parsed.ec != std::errc() || parsed.ptr == end || *parsed.ptr != ':')
        return std::nullopt;
    return errors::make(number, severity, std::string(parsed.ptr + 1, end));
}

} // namespace sim
