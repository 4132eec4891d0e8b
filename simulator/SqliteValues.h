#pragma once

// Moving server values in and out of SQLite statements.

#include "simulator/SimServer.h"
#include "simulator/Sqlite.h"

#include <cstddef>
#include <string>

namespace sim {

void bindValue(SqliteStatement& statement, int index, const SimValue& value);

// The column's value; `kind` is the server type's kind, Null to keep SQLite's own.
SimValue readValue(const SqliteStatement& statement, int column, SimValue::Kind kind);

// "?1, ?2, ... ?count"
std::string placeholders(std::size_t count);

} // namespace sim
