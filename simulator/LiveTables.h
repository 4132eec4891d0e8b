#pragma once

// The monitoring tables (and sysprocesses) whose rows describe the server as
// it is now. Each read builds the rows afresh into a temporary table of the
// reading connection, from the process list, the fixed inventory (engines,
// devices, caches, databases, objects, wait events) and the clock.

#include "simulator/Catalogue.h"
#include "simulator/Sqlite.h"

#include <cstdint>
#include <string>

namespace sim {

void buildLiveTable(SqliteDatabase& db, const MonTableDef& table, const std::string& temporaryName,
                    std::int64_t nowMs);

} // namespace sim
