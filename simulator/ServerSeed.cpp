#include "simulator/ServerSeed.h"

#include "simulator/Catalogue.h"
#include "simulator/Processes.h"
#include "simulator/StoredTables.h"

#include <map>
#include <string>

namespace sim {

namespace {

constexpr int kSchemaVersion = 1;
constexpr int kFirstParameterConfig = 101;

// What a new demo server runs with: every monitoring table can be read at once.
const std::map<std::string, std::int64_t>& demoSettings() {
    static const std::map<std::string, std::int64_t> settings = {
        {"enable monitoring", 1},
        {"per object statistics active", 1},
        {"statement statistics active", 1},
        {"statement pipe active", 1},
        {"statement pipe max messages", 500},
        {"sql text pipe active", 1},
        {"sql text pipe max messages", 500},
        {"plan text pipe active", 1},
        {"plan text pipe max messages", 500},
        {"errorlog pipe active", 1},
        {"errorlog pipe max messages", 200},
        {"deadlock pipe active", 1},
        {"deadlock pipe max messages", 100},
        {"wait event timing", 1},
        {"process wait events", 1},
        {"SQL batch capture", 1},
        {"enable stmt cache monitoring", 1},
        {"statement cache size", 1000},
        {"max SQL text monitored", 2048},
        {"object lockwait timing", 1},
    };
    return settings;
}

void createInternalTables(SqliteDatabase& db) {
    db.exec("create table if not exists sim_state (name text primary key, value integer)");
    db.exec("create table if not exists sim_login (name text primary key, password text, "
            "suid integer)");
    db.exec("create table if not exists sim_process (spid integer primary key, kpid integer, "
            "kind text, login text, program text, host text, dbname text, cmd text, status text, "
            "blocked integer, blocked_until integer, login_ms integer, leave_ms integer, "
            "seed integer, ospid integer, sqltext text, batch integer)");
}

void seedMonitoringCatalogue(SqliteDatabase& db) {
    db.exec(createTableSql(storedTableName("master", "monTables"),
                           findMonitoringTable("monTables")->columns));
    db.exec(createTableSql(storedTableName("master", "monTableColumns"),
                           findMonitoringTable("monTableColumns")->columns));
    db.exec(createTableSql(storedTableName("master", "monTableParameters"),
                           findMonitoringTable("monTableParameters")->columns));
    auto table = db.prepare("insert into " + storedTableName("master", "monTables") +
                            " values (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    auto column = db.prepare("insert into " + storedTableName("master", "monTableColumns") +
                             " values (?1, ?2, ?3, 0, 0, ?4, 0, ?5, ?6, ?7, ?8)");
    auto parameter = db.prepare("insert into " + storedTableName("master", "monTableParameters") +
                                " values (?1, ?2, ?3, 0, 0, ?4, ?5, ?6, ?7, ?8)");
    std::int64_t tableId = 0;
    for (const MonTableDef& def : monitoringTables()) {
        ++tableId;
        std::int64_t size = 0;
        std::int64_t columnId = 0;
        std::int64_t parameterId = 0;
        for (const ColumnDef& col : def.columns) {
            const ServerType type = serverTypeOf(col.type);
            size += type.length;
            column.bind(1, tableId).bind(2, ++columnId).bind(3, std::int64_t(type.id));
            column.bind(4, std::int64_t(type.length)).bind(5, def.name).bind(6, col.name);
            column.bind(7, type.name).bind(8, col.description).run();
            column.reset();
            if (!isTableParameter(col.name))
                continue;
            parameter.bind(1, tableId).bind(2, ++parameterId).bind(3, std::int64_t(type.id));
            parameter.bind(4, std::int64_t(type.length)).bind(5, def.name).bind(6, col.name);
            parameter.bind(7, type.name).bind(8, "Restricts the rows to one " + col.name);
            parameter.run();
            parameter.reset();
        }
        table.bind(1, tableId).bind(2, columnId).bind(3, parameterId);
        table.bind(4, std::int64_t(def.pipe ? 1 : 0)).bind(5, size).bind(6, def.name);
        table.bind(7, def.description).run();
        table.reset();
    }
}

void seedPipeTables(SqliteDatabase& db) {
    for (const MonTableDef& def : monitoringTables())
        if (def.pipe)
            db.exec(
                createTableSql(storedTableName("master", def.name), def.columns,
                               std::string(kPipeSequence) + " integer primary key autoincrement"));
}

void seedConfiguration(SqliteDatabase& db) {
    for (const MonTableDef& def : systemTables())
        if (def.name != "sysprocesses")
            db.exec(createTableSql(storedTableName("master", def.name), def.columns));
    auto configure = db.prepare("insert into " + storedTableName("master", "sysconfigures") +
                                " values (?1, ?2, ?3, ?4, ?3, ?5, ?6, 0, 0)");
    configure.bind(1, std::int64_t(1)).bind(2, std::int64_t(0)).bind(3, "Configuration Options");
    configure.bind(4, std::int64_t(2)).bind(5, std::int64_t(0)).bind(6, "0").run();
    configure.reset();
    std::map<std::string, std::int64_t> groupConfig;
    for (const std::string& group : configurationGroups()) {
        const std::int64_t config = std::int64_t(groupConfig.size()) + 2;
        groupConfig[group] = config;
        configure.bind(1, config).bind(2, std::int64_t(0)).bind(3, group);
        configure.bind(4, std::int64_t(2)).bind(5, std::int64_t(1)).bind(6, "0").run();
        configure.reset();
    }
    auto current = db.prepare("insert into " + storedTableName("master", "syscurconfigs") +
                              " values (?1, ?2, ?3, ?4, ?2, 0, 0, ?5, ?6, ?7, ?8, ?9, 0, 10, "
                              "'number')");
    std::int64_t config = kFirstParameterConfig;
    for (const ConfigParameter& p : configurationParameters()) {
        const auto demo = demoSettings().find(p.name);
        const std::int64_t value = demo == demoSettings().end() ? p.defaultValue : demo->second;
        const std::int64_t status = p.dynamic ? 1 : 0;
        configure.bind(1, config).bind(2, value).bind(3, p.name).bind(4, status);
        configure.bind(5, groupConfig.at(p.group)).bind(6, std::to_string(value)).run();
        configure.reset();
        current.bind(1, config).bind(2, value).bind(3, p.name).bind(4, status);
        current.bind(5, p.dynamic ? "dynamic" : "static").bind(6, p.unit);
        current.bind(7, std::int64_t(p.defaultValue)).bind(8, std::int64_t(p.minimum));
        current.bind(9, std::int64_t(p.maximum)).run();
        current.reset();
        ++config;
    }
}

void seedState(SqliteDatabase& db, std::int64_t nowMs) {
    auto state = db.prepare("insert into sim_state values (?1, ?2)");
    state.bind(1, "schema").bind(2, std::int64_t(kSchemaVersion)).run();
    state.reset();
    state.bind(1, "boot_ms").bind(2, nowMs - kBootLeadMs).run();
    state.reset();
    // No tick yet: the first step of the simulation brings the users in.
    state.bind(1, "tick_ms").bind(2, std::int64_t(0)).run();
    db.exec("insert into sim_login values ('sa', '', 1)");
}

bool seeded(SqliteDatabase& db) {
    auto query = db.prepare("select value from sim_state where name = 'schema'");
    return query.step();
}

} // namespace

void ensureSeeded(SqliteDatabase& db, std::int64_t nowMs) {
    SqliteTransaction transaction(db);
    createInternalTables(db);
    if (seeded(db))
        return;
    seedMonitoringCatalogue(db);
    seedPipeTables(db);
    seedConfiguration(db);
    seedState(db, nowMs);
    seedSystemTasks(db, nowMs);
    transaction.commit();
}

} // namespace sim
