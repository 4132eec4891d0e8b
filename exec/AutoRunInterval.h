#pragma once

#include <QString>

namespace exec {

inline constexpr int kDefaultIntervalMs = 15000;

// The timer interval for the period typed into the interval box: a whole number
// of seconds (leading blanks, optional sign, decimal digits, or hexadecimal after
// "$" or "0x"), anything else 15 s. Zero or a negative period gives 0, which stops
// the timer; a period too long for a 32-bit millisecond count is capped at the longest.
int autoRunIntervalMs(const QString& text);

} // namespace exec
