#include "simulator/DateTimeText.h"

#include "simulator/Tokenizer.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <utility>

namespace sim {

namespace {

constexpr std::int64_t kMillisPerDay = 86'400'000;
constexpr std::array<const char*, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Days since 1970-01-01 in the proleptic Gregorian calendar.
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(std::int64_t days, DateTime& out) {
    days += 719468;
    const std::int64_t era = floorDiv(days, 146097);
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    out.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    out.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    out.year = static_cast<int>(yearOfEra + era * 400 + (out.month <= 2 ? 1 : 0));
}

bool leapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : lengths[month - 1];
}

std::int64_t daysOf(const DateTime& value) {
    return daysFromCivil(value.year, value.month, value.day);
}

std::int64_t millisOf(const DateTime& value) {
    return daysOf(value) * kMillisPerDay +
           ((value.hour * 60LL + value.minute) * 60 + value.second) * 1000 + value.millisecond;
}

std::optional<DateTime> fromMillis(std::int64_t millis) {
    DateTime out;
    const std::int64_t days = floorDiv(millis, kMillisPerDay);
    std::int64_t rest = millis - days * kMillisPerDay;
    civilFromDays(days, out);
    out.millisecond = static_cast<int>(rest % 1000);
    rest /= 1000;
    out.second = static_cast<int>(rest % 60);
    rest /= 60;
    out.minute = static_cast<int>(rest % 60);
    out.hour = static_cast<int>(rest / 60);
    if (out.year < 1 || out.year > 9999)
        return std::nullopt;
    return out;
}

// Sunday starts a week, as under the server's default "datefirst".
std::int64_t weekIndex(std::int64_t days) {
    return floorDiv(days + 4, 7);
}

bool valid(const DateTime& v) {
    return v.year >= 1 && v.year <= 9999 && v.month >= 1 && v.month <= 12 && v.day >= 1 &&
           v.day <= daysInMonth(v.year, v.month) && v.hour >= 0 && v.hour < 24 && v.minute >= 0 &&
           v.minute < 60 && v.second >= 0 && v.second < 60 && v.millisecond >= 0 &&
           v.millisecond < 1000;
}

// A cursor over the input text for the date-time reader.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t position) { pos_ = position; }
    void skipBlanks() {
        while (!atEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
            ++pos_;
    }
    bool accept(char c) {
        if (atEnd() || text_[pos_] != c)
            return false;
        ++pos_;
        return true;
    }
    // Up to maxDigits digits; returns how many were read.
    int number(int& out, int maxDigits) {
        int count = 0;
        out = 0;
        while (!atEnd() && count < maxDigits && text_[pos_] >= '0' && text_[pos_] <= '9') {
            out = out * 10 + (text_[pos_] - '0');
            ++pos_;
            ++count;
        }
        return count;
    }
    int monthName() {
        std::size_t end = pos_;
        while (end < text_.size() && ((text_[end] | 0x20) >= 'a' && (text_[end] | 0x20) <= 'z'))
            ++end;
        const std::string_view word = text_.substr(pos_, end - pos_);
        for (int m = 0; m < 12; ++m) {
            const std::string_view name = kMonthNames[static_cast<std::size_t>(m)];
            if (word.size() >= 3 && equalsIgnoreCase(word.substr(0, 3), name)) {
                pos_ = end;
                return m + 1;
            }
        }
        return 0;
    }
    bool acceptWord(std::string_view word) {
        if (!equalsIgnoreCase(text_.substr(pos_, word.size()), word))
            return false;
        pos_ += word.size();
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// HH:MM[:SS[.fff|:fff]][ ][AM|PM], or HH[ ]AM|PM.
bool readTime(Reader& in, DateTime& out) {
    if (in.number(out.hour, 2) == 0)
        return false;
    if (in.accept(':')) {
        if (in.number(out.minute, 2) != 2)
            return false;
        if (in.accept(':')) {
            if (in.number(out.second, 2) != 2)
                return false;
            if (in.accept('.') || in.accept(':')) {
                int fraction = 0;
                const int digits = in.number(fraction, 3);
                if (digits == 0)
                    return false;
                out.millisecond = digits == 1   ? fraction * 100
                                  : digits == 2 ? fraction * 10
                                                : fraction;
                int ignored = 0;
                in.number(ignored, 6); // digits past the millisecond are dropped
            }
        }
    }
    in.skipBlanks();
    const bool pm = in.acceptWord("pm");
    if (pm || in.acceptWord("am")) {
        if (out.hour < 1 || out.hour > 12)
            return false;
        out.hour = out.hour % 12 + (pm ? 12 : 0);
    }
    return true;
}

bool readDate(Reader& in, DateTime& out) {
    int first = 0;
    if (const int month = in.monthName()) { // Mon DD YYYY
        out.month = month;
        in.skipBlanks();
        if (in.number(out.day, 2) == 0)
            return false;
        in.accept(',');
        in.skipBlanks();
        return in.number(out.year, 4) == 4;
    }
    const int digits = in.number(first, 8);
    if (digits == 8) { // YYYYMMDD
        out.year = first / 10000;
        out.month = first / 100 % 100;
        out.day = first % 100;
        return true;
    }
    if (digits == 4 && (in.accept('-') || in.accept('/'))) { // YYYY-MM-DD
        out.year = first;
        return in.number(out.month, 2) > 0 && (in.accept('-') || in.accept('/')) &&
               in.number(out.day, 2) > 0;
    }
    if (digits >= 1 && digits <= 2 && in.accept('/')) { // MM/DD/YYYY
        out.month = first;
        return in.number(out.day, 2) > 0 && in.accept('/') && in.number(out.year, 4) == 4;
    }
    if (digits >= 1 && digits <= 2) { // DD Mon YYYY
        out.day = first;
        in.skipBlanks();
        const int month = in.monthName();
        in.skipBlanks();
        out.month = month;
        return month != 0 && in.number(out.year, 4) == 4;
    }
    return false;
}

} // namespace

std::optional<DatePart> datePartNamed(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, DatePart>, 22> names = {{
        {"year", DatePart::Year},
        {"yy", DatePart::Year},
        {"quarter", DatePart::Quarter},
        {"qq", DatePart::Quarter},
        {"month", DatePart::Month},
        {"mm", DatePart::Month},
        {"week", DatePart::Week},
        {"wk", DatePart::Week},
        {"dayofyear", DatePart::DayOfYear},
        {"dy", DatePart::DayOfYear},
        {"day", DatePart::Day},
        {"dd", DatePart::Day},
        {"weekday", DatePart::Weekday},
        {"dw", DatePart::Weekday},
        {"hour", DatePart::Hour},
        {"hh", DatePart::Hour},
        {"minute", DatePart::Minute},
        {"mi", DatePart::Minute},
        {"second", DatePart::Second},
        {"ss", DatePart::Second},
        {"millisecond", DatePart::Millisecond},
        {"ms", DatePart::Millisecond},
    }};
    for (const auto& [candidate, part] : names)
        if (equalsIgnoreCase(candidate, name))
            return part;
    return std::nullopt;
}

std::string_view datePartName(DatePart part) {
    static constexpr std::array<std::string_view, 11> names = {
        "year",    "quarter", "month",  "week",   "dayofyear",  "day",
        "weekday", "hour",    "minute", "second", "millisecond"};
    return names[static_cast<std::size_t>(part)];
}

std::optional<DateTime> parseDateTime(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    DateTime out;
    Reader in(text);
    const std::size_t start = in.position();
    const bool timeOnly = readTime(in, out) && in.atEnd() && text.find(':') != text.npos;
    if (!timeOnly) {
        out = DateTime{};
        in.rewind(start);
        if (!readDate(in, out))
            return std::nullopt;
        if (!in.accept('T'))
            in.skipBlanks();
        if (!in.atEnd() && !readTime(in, out))
            return std::nullopt;
        in.skipBlanks();
        if (!in.atEnd())
            return std::nullopt;
    }
    if (!valid(out))
        return std::nullopt;
    return out;
}

std::string formatDateTime(const DateTime& v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d.%03d", v.year, v.month,
                  v.day, v.hour, v.minute, v.second, v.millisecond);
    return buffer;
}

std::string formatDateTimeStyle(const DateTime& v, int style) {
    const bool century = style >= 100 || style == 0 || style == 23;
    const int year = century ? v.year : v.year % 100;
    const int yearWidth = century ? 4 : 2;
    const char* month = kMonthNames[static_cast<std::size_t>(v.month - 1)];
    const int hour12 = v.hour % 12 == 0 ? 12 : v.hour % 12;
    const char* meridiem = v.hour < 12 ? "AM" : "PM";
    char buffer[64];
    switch (style % 100) {
    case 1:
        std::snprintf(buffer, sizeof buffer, "%02d/%02d/%0*d", v.month, v.day, yearWidth, year);
        break;
    case 2:
        std::snprintf(buffer, sizeof buffer, "%0*d.%02d.%02d", yearWidth, year, v.month, v.day);
        break;
    case 3:
        std::snprintf(buffer, sizeof buffer, "%02d/%02d/%0*d", v.day, v.month, yearWidth, year);
        break;
    case 4:
        std::snprintf(buffer, sizeof buffer, "%02d.%02d.%0*d", v.day, v.month, yearWidth, year);
        break;
    case 5:
        std::snprintf(buffer, sizeof buffer, "%02d-%02d-%0*d", v.day, v.month, yearWidth, year);
        break;
    case 6:
        std::snprintf(buffer, sizeof buffer, "%02d %s %0*d", v.day, month, yearWidth, year);
        break;
    case 7:
        std::snprintf(buffer, sizeof buffer, "%s %02d, %0*d", month, v.day, yearWidth, year);
        break;
    case 8:
        std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", v.hour, v.minute, v.second);
        break;
    case 9:
        std::snprintf(buffer, sizeof buffer, "%s %2d %04d %2d:%02d:%02d:%03d%s", month, v.day,
                      v.year, hour12, v.minute, v.second, v.millisecond, meridiem);
        break;
    case 10:
        std::snprintf(buffer, sizeof buffer, "%02d-%02d-%0*d", v.month, v.day, yearWidth, year);
        break;
    case 11:
        std::snprintf(buffer, sizeof buffer, "%0*d/%02d/%02d", yearWidth, year, v.month, v.day);
        break;
    case 12:
        std::snprintf(buffer, sizeof buffer, "%0*d%02d%02d", yearWidth, year, v.month, v.day);
        break;
    case 23:
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d", v.year, v.month,
                      v.day, v.hour, v.minute, v.second);
        break;
    default:
        std::snprintf(buffer, sizeof buffer, "%s %2d %04d %2d:%02d%s", month, v.day, v.year, hour12,
                      v.minute, meridiem);
        break;
    }
    return buffer;
}

