#include "simulator/Simulation.h"

#include "simulator/Catalogue.h"
#include "simulator/PipeTables.h"
#include "simulator/ProcessReports.h"
#include "simulator/Workload.h"

#include <algorithm>
#include <random>
#include <set>

namespace sim {

namespace {

constexpr std::int64_t kTickMs = 1000;
// After a long pause the history is not replayed second by second.
constexpr std::int64_t kLongestStepMs = 120000;
constexpr std::size_t kLongestCapturedText = 2048;
constexpr std::int64_t kLockWaitEvent = 150;
constexpr std::int64_t kClientWaitEvent = 250;
constexpr std::int64_t kSystemTaskWaitEvent = 61;

using Random = std::mt19937_64;

bool chance(Random& random, double probability) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(random) < probability;
}

std::int64_t between(Random& random, std::int64_t low, std::int64_t high) {
    return std::uniform_int_distribution<std::int64_t>(low, high)(random);
}

std::int64_t stateValue(SqliteDatabase& db, const char* name) {
    auto query = db.prepare("select value from sim_state where name = ?1");
    query.bind(1, name);
    return query.step() ? query.integer(0) : 0;
}

void setStateValue(SqliteDatabase& db, const char* name, std::int64_t value) {
    auto update = db.prepare("insert or replace into sim_state values (?1, ?2)");
    update.bind(1, name).bind(2, value).run();
}

// How many simulated users are on at a moment: it drifts over the hour.
std::int64_t wantedUsers(std::int64_t nowMs) {
    return 4 + (nowMs / 240000) % 5;
}

void chooseWork(ProcessInfo& p, Random& random) {
    if (chance(random, 0.35)) {
        p.workItem = -1;
        p.command = "AWAITING COMMAND";
        p.status = "recv sleep";
        return;
    }
    p.workItem = between(random, 0, std::int64_t(workload().size()) - 1);
    const WorkItem& item = workItem(std::size_t(p.workItem));
    p.command = std::string(item.command);
    p.database = std::string(item.database);
    p.status = chance(random, 0.5) ? "running" : "runnable";
    ++p.batch;
}

ProcessInfo newUser(Random& random, std::int64_t nowMs) {
    const auto& profiles = userProfiles();
    const UserProfile& profile =
        profiles[std::size_t(between(random, 0, std::int64_t(profiles.size()) - 1))];
    ProcessInfo p;
    p.kind = ProcessKind::User;
    p.login = std::string(profile.login);
    p.program = std::string(profile.program);
    p.host = std::string(profile.host);
    p.database = "sales";
    p.loginMs = nowMs;
    p.leaveMs = nowMs + between(random, 30000, 900000);
    p.seed = std::int64_t(random() >> 1);
    chooseWork(p, random);
    return p;
}

void addDeadlock(SqliteDatabase& db, const ProcessInfo& victim, const ProcessInfo& holder,
                 std::int64_t nowMs) {
    const MonTableDef* table = findMonitoringTable("monDeadLock");
    const WorkItem& item = workItem(std::size_t(std::max<std::int64_t>(holder.workItem, 0)));
    RowFacts facts = processFacts(holder, nowMs);
    facts.values = {{"DeadlockID", integerValue(nowMs / 1000 % 100000)},
                    {"VictimKPID", integerValue(victim.kpid)},
                    {"ResolveTime", timeValue(nowMs)},
                    {"HeldSPID", integerValue(holder.spid)},
                    {"HeldKPID", integerValue(holder.kpid)},
                    {"WaitSPID", integerValue(victim.spid)},
                    {"WaitKPID", integerValue(victim.kpid)},
                    {"ObjectName", textValue(std::string(item.table))},
                    {"HeldUserName", textValue(holder.login)},
                    {"HeldApplName", textValue(holder.program)},
                    {"HeldCommand", textValue(holder.command)},
                    {"HeldLockType", textValue("exclusive row")},
                    {"WaitUserName", textValue(victim.login)},
                    {"WaitLockType", textValue("update row")}};
    appendPipeRow(db, *table, facts, nowMs);
    RowFacts log = processFacts(victim, nowMs);
    log.values["ErrorNumber"] = integerValue(1205);
    log.values["Severity"] = integerValue(13);
    log.values["State"] = integerValue(1);
    log.values["Time"] = timeValue(nowMs);
    log.values["ErrorMessage"] =
        textValue("Your server command (family id #0, process id #" + std::to_string(victim.spid) +
                  ") encountered a deadlock situation. Please re-run your command.");
    appendPipeRow(db, *findMonitoringTable("monErrorLog"), log, nowMs);
}

void updateBlocks(SqliteDatabase& db, std::vector<ProcessInfo>& users, Random& random,
                  std::int64_t nowMs) {
    for (ProcessInfo& p : users)
        if (p.blockedBy != 0 && p.blockedUntilMs <= nowMs) {
            p.blockedBy = 0;
            p.status = "running";
        }
    std::vector<ProcessInfo*> busy;
    for (ProcessInfo& p : users)
        if (p.workItem >= 0 && p.blockedBy == 0)
            busy.push_back(&p);
    if (busy.size() < 2 || !chance(random, 0.2))
        return;
    std::shuffle(busy.begin(), busy.end(), random);
    ProcessInfo& waiter = *busy[0];
    const ProcessInfo& holder = *busy[1];
    waiter.blockedBy = holder.spid;
    waiter.blockedUntilMs = nowMs + between(random, 5000, 40000);
    waiter.status = "lock sleep";
    if (chance(random, 0.1))
        addDeadlock(db, waiter, holder, nowMs);
}

void addFinishedStatement(SqliteDatabase& db, const ProcessInfo& p, Random& random,
                          std::int64_t nowMs) {
    const WorkItem& item = workItem(std::size_t(std::max<std::int64_t>(p.workItem, 0)));
    const std::int64_t startMs = nowMs - between(random, 5, 4000);
    RowFacts facts = processFacts(p, nowMs);
    facts.startMs = startMs;
    facts.activity = 0.05;
    facts.values["BatchID"] = integerValue(p.batch);
    facts.values["LineNumber"] = integerValue(1);
    facts.values["StartTime"] = timeValue(startMs);
    facts.values["EndTime"] = timeValue(nowMs);
    facts.values["RowsAffected"] = integerValue(between(random, 0, 250));
    facts.values["ErrorStatus"] = integerValue(0);
    facts.values["SequenceInBatch"] = integerValue(1);
    facts.values["SQLText"] = textValue(std::string(item.sql));
    appendPipeRow(db, *findMonitoringTable("monSysStatement"), facts, nowMs);
    appendPipeRow(db, *findMonitoringTable("monSysSQLText"), facts, nowMs);
    std::int64_t sequence = 0;
    for (const std::string& line : planLines(item)) {
        facts.values["SequenceNumber"] = integerValue(++sequence);
        facts.values["PlanText"] = textValue(line);
        appendPipeRow(db, *findMonitoringTable("monSysPlanText"), facts, nowMs);
    }
}

void simulateStep(SqliteDatabase& db, std::int64_t fromMs, std::int64_t nowMs) {
    Random random(mix(std::uint64_t(nowMs)));
    std::vector<ProcessInfo> users;
    std::set<std::int64_t> gone;
    for (ProcessInfo& p : readProcesses(db)) {
        if (p.kind != ProcessKind::User)
            continue;
        if (p.leaveMs <= nowMs) {
            removeProcess(db, p.spid);
            gone.insert(p.spid);
        } else {
            users.push_back(std::move(p));
        }
    }
    // A session that left releases whoever waited for it.
    for (ProcessInfo& p : users)
        if (gone.contains(p.blockedBy))
            p.blockedUntilMs = nowMs;
    const double seconds = double(nowMs - fromMs) / 1000.0;
    for (ProcessInfo& p : users) {
        if (p.blockedBy != 0)
            continue;
        // A finished statement is followed by the next one, or by a pause.
        if (p.workItem >= 0 && chance(random, std::min(1.0, seconds * 0.4))) {
            addFinishedStatement(db, p, random, nowMs);
            chooseWork(p, random);
        } else if (p.workItem < 0 && chance(random, std::min(1.0, seconds * 0.25))) {
            chooseWork(p, random);
        }
    }
    updateBlocks(db, users, random, nowMs);
    for (const ProcessInfo& p : users)
        updateProcess(db, p);
    for (auto count = std::int64_t(users.size()); count < wantedUsers(nowMs); ++count)
        addProcess(db, newUser(random, nowMs));
}

// What the process waits for now; 0 while it runs.
std::int64_t waitEventOf(const ProcessInfo& p) {
    if (p.kind == ProcessKind::System)
        return kSystemTaskWaitEvent;
    if (p.blockedBy != 0)
        return kLockWaitEvent;
    return p.workItem < 0 ? kClientWaitEvent : 0;
}

} // namespace

