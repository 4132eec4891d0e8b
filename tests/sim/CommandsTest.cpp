// The server's commands: sp_configure with its checks, kill, dbcc,
// sp_showplan, logins and permissions, session settings, and user tables.

#include "SimTestSupport.h"

#include <gtest/gtest.h>

using namespace simtest;

namespace {

struct ConfigValues {
    std::int64_t value;
    std::int64_t value2;
};

ConfigValues configValues(sim::SimSession& session, const std::string& name) {
    const sim::SimResult result = query(
        session, "select a.value, a.value2 from master..syscurconfigs a, master..sysconfigures b "
                 "where a.config = b.config and b.name = '" +
                     name + "'");
    EXPECT_EQ(result.rows.size(), 1u) << name;
    if (result.rows.empty())
        return {-1, -1};
    return {result.rows[0][0].integer, result.rows[0][1].integer};
}

std::string allMessages(const std::vector<sim::SimResult>& results) {
    std::string text;
    for (const sim::SimResult& result : results)
        for (const sim::SimMessage& message : result.messages)
            text += message.text + "\n";
    return text;
}

// A simulated user session (not a system task, not a client connection).
std::int64_t someUserSpid(sim::SimSession& session) {
    const sim::SimResult users = query(session, "select spid from master..sysprocesses "
                                                "where program_name <> 'farrowdale' and spid > 12");
    EXPECT_FALSE(users.rows.empty());
    return users.rows.empty() ? 0 : users.rows[0][0].integer;
}

TEST(Configure, RefusesWithTheServersMessages) {
    auto session = openPrivate();
    const struct {
        const char* batch;
        int number;
        const char* part;
    } cases[] = {
        {"sp_configure 'no such option', 1", 17411, "'no such option'"},
        {"sp_configure 'deadlock pipe active', 2", 5849, "Valid range is '0' to '1'"},
        {"sp_configure 'deadlock pipe active', -1", 5849, "Illegal value '-1'"},
        {"sp_configure 'pipe active', 1", 17410, "not unique"},
        {"sp_configure 'deadlock pipe active', 'yes'", 257, "'yes'"},
        {"sp_configure @configname = 'deadlock pipe active', @value = 1", 8145, "@value"},
        {"sp_configure 'a', 1, 2, 3", 8144, "too many"},
        {"nosuchdb.dbo.sp_configure 'a', 1", 911, "'nosuchdb'"},
        {"exec sp_nosuch", 2812, "sp_nosuch"},
    };
    for (const auto& c : cases) {
        const sim::SimMessage refused = failure(*session, c.batch);
        EXPECT_EQ(refused.number, c.number) << c.batch;
        EXPECT_NE(refused.text.find(c.part), std::string::npos) << c.batch << ": " << refused.text;
    }
    EXPECT_EQ(configValues(*session, "deadlock pipe active").value, 1);
}

TEST(Configure, DynamicParameterTakesEffectStaticOneAtRestart) {
    auto session = openPrivate();
    const auto dynamic = run(*session, "sp_configure @configname = 'deadlock pipe max messages', "
                                       "@configvalue = 250");
    EXPECT_EQ(configValues(*session, "deadlock pipe max messages").value, 250);
    EXPECT_EQ(configValues(*session, "deadlock pipe max messages").value2, 250);
    EXPECT_NE(allMessages(dynamic).find("dynamic"), std::string::npos);

    const auto before = configValues(*session, "max SQL text monitored");
    const auto statics = run(*session, "sp_configure 'max SQL text monitored', 4096");
    EXPECT_EQ(configValues(*session, "max SQL text monitored").value, 4096);
    EXPECT_EQ(configValues(*session, "max SQL text monitored").value2, before.value2);
    EXPECT_NE(allMessages(statics).find("static"), std::string::npos);
    EXPECT_EQ(statics.back().returnStatus, 0);
}

TEST(Configure, ListsAllGroupsOrOneName) {
    auto session = openPrivate();
    const auto all = run(*session, "sp_configure");
    EXPECT_GE(all.size(), 8u);
    std::size_t parameters = 0;
    for (const sim::SimResult& group : all)
        parameters += group.rows.size();
    EXPECT_GE(parameters, 90u);
    EXPECT_NE(allMessages(all).find("Group: Monitoring"), std::string::npos);

    const sim::SimResult one = query(*session, "sp_configure 'enable monitoring'");
    ASSERT_EQ(one.rows.size(), 1u);
    EXPECT_EQ(one.columns[0], "Parameter Name");
    EXPECT_EQ(one.rows[0][0].text, "enable monitoring");
    EXPECT_GT(query(*session, "sp_configure 'pipe'").rows.size(), 5u);
}

TEST(Kill, RefusesUnknownOwnAndSystemProcesses) {
    auto session = openPrivate();
    const struct {
        std::string batch;
        int number;
    } cases[] = {
        {"kill 999", 6106}, {"kill " + std::to_string(session->spid()), 6104}, {"kill 2", 6107}};
    for (const auto& c : cases)
        EXPECT_EQ(failure(*session, c.batch).number, c.number) << c.batch;
}

TEST(Kill, EndsAUserSession) {
    auto session = openPrivate();
    const std::int64_t victim = someUserSpid(*session);
    run(*session, programText({"kill " + std::to_string(victim)}));
    const sim::SimResult after = query(
        *session, "select spid from master..sysprocesses where spid = " + std::to_string(victim));
    EXPECT_TRUE(after.rows.empty());
}

TEST(ProcessReports, StackTraceReachesTheClientOnlyWithTraceFlag3604) {
    auto session = openPrivate();
    const std::int64_t spid = someUserSpid(*session);
    const std::string stack = "dbcc stacktrace(" + std::to_string(spid) + ")";
    EXPECT_EQ(allMessages(run(*session, stack)).find("pc: "), std::string::npos);
    run(*session, "dbcc traceon (3604)");
    const std::string traced = allMessages(run(*session, stack));
    EXPECT_NE(traced.find("pc: "), std::string::npos);
    EXPECT_NE(traced.find("conn_hdlr"), std::string::npos);
    EXPECT_EQ(failure(*session, "dbcc stacktrace(999)").number, 18086);
}

TEST(ProcessReports, ShowplanDescribesWhatTheProcessRuns) {
    auto session = openPrivate();
    const sim::SimResult busy = query(*session, "select spid, cmd from master..sysprocesses "
                                                "where spid > 12 and cmd <> 'AWAITING COMMAND'");
    ASSERT_FALSE(busy.rows.empty());
    const auto plan =
        run(*session, "exec sp_showplan " + textOf(busy.rows[0][0]) + ",null,null,null");
    const std::string text = allMessages(plan);
    EXPECT_NE(text.find("QUERY PLAN FOR STATEMENT"), std::string::npos);
    EXPECT_NE(text.find("FROM TABLE"), std::string::npos);
    EXPECT_EQ(failure(*session, "exec sp_showplan 999,null,null,null").number, 18086);
}

TEST(Permissions, OnlySaConfiguresKillsAndLooksIntoProcesses) {
    // A private server belongs to one session, so logging in twice needs a file.
    ScratchDirectory dir;
    const std::string source = "sim:" + dir.file("perm.asesim");
    auto sa = sim::SimSession::open(source, "sa", "");
    run(*sa, "sp_addlogin 'watcher', 'secret'");
    EXPECT_THROW(sim::SimSession::open(source, "watcher", "wrong"), sim::SimError);
    EXPECT_THROW(sim::SimSession::open(source, "nobody", ""), sim::SimError);
    auto watcher = sim::SimSession::open(source, "watcher", "secret");
    const std::vector<std::string> adminOnly = {"sp_configure 'enable monitoring', 0",
                                                "kill " + std::to_string(sa->spid()),
                                                "dbcc traceon(3604)",
                                                "dbcc stacktrace(2)",
                                                "exec sp_showplan 2,null,null,null",
                                                "sp_addlogin 'x', 'y'"};
    for (const std::string& batch : adminOnly) {
        const sim::SimMessage refused = failure(*watcher, batch);
        EXPECT_EQ(refused.number, 10353) << batch;
        EXPECT_NE(refused.text.find("sa_role"), std::string::npos);
    }
    EXPECT_EQ(query(*watcher, "sp_configure 'enable monitoring'").rows.size(), 1u);
    EXPECT_EQ(failure(*sa, "sp_addlogin 'watcher', 'again'").number, 17262);
}

TEST(Session, GlobalVariablesAndSettings) {
    auto session = openPrivate();
    const sim::SimResult globals =
        query(*session, "select @@spid, @@servername, @@version, @@trancount");
    EXPECT_EQ(globals.rows[0][0].integer, session->spid());
    EXPECT_EQ(globals.rows[0][1].text, session->serverName());
    EXPECT_NE(globals.rows[0][2].text.find("Adaptive Server Enterprise"), std::string::npos);
    EXPECT_EQ(failure(*session, "select @@nosuchthing").number, 137);

    const auto printed = run(*session, "print 'hello ' + 'there'");
    ASSERT_EQ(printed.size(), 1u);
    ASSERT_EQ(printed[0].messages.size(), 1u);
    EXPECT_EQ(printed[0].messages[0].text, "hello there");

    EXPECT_EQ(failure(*session, "use nosuchdb").number, 911);
    run(*session, "use tempdb");
    EXPECT_EQ(failure(*session, "select * from monEngine").number, 208);
    run(*session, "use master");
    EXPECT_FALSE(query(*session, "select * from monEngine").rows.empty());
    EXPECT_EQ(failure(*session, "select * from monengine").number, 208); // names keep their case
    run(*session, "set quoted_identifier on");
    EXPECT_EQ(query(*session, "select \"TableName\" from monTables").rows[0][0].text,
              "monCachePool");
}

TEST(UserTables, DataManipulationInTempdb) {
    auto session = openPrivate();
    run(*session, "create table tempdb..watch (spid int, note varchar(30), seen datetime)");
    const auto inserted =
        run(*session, "insert into tempdb..watch values (1, 'first', getdate())\n"
                      "insert into tempdb..watch values (2, 'second', getdate())");
    ASSERT_EQ(inserted.size(), 2u);
    EXPECT_EQ(inserted[0].rowsAffected, 1);
    EXPECT_EQ(
        run(*session, "update tempdb..watch set note = 'changed' where spid = 2")[0].rowsAffected,
        1);
    EXPECT_EQ(run(*session, "delete tempdb..watch where spid = 1")[0].rowsAffected, 1);
    const sim::SimResult rows = query(*session, "select spid, note, seen from tempdb..watch");
    ASSERT_EQ(rows.rows.size(), 1u);
    EXPECT_EQ(rows.rows[0][1].text, "changed");
    EXPECT_EQ(rows.columnKinds[2], sim::SimValue::Kind::DateTime);

    EXPECT_EQ(failure(*session, "create table tempdb..watch (a int)").number, 2714);
    EXPECT_EQ(failure(*session, "create table master..mine (a int)").number, 262);
    EXPECT_EQ(failure(*session, "delete master..monTables").number, 270);
    EXPECT_EQ(failure(*session, "insert into master..sysconfigures (config) values (1)").number,
              270);
    run(*session, "drop table tempdb..watch");
    EXPECT_EQ(failure(*session, "select * from tempdb..watch").number, 208);
}

} // namespace
