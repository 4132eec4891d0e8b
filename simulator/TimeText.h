#pragma once

// Date-times as the simulated server hands them to clients and stores them:
// "YYYY-MM-DD HH:MM:SS.mmm" in local time.

#include <chrono>
#include <cstdint>
#include <string>

namespace sim {

std::string timestampText(std::chrono::system_clock::time_point when);
std::string timestampText(std::int64_t millisecondsSinceEpoch);
std::int64_t millisecondsSinceEpoch(std::chrono::system_clock::time_point when);

} // namespace sim