RowFacts processFacts(const ProcessInfo& p, std::int64_t nowMs) {
    RowFacts facts;
    facts.seed = std::uint64_t(p.seed);
    facts.startMs = p.loginMs;
    facts.activity = p.kind == ProcessKind::User ? 1.0 : 0.2;
    const int dbid = databaseId(p.database);
    facts.values = {
        {"SPID", integerValue(p.spid)},
        {"KPID", integerValue(p.kpid)},
        {"FamilyID", integerValue(0)},
        {"ServerUserID", integerValue(p.kind == ProcessKind::System ? 0 : 1 + p.seed % 40)},
        {"DBID", integerValue(dbid)},
        {"DBName", textValue(p.database)},
        {"Login", textValue(p.login)},
        {"Application", textValue(p.program)},
        {"HostName", textValue(p.host)},
        {"ClientHost", textValue(p.host)},
        {"Command", textValue(p.command)},
        {"BlockingSPID", integerValue(p.blockedBy)},
        {"WaitEventID", integerValue(waitEventOf(p))},
        {"SecondsConnected", integerValue(std::max<std::int64_t>(0, nowMs - p.loginMs) / 1000)},
        {"SecondsWaiting",
         integerValue(p.blockedBy ? std::max<std::int64_t>(0, p.blockedUntilMs - nowMs) / 1000
                                  : 0)},
        {"BatchID", integerValue(p.batch)},
        {"EngineNumber", integerValue(p.spid % 2)},
        {"Priority", textValue("MEDIUM")},
        {"ExecutionClass", textValue("EC2")},
        {"EngineGroupName", textValue("ANYENGINE")},
        {"NumChildren", integerValue(0)},
        {"NetworkPacketSize", integerValue(2048)},
        {"ProcedureID", integerValue(0)},
    };
    return facts;
}

void advanceServer(SqliteDatabase& db, std::int64_t nowMs) {
    if (nowMs - stateValue(db, "tick_ms") < kTickMs)
        return;
    SqliteTransaction transaction(db);
    const std::int64_t lastMs = stateValue(db, "tick_ms");
    if (nowMs - lastMs < kTickMs)
        return;
    simulateStep(db, std::max(lastMs, nowMs - kLongestStepMs), nowMs);
    setStateValue(db, "tick_ms", nowMs);
    transaction.commit();
}

void recordClientBatch(SqliteDatabase& db, const ProcessInfo& client, const std::string& text,
                       std::int64_t nowMs) {
    RowFacts facts = processFacts(client, nowMs);
    facts.startMs = nowMs;
    facts.activity = 0.0;
    facts.values["SequenceInBatch"] = integerValue(1);
    facts.values["SQLText"] = textValue(text.substr(0, kLongestCapturedText));
    appendPipeRow(db, *findMonitoringTable("monSysSQLText"), facts, nowMs);
}

} // namespace sim
