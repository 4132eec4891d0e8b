#pragma once

// The pipe tables (recent statements, SQL text, plans, error log, deadlocks):
// a ring of the latest rows in the state file, as large as the table's
// "max messages" parameter, each row numbered so that every connection can be
// handed only the rows it has not read yet.

#include "simulator/Catalogue.h"
#include "simulator/RowFacts.h"
#include "simulator/Sqlite.h"

#include <cstdint>
#include <string>

namespace sim {

// Adds a row when the server collects the table's data; drops the oldest
// rows beyond the ring's size.
void appendPipeRow(SqliteDatabase& db, const MonTableDef& table, const RowFacts& facts,
                   std::int64_t nowMs);

// Copies the rows after `lastRead` into the connection's temporary table of
// that name and returns the number of the newest row copied (or lastRead).
std::int64_t copyUnreadRows(SqliteDatabase& db, const MonTableDef& table,
                            const std::string& temporaryName, std::int64_t lastRead);

} // namespace sim
