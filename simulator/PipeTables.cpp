#include "simulator/PipeTables.h"

#include "simulator/MonitoringSwitches.h"
#include "simulator/SqliteValues.h"
#include "simulator/StoredTables.h"

#include <algorithm>

namespace sim {

namespace {

std::string columnList(const MonTableDef& table) {
    std::string list;
    for (const ColumnDef& column : table.columns)
        list += (list.empty() ? "" : ", ") + quoteSqlIdentifier(column.name);
    return list;
}

} // namespace

void appendPipeRow(SqliteDatabase& db, const MonTableDef& table, const RowFacts& facts,
                   std::int64_t nowMs) {
    if (!missingParameters(db, table).empty())
        return;
    const std::string stored = storedTableName("master", table.name);
    auto insert = db.prepare("insert into " + stored + " (" + columnList(table) + ") values (" +
                             placeholders(table.columns.size()) + ")");
    const std::vector<SimValue> row = fillRow(table.columns, facts, nowMs);
    for (std::size_t i = 0; i < row.size(); ++i)
        bindValue(insert, int(i + 1), row[i]);
    insert.run();
    auto trim =
        db.prepare("delete from " + stored + " where " + std::string(kPipeSequence) +
                   " <= (select max(" + std::string(kPipeSequence) + ") from " + stored + ") - ?1");
    trim.bind(1, pipeCapacity(db, table)).run();
}

std::int64_t copyUnreadRows(SqliteDatabase& db, const MonTableDef& table,
                            const std::string& temporaryName, std::int64_t lastRead) {
    const std::string stored = storedTableName("master", table.name);
    const std::string sequence(kPipeSequence);
    // The newest row is fixed first: rows another process adds meanwhile stay unread.
    std::int64_t upTo = lastRead;
    {
        // Finished before the drop below: SQLite drops no table while a statement reads.
        auto newest = db.prepare("select max(" + sequence + ") from " + stored);
        if (newest.step() && newest.type(0) != SQLITE_NULL)
            upTo = newest.integer(0);
    }
    db.exec("drop table if exists temp." + temporaryName);
    db.exec(createTableSql("temp." + temporaryName, table.columns));
    auto copy = db.prepare("insert into temp." + temporaryName + " select " + columnList(table) +
                           " from " + stored + " where " + sequence + " > ?1 and " + sequence +
                           " <= ?2 order by " + sequence);
    copy.bind(1, lastRead).bind(2, upTo).run();
    return std::max(lastRead, upTo);
}

} // namespace sim
