#include "simulator/TableDirectory.h"

#include "simulator/ServerErrors.h"
#include "simulator/StoredTables.h"
#include "simulator/Tokenizer.h"
#include "simulator/Workload.h"

namespace sim {

namespace {

bool isCatalogueTable(const MonTableDef& table) {
    return table.name == "monTables" || table.name == "monTableColumns" ||
           table.name == "monTableParameters" || table.name == "sysconfigures" ||
           table.name == "syscurconfigs";
}

const MonTableDef* findSystemTable(const std::string& name) {
    for (const MonTableDef& table : systemTables())
        if (table.name == name)
            return &table;
    return nullptr;
}

} // namespace

std::string databaseOf(const ast::ObjectName& name, const std::string& currentDatabase) {
    if (name.database.empty())
        return currentDatabase;
    if (databaseId(name.database) == 0)
        throw errors::unknownDatabase(name.database);
    return lowerAscii(name.database);
}

namespace {

bool tableNamed(SqliteDatabase& db, const std::string& database, const std::string& table,
                std::string_view comparison) {
    auto query = db.prepare("select 1 from sqlite_master where type = 'table' and name = ?1 " +
                            std::string(comparison));
    query.bind(1, lowerAscii(database) + "." + table);
    return query.step();
}

} // namespace

bool userTableExists(SqliteDatabase& db, const std::string& database, const std::string& table) {
    return tableNamed(db, database, table, "");
}

bool userTableNameTaken(SqliteDatabase& db, const std::string& database, const std::string& table) {
    // SQLite's own names ignore letter case, so "T" and "t" cannot both exist.
    return tableNamed(db, database, table, "collate nocase");
}

TableLocation locateTable(SqliteDatabase& db, const ast::ObjectName& name,
                          const std::string& currentDatabase) {
    TableLocation location;
    location.database = databaseOf(name, currentDatabase);
    location.name = name.name;
    if (location.database == "master") {
        const MonTableDef* definition = findMonitoringTable(name.name);
        if (!definition)
            definition = findSystemTable(name.name);
        if (definition) {
            location.definition = definition;
            location.name = definition->name;
            location.kind = isCatalogueTable(*definition) ? TableLocation::Kind::Stored
                            : definition->pipe            ? TableLocation::Kind::Pipe
                                                          : TableLocation::Kind::Live;
            return location;
        }
    }
    if (!userTableExists(db, location.database, name.name))
        throw errors::objectNotFound(name.written.empty() ? name.name : name.written);
    return location;
}

std::vector<ColumnInfo> columnsOf(SqliteDatabase& db, const TableLocation& table) {
    std::vector<ColumnInfo> columns;
    if (table.definition) {
        for (const ColumnDef& column : table.definition->columns)
            columns.push_back({column.name, kindOfColumnType(column.type)});
        return columns;
    }
    auto query = db.prepare("select name, type from pragma_table_info(?1)");
    query.bind(1, table.database + "." + table.name);
    while (query.step())
        if (query.textView(0) != kPipeSequence)
            columns.push_back({query.text(0), kindOfServerType(query.textView(1))});
    return columns;
}

} // namespace sim
