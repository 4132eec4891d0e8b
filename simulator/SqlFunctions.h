#pragma once

// The server functions that translated statements call inside SQLite
// (sim_getdate, sim_dateadd, sim_convert, sim_like...), registered on every
// SQLite connection the engine opens. Date-times travel as text
// "YYYY-MM-DD HH:MM:SS.mmm" in local time.
//
// LIKE is translated to sim_like, which follows the server's rules itself
// (letter case counts, "[...]" sets), so no PRAGMA case_sensitive_like is needed.

#include "simulator/SimServer.h"

#include <sqlite3.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string_view>

namespace sim {

using Clock = std::function<std::chrono::system_clock::time_point()>;

// Throws SimError when SQLite refuses a registration.
void registerSqlFunctions(sqlite3* db, Clock now);

// A function that fails at run time (divide by zero, a failed conversion...)
// hands SQLite a message that carries the server error; this reads it back from
// sqlite3_errmsg. Empty for any other SQLite message.
std::optional<SimError> serverErrorFromSqlite(std::string_view message);

} // namespace sim
