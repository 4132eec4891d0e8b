#pragma once

// Creates a new server's state: the catalogue in master, its configuration
// with the demo settings, the "sa" login and the system tasks.

#include "simulator/Sqlite.h"

#include <cstdint>

namespace sim {

// Idempotent and safe when several processes open a new file at once.
void ensureSeeded(SqliteDatabase& db, std::int64_t nowMs);

} // namespace sim
