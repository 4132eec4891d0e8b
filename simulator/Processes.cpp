#include "simulator/Processes.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace sim {

namespace {

constexpr std::int64_t kFirstUserSpid = 13;

struct SystemTask {
    std::int64_t spid;
    std::string_view command;
    std::string_view status;
};

constexpr std::array<SystemTask, 10> kSystemTasks{{
    {2, "DEADLOCK TUNE", "sleeping"},
    {3, "ASTC HANDLER", "sleeping"},
    {4, "CHECKPOINT SLEEP", "sleeping"},
    {5, "HK WASH", "sleeping"},
    {6, "HK GC", "sleeping"},
    {7, "HK CHORES", "sleeping"},
    {8, "AUDIT PROCESS", "sleeping"},
    {9, "PORT MANAGER", "sleeping"},
    {10, "NETWORK HANDLER", "sleeping"},
    {11, "LICENSE HEARTBEAT", "sleeping"},
}};

const char* const kColumns = "spid, kpid, kind, login, program, host, dbname, cmd, status, "
                             "blocked, blocked_until, login_ms, leave_ms, seed, ospid, sqltext, "
                             "batch";

ProcessKind kindFromName(std::string_view name) {
    if (name == "system")
        return ProcessKind::System;
    if (name == "client")
        return ProcessKind::Client;
    return ProcessKind::User;
}

ProcessInfo readRow(const SqliteStatement& row) {
    ProcessInfo p;
    p.spid = row.integer(0);
    p.kpid = row.integer(1);
    p.kind = kindFromName(row.textView(2));
    p.login = row.text(3);
    p.program = row.text(4);
    p.host = row.text(5);
    p.database = row.text(6);
    p.command = row.text(7);
    p.status = row.text(8);
    p.blockedBy = row.integer(9);
    p.blockedUntilMs = row.integer(10);
    p.loginMs = row.integer(11);
    p.leaveMs = row.integer(12);
    p.seed = row.integer(13);
    p.workItem = row.type(15) == SQLITE_NULL ? -1 : row.integer(15);
    p.batch = row.integer(16);
    return p;
}

void bindProcess(SqliteStatement& statement, const ProcessInfo& p) {
    statement.bind(1, p.spid).bind(2, p.kpid).bind(3, kindName(p.kind)).bind(4, p.login);
    statement.bind(5, p.program).bind(6, p.host).bind(7, p.database).bind(8, p.command);
    statement.bind(9, p.status).bind(10, p.blockedBy).bind(11, p.blockedUntilMs);
    statement.bind(12, p.loginMs).bind(13, p.leaveMs).bind(14, p.seed);
    statement.bind(15, std::int64_t(p.kind == ProcessKind::Client ? getpid() : 0));
    if (p.workItem < 0)
        statement.bindNull(16);
    else
        statement.bind(16, p.workItem);
    statement.bind(17, p.batch);
}

std::int64_t lowestFreeSpid(SqliteDatabase& db) {
    auto query = db.prepare("select spid from sim_process where spid >= ?1 order by spid");
    query.bind(1, kFirstUserSpid);
    std::int64_t candidate = kFirstUserSpid;
    while (query.step() && query.integer(0) == candidate)
        ++candidate;
    return candidate;
}

} // namespace

std::string_view kindName(ProcessKind kind) {
    switch (kind) {
    case ProcessKind::System:
        return "system";
    case ProcessKind::Client:
        return "client";
    case ProcessKind::User:
        break;
    }
    return "user";
}

std::vector<ProcessInfo> readProcesses(SqliteDatabase& db) {
    auto query = db.prepare(std::string("select ") + kColumns + " from sim_process order by spid");
    std::vector<ProcessInfo> processes;
    while (query.step())
        processes.push_back(readRow(query));
    return processes;
}

std::optional<ProcessInfo> readProcess(SqliteDatabase& db, std::int64_t spid) {
    auto query =
        db.prepare(std::string("select ") + kColumns + " from sim_process where spid = ?1");
    query.bind(1, spid);
    if (!query.step())
        return std::nullopt;
    return readRow(query);
}

void seedSystemTasks(SqliteDatabase& db, std::int64_t nowMs) {
    for (const SystemTask& task : kSystemTasks) {
        ProcessInfo p;
        p.spid = task.spid;
        p.kpid = 65537 * task.spid + 11;
        p.kind = ProcessKind::System;
        p.database = "master";
        p.command = task.command;
        p.status = task.status;
        p.loginMs = nowMs - kBootLeadMs;
        p.seed = task.spid * 7919;
        auto insert = db.prepare(std::string("insert into sim_process (") + kColumns +
                                 ") values (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, "
                                 "?13, ?14, ?15, ?16, ?17)");
        bindProcess(insert, p);
        insert.run();
    }
}

std::int64_t addProcess(SqliteDatabase& db, ProcessInfo process) {
    process.spid = lowestFreeSpid(db);
    if (process.kpid == 0)
        process.kpid = 1376257 + process.spid * 65536 + (process.seed & 0xffff);
    auto insert = db.prepare(std::string("insert into sim_process (") + kColumns +
                             ") values (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, "
                             "?14, ?15, ?16, ?17)");
    bindProcess(insert, process);
    insert.run();
    return process.spid;
}

void updateProcess(SqliteDatabase& db, const ProcessInfo& process) {
    auto update = db.prepare(
        "update sim_process set kpid = ?2, kind = ?3, login = ?4, "
        "program = ?5, host = ?6, dbname = ?7, cmd = ?8, status = ?9, "
        "blocked = ?10, blocked_until = ?11, login_ms = ?12, leave_ms = ?13, "
        "seed = ?14, ospid = coalesce(ospid, ?15), sqltext = ?16, batch = ?17 where spid = ?1");
    bindProcess(update, process);
    update.run();
}

void removeProcess(SqliteDatabase& db, std::int64_t spid) {
    auto erase = db.prepare("delete from sim_process where spid = ?1");
    erase.bind(1, spid).run();
    auto unblock = db.prepare("update sim_process set blocked = 0, status = 'running' "
                              "where blocked = ?1");
    unblock.bind(1, spid).run();
}

void removeOrphanedClients(SqliteDatabase& db) {
    auto query = db.prepare("select spid, ospid from sim_process where kind = 'client'");
    std::vector<std::int64_t> orphans;
    while (query.step()) {
        const auto ospid = static_cast<pid_t>(query.integer(1));
        if (ospid > 0 && kill(ospid, 0) != 0 && errno == ESRCH)
            orphans.push_back(query.integer(0));
    }
    for (const std::int64_t spid : orphans)
        removeProcess(db, spid);
}

bool isTableParameter(std::string_view column) {
    return column == "SPID" || column == "KPID" || column == "DBID" || column == "ObjectID" ||
           column == "PartitionID" || column == "CacheID" || column == "EngineNumber";
}

} // namespace sim
