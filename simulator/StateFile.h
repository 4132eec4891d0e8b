#pragma once

// Where a simulated server keeps its state, and opening that SQLite file so
// that several processes can share it (write-ahead log, bounded busy wait).

#include "simulator/SimServer.h"
#include "simulator/Sqlite.h"

#include <memory>
#include <string>

namespace sim {

struct StateLocation {
    std::string path;       // SQLite file name, ":memory:" for a private server
    std::string serverName; // what @@servername answers
};

// "sim:NAME" -> <temporary directory>/NAME.asesim, "sim:/path" -> that file,
// "sim::memory:" -> private. Throws SimError for anything else.
StateLocation locateState(const std::string& dataSource);

// $TEMP when set, else <TMPDIR or /tmp>/farrowdale-<uid>, created with mode 0700.
std::string temporaryDirectory();

// Opens the file for reading and writing, creating it when absent. Throws
// SimError when it is locked, read-only or not a database.
std::unique_ptr<SqliteDatabase> openStateFile(const std::string& path);

// Turns a failure of SQLite on the state file into the server's error.
SimError stateFileError(const SqliteError& failure, const std::string& path);

} // namespace sim
