#pragma once

// The server functions that translated statements call inside SQLite
// (getdate, dateadd, datediff, convert, char_length...), registered on every
// SQLite connection the engine opens. Date-times travel as text
// "YYYY-MM-DD HH:MM:SS.mmm" in local time.

#include <sqlite3.h>

#include <chrono>
#include <functional>

namespace sim {

using Clock = std::function<std::chrono::system_clock::time_point()>;

// Throws SqliteError when SQLite refuses a registration.
void registerSqlFunctions(sqlite3* db, Clock now);

} // namespace sim
