#pragma once

// Date-time values as the simulated server passes them around: text
// "YYYY-MM-DD HH:MM:SS.mmm" in local time, with the calendar arithmetic of
// dateadd, datediff and datepart, and the display styles of convert().

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

struct DateTime {
    int year = 1900;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

enum class DatePart {
    Year,
    Quarter,
    Month,
    Week,
    DayOfYear,
    Day,
    Weekday,
    Hour,
    Minute,
    Second,
    Millisecond
};

// Full names and the server's abbreviations (yy, mm, dd, hh, mi, ss, ms...), any letter case.
std::optional<DatePart> datePartNamed(std::string_view name);
std::string_view datePartName(DatePart part);

// Accepts the server's usual input forms: "2026-12-11 14:25:00.123", "20261211",
// "12/11/2026 2:25PM", "Dec 11 2026 2:25PM", "11 Dec 2026", "14:25:00"...
std::optional<DateTime> parseDateTime(std::string_view text);
std::string formatDateTime(const DateTime& value);
// convert(char, date, style): 0/100, 1-12/101-112, 23; other styles read as 0.
std::string formatDateTimeStyle(const DateTime& value, int style);

// Empty when the result leaves the years 1 to 9999.
std::optional<DateTime> addToDate(const DateTime& value, DatePart part, std::int64_t amount);
// Boundaries of the part crossed going from `from` to `to`, as datediff counts them.
std::int64_t dateDifference(DatePart part, const DateTime& from, const DateTime& to);
int datePartOf(DatePart part, const DateTime& value);

DateTime localDateTime(std::chrono::system_clock::time_point when);

} // namespace sim
