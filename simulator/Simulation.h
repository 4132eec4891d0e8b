#pragma once

// Moves the simulated server forward to a moment: user sessions log in and
// leave, switch statements, block each other now and then, and the statements
// they finish feed the pipe tables. Runs at most once a second, under the
// file's write lock, so that every process sharing the file sees one history.

#include "simulator/Processes.h"
#include "simulator/RowFacts.h"
#include "simulator/Sqlite.h"

#include <cstdint>
#include <string>

namespace sim {

void advanceServer(SqliteDatabase& db, std::int64_t nowMs);

// Feeds a client's own batch into the SQL text and statement pipes.
void recordClientBatch(SqliteDatabase& db, const ProcessInfo& client, const std::string& text,
                       std::int64_t nowMs);

// The facts a pipe row or a live row knows about a process.
RowFacts processFacts(const ProcessInfo& process, std::int64_t nowMs);

} // namespace sim
