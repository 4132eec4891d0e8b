#pragma once

// Finds the table a statement names: a catalogue or configuration table kept
// in the file, a monitoring table built at each read, a pipe table, or a user
// table in tempdb.

#include "simulator/Ast.h"
#include "simulator/Catalogue.h"
#include "simulator/Sqlite.h"
#include "simulator/Translator.h"

#include <string>
#include <vector>

namespace sim {

struct TableLocation {
    enum class Kind { Stored, Live, Pipe, User };
    Kind kind = Kind::User;
    const MonTableDef* definition = nullptr; // every kind but User
    std::string database;                    // lower case
    std::string name;                        // as the server spells it
};

// Throws SimError: 911 for an unknown database, 208 for an unknown table.
TableLocation locateTable(SqliteDatabase& db, const ast::ObjectName& name,
                          const std::string& currentDatabase);

std::vector<ColumnInfo> columnsOf(SqliteDatabase& db, const TableLocation& table);

// The database a name refers to, checked to exist (lower case).
std::string databaseOf(const ast::ObjectName& name, const std::string& currentDatabase);

bool userTableExists(SqliteDatabase& db, const std::string& database, const std::string& table);
// True also for a table whose name differs only in letter case.
bool userTableNameTaken(SqliteDatabase& db, const std::string& database, const std::string& table);

} // namespace sim
