#include "simulator/StoredTables.h"

#include "simulator/Sqlite.h"
#include "simulator/Tokenizer.h"

namespace sim {

std::string storedTableName(std::string_view database, std::string_view table) {
    return quoteSqlIdentifier(lowerAscii(database) + "." + std::string(table));
}

ServerType serverTypeOf(char type) {
    switch (type) {
    case 'I':
        return {56, "int", 4};
    case 'D':
        return {61, "datetime", 8};
    case 'F':
        return {62, "float", 8};
    default:
        return {39, "varchar", 255};
    }
}

SimValue::Kind kindOfColumnType(char type) {
    switch (type) {
    case 'I':
        return SimValue::Kind::Integer;
    case 'D':
        return SimValue::Kind::DateTime;
    case 'F':
        return SimValue::Kind::Real;
    default:
        return SimValue::Kind::Text;
    }
}

std::string createTableSql(const std::string& quotedName, const std::vector<ColumnDef>& columns,
                           const std::string& extraDefinitions) {
    std::string sql = "create table " + quotedName + " (";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            sql += ", ";
        sql += quoteSqlIdentifier(columns[i].name) + " " + serverTypeOf(columns[i].type).name;
    }
    if (!extraDefinitions.empty())
        sql += ", " + extraDefinitions;
    return sql + ")";
}

} // namespace sim
