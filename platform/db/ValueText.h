#pragma once

// How a cell reads as text: NULL is empty, a date-time follows the process's
// short date and long time formats with the time left out at exactly midnight,
// a date-only value is the date alone, numbers are the shortest text that reads
// back, binary is "0x" and upper-case hex digits.

#include "platform/db/Value.h"

namespace db {

QString valueText(const Value& value);

} // namespace db
