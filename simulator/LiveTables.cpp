#include "simulator/LiveTables.h"

#include "simulator/Processes.h"
#include "simulator/RowFacts.h"
#include "simulator/Simulation.h"
#include "simulator/SqliteValues.h"
#include "simulator/StoredTables.h"
#include "simulator/Workload.h"

#include <functional>
#include <map>

namespace sim {

namespace {

struct WaitEvent {
    int id;
    int classId;
    const char* description;
};

const std::vector<WaitEvent>& waitEvents() {
    static const std::vector<WaitEvent> events = {
        {29, 2, "waiting for a buffer read from disk to finish"},
        {31, 3, "waiting for a buffer write to disk to finish"},
        {51, 3, "waiting for the last log page write to finish"},
        {54, 4, "waiting for the log semaphore"},
        {150, 5, "waiting for a lock to be granted"},
        {214, 1, "waiting on the run queue after yielding"},
        {215, 1, "waiting on the run queue after sleeping"},
        {250, 7, "waiting for the client to send a request"},
        {251, 8, "waiting for a network send to finish"},
        {61, 9, "housekeeper pausing between rounds"},
        {124, 6, "waiting for a free buffer in the cache"},
    };
    return events;
}

const std::vector<std::string>& waitClasses() {
    static const std::vector<std::string> classes = {
        "the process is running",          "waiting for its turn on an engine",
        "waiting for a read from disk",    "waiting for a write to disk",
        "waiting for the transaction log", "waiting for a lock",
        "waiting for memory or a buffer",  "waiting for the client's input",
        "waiting to send to the client",   "waiting for a server event",
        "waiting for another task",
    };
    return classes;
}

using Facts = std::vector<RowFacts>;

struct Context {
    SqliteDatabase& db;
    std::int64_t nowMs;
    std::int64_t bootMs;
    std::vector<ProcessInfo> processes;
};

RowFacts serverFacts(const Context& c, std::uint64_t seed) {
    RowFacts facts;
    facts.seed = seed;
    facts.startMs = c.bootMs;
    return facts;
}

void describeObject(RowFacts& facts, const UserObject& object) {
    facts.values["DBID"] = integerValue(object.databaseId);
    facts.values["DBName"] = textValue(std::string(object.database));
    facts.values["ObjectID"] = integerValue(object.objectId);
    facts.values["ObjectName"] = textValue(std::string(object.table));
}

Facts perProcess(const Context& c, bool busyOnly) {
    Facts rows;
    for (const ProcessInfo& p : c.processes)
        if (!busyOnly || p.workItem >= 0)
            rows.push_back(processFacts(p, c.nowMs));
    return rows;
}

Facts sysprocessesRows(const Context& c) {
    Facts rows;
    for (const ProcessInfo& p : c.processes) {
        RowFacts f = processFacts(p, c.nowMs);
        const std::int64_t seconds = std::max<std::int64_t>(0, c.nowMs - p.loginMs) / 1000;
        f.values = {
            {"spid", integerValue(p.spid)},
            {"kpid", integerValue(p.kpid)},
            {"enginenum", integerValue(p.spid % 2)},
            {"status", textValue(p.status)},
            {"suid", integerValue(p.kind == ProcessKind::System ? 0 : 1 + p.seed % 40)},
            {"hostname", textValue(p.host)},
            {"program_name", textValue(p.program)},
            {"hostprocess",
             textValue(p.kind == ProcessKind::System ? "" : std::to_string(1000 + p.seed % 30000))},
            {"cmd", textValue(p.command)},
            {"cpu", integerValue(seconds * (p.kind == ProcessKind::User ? 3 : 1))},
            {"physical_io", integerValue(seconds / 2)},
            {"memusage", integerValue(p.kind == ProcessKind::System ? 0 : 12 + p.seed % 40)},
            {"blocked", integerValue(p.blockedBy)},
            {"dbid", integerValue(databaseId(p.database))},
            {"uid", integerValue(1)},
            {"gid", integerValue(0)},
            {"tran_name", textValue("")},
            {"time_blocked",
             integerValue(p.blockedBy
                              ? std::max<std::int64_t>(0, c.nowMs - p.blockedUntilMs + 40000) / 1000
                              : 0)},
            {"network_pktsz", integerValue(2048)},
            {"fid", integerValue(0)},
            {"execlass", textValue("EC2")},
            {"priority", textValue("MEDIUM")},
            {"stmtnum", integerValue(p.workItem >= 0 ? 1 : 0)},
            {"linenum", integerValue(p.workItem >= 0 ? 1 : 0)},
            {"loggedindatetime", timeValue(p.loginMs)},
            {"ipaddr", textValue(p.kind == ProcessKind::System
                                     ? ""
                                     : "10.20.0." + std::to_string(10 + p.seed % 200))}};
        rows.push_back(std::move(f));
    }
    return rows;
}

Facts processWaits(const Context& c) {
    Facts rows;
    for (const ProcessInfo& p : c.processes)
        for (int i = 0; i < 3; ++i) {
            RowFacts f = processFacts(p, c.nowMs);
            const WaitEvent& event =
                waitEvents()[std::size_t(mix(p.seed, i) % waitEvents().size())];
            f.seed = mix(p.seed, event.id);
            f.values["WaitEventID"] = integerValue(event.id);
            rows.push_back(std::move(f));
        }
    return rows;
}

// One row for each process that is running a statement now, completed by `fill`.
template <typename Fill> Facts perWorkingProcess(const Context& c, Fill fill) {
    Facts rows;
    for (const ProcessInfo& p : c.processes) {
        if (p.workItem < 0)
            continue;
        RowFacts f = processFacts(p, c.nowMs);
        fill(f, p, workItem(std::size_t(p.workItem)));
        rows.push_back(std::move(f));
    }
    return rows;
}

Facts processObjects(const Context& c) {
    return perWorkingProcess(c, [](RowFacts& f, const ProcessInfo&, const WorkItem& item) {
        describeObject(f, objectOf(item));
        f.values["IndexID"] = integerValue(item.index.empty() ? 0 : 2);
        f.values["ObjectType"] = textValue("U");
    });
}

Facts processSqlText(const Context& c) {
    return perWorkingProcess(c, [](RowFacts& f, const ProcessInfo&, const WorkItem& item) {
        f.values["LineNumber"] = integerValue(1);
        f.values["SequenceInLine"] = integerValue(1);
        f.values["SQLText"] = textValue(std::string(item.sql));
    });
}

Facts locks(const Context& c) {
    return perWorkingProcess(c, [&c](RowFacts& f, const ProcessInfo& p, const WorkItem& item) {
        const bool writes = item.command != "SELECT";
        describeObject(f, objectOf(item));
        f.values["ParentSPID"] = integerValue(0);
        f.values["LockState"] = textValue(p.blockedBy ? "Requested" : "Granted");
        f.values["LockType"] = textValue(writes ? "exclusive row" : "shared page");
        f.values["LockLevel"] = textValue(writes ? "ROW" : "PAGE");
        f.values["WaitTime"] = integerValue(p.blockedBy ? 1 + (c.nowMs / 1000) % 30 : 0);
    });
}

Facts engines(const Context& c) {
    Facts rows;
    for (int engine = 0; engine < 2; ++engine) {
        RowFacts f = serverFacts(c, 1000 + engine);
        f.activity = 4.0;
        // Busy and idle seconds add up to the seconds the engine has been online.
        const double up = double(c.nowMs - c.bootMs) / 1000.0;
        const double busy = 0.3 + 0.1 * engine;
        const auto seconds = [up](double share) { return integerValue(std::int64_t(up * share)); };
        f.values = {{"CPUTime", seconds(busy)},
                    {"UserCPUTime", seconds(busy * 0.8)},
                    {"SystemCPUTime", seconds(busy * 0.2)},
                    {"IdleCPUTime", seconds(1.0 - busy)},
                    {"EngineNumber", integerValue(engine)},
                    {"Status", textValue("online")},
                    {"StartTime", timeValue(c.bootMs)},
                    {"StopTime", SimValue{}},
                    {"AffinitiedToCPU", integerValue(engine)},
                    {"OSPID", integerValue(4100 + engine)},
                    {"Connections", integerValue(std::int64_t(c.processes.size()) / 2)},
                    {"ProcessesAffinitied", integerValue(0)},
                    {"JVMs", integerValue(0)}};
        rows.push_back(std::move(f));
    }
    return rows;
}

Facts devices(const Context& c, bool byQueue) {
    static const std::vector<std::pair<const char*, const char*>> list = {
        {"master", "/sybase/data/master.dat"},        {"tempdbdev", "/sybase/data/tempdb.dat"},
        {"sysprocsdev", "/sybase/data/sysprocs.dat"}, {"sales_data", "/sybase/data/sales01.dat"},
        {"sales_log", "/sybase/log/sales01.log"},     {"hr_data", "/sybase/data/hr01.dat"},
    };
    Facts rows;
    for (std::size_t i = 0; i < list.size(); ++i) {
        RowFacts f = serverFacts(c, 2000 + i);
        f.values["LogicalName"] = textValue(list[i].first);
        f.values["PhysicalName"] = textValue(list[i].second);
        if (!byQueue) {
            rows.push_back(std::move(f));
            continue;
        }
        for (const char* type : {"User Data", "User Log", "Tempdb Data"}) {
            RowFacts q = f;
            q.seed = mix(f.seed, std::hash<std::string>{}(type));
            q.values["IOType"] = textValue(type);
            rows.push_back(std::move(q));
        }
    }
    return rows;
}

Facts caches(const Context& c, bool pools) {
    static const std::vector<std::pair<int, const char*>> list = {{0, "default data cache"},
                                                                  {1, "log cache"}};
    Facts rows;
    for (const auto& [id, name] : list) {
        RowFacts f = serverFacts(c, 3000 + id);
        f.activity = 5.0;
        f.values["CacheID"] = integerValue(id);
        f.values["CacheName"] = textValue(name);
        f.values["CachePartitions"] = integerValue(1);
        f.values["BufferPools"] = integerValue(2);
        if (!pools) {
            rows.push_back(std::move(f));
            continue;
        }
        for (int size : {2048, 16384}) {
            RowFacts pool = f;
            pool.seed = mix(f.seed, size);
            pool.values["IOBufferSize"] = integerValue(size);
            pool.values["AllocatedKB"] = integerValue(size == 2048 ? 65536 : 16384);
            rows.push_back(std::move(pool));
        }
    }
    return rows;
}

Facts openDatabases(const Context& c) {
    Facts rows;
    for (const DatabaseInfo& database : databases()) {
        RowFacts f = serverFacts(c, 4000 + database.id);
        f.values["DBID"] = integerValue(database.id);
        f.values["DBName"] = textValue(std::string(database.name));
        f.values["BackupStartTime"] = timeValue(c.nowMs - 3600000 * (5 + database.id % 12));
        f.values["LastCheckpointTime"] = timeValue(c.nowMs - 1000 * (c.nowMs / 1000 % 60));
        f.values["LastTranLogDumpTime"] = timeValue(c.nowMs - 900000);
        rows.push_back(std::move(f));
    }
    return rows;
}

Facts objects(const Context& c) {
    Facts rows;
    for (const UserObject& object : userObjects()) {
        RowFacts f = serverFacts(c, std::uint64_t(object.objectId));
        describeObject(f, object);
        f.values["IndexID"] = integerValue(0);
        f.values["PartitionID"] = integerValue(object.objectId);
        f.values["PartitionName"] =
            textValue(std::string(object.table) + "_" + std::to_string(object.objectId));
        f.values["CacheName"] = textValue("default data cache");
        f.values["CacheID"] = integerValue(0);
        f.values["ObjectType"] = textValue("user table");
        f.values["LastOptSelectDate"] =
            timeValue(c.nowMs - 1000 * std::int64_t(mix(object.objectId) % 600));
        f.values["LastUsedDate"] =
            timeValue(c.nowMs - 1000 * std::int64_t(mix(object.objectId, 1) % 60));
        rows.push_back(std::move(f));
    }
    return rows;
}

void describeProcedure(RowFacts& facts, const WorkItem& item, std::int64_t bootMs) {
    facts.values["ObjectName"] = textValue(std::string(item.procedure));
    facts.values["DBName"] = textValue(std::string(item.database));
    facts.values["DBID"] = integerValue(databaseId(item.database));
    facts.values["OwnerName"] = textValue("dbo");
    facts.values["ObjectType"] = textValue("stored procedure");
    facts.values["CompileDate"] = timeValue(bootMs + 60000);
}

// The procedures in cache, or (running) the ones sessions execute now.
Facts procedures(const Context& c, bool running) {
    Facts rows;
    if (running) {
        for (const ProcessInfo& p : c.processes) {
            if (p.workItem < 0 || workItem(std::size_t(p.workItem)).procedure.empty())
                continue;
            RowFacts f = processFacts(p, c.nowMs);
            describeProcedure(f, workItem(std::size_t(p.workItem)), c.bootMs);
            rows.push_back(std::move(f));
        }
        return rows;
    }
    for (const WorkItem& item : workload()) {
        if (item.procedure.empty())
            continue;
        RowFacts f = serverFacts(c, std::hash<std::string_view>{}(item.procedure));
        describeProcedure(f, item, c.bootMs);
        rows.push_back(std::move(f));
    }
    return rows;
}

Facts cachedStatements(const Context& c) {
    Facts rows;
    std::int64_t id = 0;
    for (const WorkItem& item : workload()) {
        RowFacts f = serverFacts(c, std::hash<std::string_view>{}(item.sql));
        f.values["SSQLID"] = integerValue(1000000 + ++id);
        f.values["DBName"] = textValue(std::string(item.database));
        f.values["DBID"] = integerValue(databaseId(item.database));
        f.values["CachedDate"] = timeValue(c.bootMs + id * 60000);
        f.values["LastUsedDate"] = timeValue(c.nowMs - id * 1000);
        rows.push_back(std::move(f));
    }
    return rows;
}

Facts systemWaits(const Context& c, bool info) {
    Facts rows;
    for (const WaitEvent& event : waitEvents()) {
        RowFacts f = serverFacts(c, 5000 + event.id);
        f.values["WaitEventID"] = integerValue(event.id);
        f.values["WaitClassID"] = integerValue(event.classId);
        if (info)
            f.values["Description"] = textValue(event.description);
        rows.push_back(std::move(f));
    }
    return rows;
}

Facts waitClassRows(const Context& c) {
    Facts rows;
    for (std::size_t id = 0; id < waitClasses().size(); ++id) {
        RowFacts f = serverFacts(c, 6000 + id);
        f.values["WaitClassID"] = integerValue(std::int64_t(id));
        f.values["Description"] = textValue(waitClasses()[id]);
        rows.push_back(std::move(f));
    }
    return rows;
}

Facts licenses(const Context& c) {
    Facts rows;
    for (const char* feature : {"ASE_CORE", "ASE_PARTITIONS"}) {
        RowFacts f = serverFacts(c, std::hash<std::string>{}(feature));
        f.values = {{"Quantity", integerValue(4)},
                    {"Name", textValue(feature)},
                    {"Edition", textValue("EE")},
                    {"Type", textValue("CP")},
                    {"Version", textValue("2026.1231")},
                    {"Status", textValue("OK")},
                    {"LicenseExpiry", timeValue(c.nowMs + 180LL * 86400000)},
                    {"GraceExpiry", SimValue{}},
                    {"LicenseID", textValue("DEMO-0001")},
                    {"Filter", textValue("PE=EE;LT=CP")},
                    {"Attributes", textValue("")}};
        rows.push_back(std::move(f));
    }
    return rows;
}

Facts serverRow(const Context& c) {
    RowFacts f = serverFacts(c, 7000);
    f.activity = 3.0;
    f.values = {{"StartDate", timeValue(c.bootMs)},
                {"DaysRunning", integerValue((c.nowMs - c.bootMs) / 86400000)},
                {"CountersCleared", timeValue(c.bootMs)},
                {"Connections", integerValue(std::int64_t(c.processes.size()))},
                {"MaxRecovery", integerValue(5)},
                {"LockWaitThreshold", integerValue(5)},
                {"InstanceID", integerValue(0)},
                {"Status", textValue("enabled")}};
    return {f};
}

using Generator = std::function<Facts(const Context&)>;

const std::map<std::string, Generator>& generators() {
    static const std::map<std::string, Generator> table = {
        {"sysprocesses", sysprocessesRows},
        {"monProcess", [](const Context& c) { return perProcess(c, false); }},
        {"monProcessActivity", [](const Context& c) { return perProcess(c, false); }},
        {"monProcessLookup", [](const Context& c) { return perProcess(c, false); }},
        {"monProcessNetIO", [](const Context& c) { return perProcess(c, false); }},
        {"monProcessStatement", [](const Context& c) { return perProcess(c, true); }},
        {"monProcessWorkerThread", [](const Context&) { return Facts{}; }},
        {"monProcessSQLText", processSqlText},
        {"monProcessWaits", processWaits},
        {"monProcessObject", processObjects},
        {"monProcessProcedures", [](const Context& c) { return procedures(c, true); }},
        {"monLocks", locks},
        {"monEngine", engines},
        {"monPCIEngine", engines},
        {"monDeviceIO", [](const Context& c) { return devices(c, false); }},
        {"monIOQueue", [](const Context& c) { return devices(c, true); }},
        {"monDataCache", [](const Context& c) { return caches(c, false); }},
        {"monCachePool", [](const Context& c) { return caches(c, true); }},
        {"monOpenDatabases", openDatabases},
        {"monOpenObjectActivity", objects},
        {"monOpenPartitionActivity", objects},
        {"monCachedObject", objects},
        {"monSQLRepActivity", objects},
        {"monSQLRepMisses", objects},
        {"monCachedProcedures", [](const Context& c) { return procedures(c, false); }},
        {"monCachedStatement", cachedStatements},
        {"monSysWaits", [](const Context& c) { return systemWaits(c, false); }},
        {"monWaitEventInfo", [](const Context& c) { return systemWaits(c, true); }},
        {"monWaitClassInfo", waitClassRows},
        {"monLicense", licenses},
    };
    return table;
}

std::int64_t bootTime(SqliteDatabase& db) {
    auto query = db.prepare("select value from sim_state where name = 'boot_ms'");
    return query.step() ? query.integer(0) : 0;
}

void insertRows(SqliteDatabase& db, const MonTableDef& table, const std::string& temporaryName,
                const Facts& rows, std::int64_t nowMs) {
    auto insert = db.prepare("insert into temp." + temporaryName + " values (" +
                             placeholders(table.columns.size()) + ")");
    for (const RowFacts& facts : rows) {
        const std::vector<SimValue> row = fillRow(table.columns, facts, nowMs);
        for (std::size_t i = 0; i < row.size(); ++i)
            bindValue(insert, int(i + 1), row[i]);
        insert.run();
        insert.reset();
    }
}

} // namespace

void buildLiveTable(SqliteDatabase& db, const MonTableDef& table, const std::string& temporaryName,
                    std::int64_t nowMs) {
    Context context{db, nowMs, bootTime(db), readProcesses(db)};
    const auto generator = generators().find(table.name);
    const Facts rows =
        generator != generators().end() ? generator->second(context) : serverRow(context);
    db.exec("drop table if exists temp." + temporaryName);
    db.exec(createTableSql("temp." + temporaryName, table.columns));
    insertRows(db, table, temporaryName, rows, nowMs);
}

} // namespace sim
