#pragma once

// Which configuration parameters a monitoring table needs before the server
// collects its data, and the error a read gets when one is off.

#include "simulator/Catalogue.h"
#include "simulator/Sqlite.h"

#include <string>
#include <vector>

namespace sim {

// Parameters that are off now and that the table needs, "enable monitoring"
// first when it is off. Empty when the table can be read.
std::vector<std::string> missingParameters(SqliteDatabase& db, const MonTableDef& table);

// Throws the server's error naming the table and the parameters to enable.
void requireReadable(SqliteDatabase& db, const MonTableDef& table);

// The size "<pipe> max messages" sets for a pipe table.
std::int64_t pipeCapacity(SqliteDatabase& db, const MonTableDef& table);

} // namespace sim
