#pragma once

// How the server's tables are laid out in its SQLite file: every database's
// tables live side by side in the file's main schema as "<database>.<table>".

#include "simulator/Catalogue.h"
#include "simulator/SimServer.h"

#include <string>
#include <string_view>
#include <vector>

namespace sim {

// The quoted SQLite name of a table of a database, ready to splice into SQL.
std::string storedTableName(std::string_view database, std::string_view table);

// The hidden column that orders the rows of a pipe table.
inline constexpr std::string_view kPipeSequence = "_seq";

SimValue::Kind kindOfColumnType(char type);
// "create table <name> (...)" with the columns' server types, plus extra definitions.
std::string createTableSql(const std::string& quotedName, const std::vector<ColumnDef>& columns,
                           const std::string& extraDefinitions = {});

struct ServerType {
    int id;
    const char* name;
    int length;
};
ServerType serverTypeOf(char type);

} // namespace sim