std::optional<DateTime> addToDate(const DateTime& value, DatePart part, std::int64_t amount) {
    // Any amount beyond ten thousand years in the part's unit leaves the range.
    const auto within = [&](std::int64_t unitsInTenThousandYears) {
        return amount >= -unitsInTenThousandYears && amount <= unitsInTenThousandYears;
    };
    switch (part) {
    case DatePart::Year:
    case DatePart::Quarter:
    case DatePart::Month: {
        const std::int64_t monthsPerUnit = part == DatePart::Year      ? 12
                                           : part == DatePart::Quarter ? 3
                                                                       : 1;
        if (!within(120'000 / monthsPerUnit))
            return std::nullopt;
        const std::int64_t months = value.year * 12LL + (value.month - 1) + amount * monthsPerUnit;
        DateTime out = value;
        out.year = static_cast<int>(floorDiv(months, 12));
        out.month = static_cast<int>(months - out.year * 12LL) + 1;
        if (out.year < 1 || out.year > 9999)
            return std::nullopt;
        out.day = std::min(out.day, daysInMonth(out.year, out.month));
        return out;
    }
    case DatePart::Week:
    case DatePart::DayOfYear:
    case DatePart::Day:
    case DatePart::Weekday: {
        const std::int64_t days = part == DatePart::Week ? 7 : 1;
        if (!within(3'700'000 / days))
            return std::nullopt;
        return fromMillis(millisOf(value) + amount * days * kMillisPerDay);
    }
    case DatePart::Hour:
    case DatePart::Minute:
    case DatePart::Second:
    case DatePart::Millisecond: {
        const std::int64_t unit = part == DatePart::Hour     ? 3'600'000
                                  : part == DatePart::Minute ? 60'000
                                  : part == DatePart::Second ? 1000
                                                             : 1;
        if (!within(3'700'000 * (kMillisPerDay / unit)))
            return std::nullopt;
        return fromMillis(millisOf(value) + amount * unit);
    }
    }
    return std::nullopt;
}

std::int64_t dateDifference(DatePart part, const DateTime& from, const DateTime& to) {
    const auto hours = [](const DateTime& v) { return daysOf(v) * 24 + v.hour; };
    const auto minutes = [&](const DateTime& v) { return hours(v) * 60 + v.minute; };
    const auto seconds = [&](const DateTime& v) { return minutes(v) * 60 + v.second; };
    switch (part) {
    case DatePart::Year:
        return to.year - from.year;
    case DatePart::Quarter:
        return (to.year * 4LL + (to.month - 1) / 3) - (from.year * 4LL + (from.month - 1) / 3);
    case DatePart::Month:
        return (to.year * 12LL + to.month) - (from.year * 12LL + from.month);
    case DatePart::Week:
        return weekIndex(daysOf(to)) - weekIndex(daysOf(from));
    case DatePart::DayOfYear:
    case DatePart::Day:
    case DatePart::Weekday:
        return daysOf(to) - daysOf(from);
    case DatePart::Hour:
        return hours(to) - hours(from);
    case DatePart::Minute:
        return minutes(to) - minutes(from);
    case DatePart::Second:
        return seconds(to) - seconds(from);
    case DatePart::Millisecond:
        return millisOf(to) - millisOf(from);
    }
    return 0;
}

int datePartOf(DatePart part, const DateTime& v) {
    switch (part) {
    case DatePart::Year:
        return v.year;
    case DatePart::Quarter:
        return (v.month - 1) / 3 + 1;
    case DatePart::Month:
        return v.month;
    case DatePart::Week:
        return static_cast<int>(weekIndex(daysOf(v)) - weekIndex(daysFromCivil(v.year, 1, 1))) + 1;
    case DatePart::DayOfYear:
        return static_cast<int>(daysOf(v) - daysFromCivil(v.year, 1, 1)) + 1;
    case DatePart::Day:
        return v.day;
    case DatePart::Weekday:
        return static_cast<int>(daysOf(v) + 4 - weekIndex(daysOf(v)) * 7) + 1;
    case DatePart::Hour:
        return v.hour;
    case DatePart::Minute:
        return v.minute;
    case DatePart::Second:
        return v.second;
    case DatePart::Millisecond:
        return v.millisecond;
    }
    return 0;
}

DateTime localDateTime(std::chrono::system_clock::time_point when) {
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(when.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(floorDiv(sinceEpoch, 1000));
    std::tm local{};
    localtime_r(&seconds, &local);
    DateTime out;
    out.year = local.tm_year + 1900;
    out.month = local.tm_mon + 1;
    out.day = local.tm_mday;
    out.hour = local.tm_hour;
    out.minute = local.tm_min;
    out.second = std::min(local.tm_sec, 59);
    out.millisecond = static_cast<int>(sinceEpoch - floorDiv(sinceEpoch, 1000) * 1000);
    return out;
}

} // namespace sim
