#include "simulator/TimeText.h"

#include <cstdio>
#include <ctime>

namespace sim {

std::int64_t millisecondsSinceEpoch(std::chrono::system_clock::time_point when) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
}

std::string timestampText(std::int64_t milliseconds) {
    // Floor division keeps instants before 1970 on the right second.
    std::int64_t seconds = milliseconds / 1000;
    std::int64_t millis = milliseconds % 1000;
    if (millis < 0) {
        millis += 1000;
        --seconds;
    }
    const std::time_t stamp = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&stamp, &local);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(millis));
    return text;
}

std::string timestampText(std::chrono::system_clock::time_point when) {
    return timestampText(millisecondsSinceEpoch(when));
}

} // namespace sim
