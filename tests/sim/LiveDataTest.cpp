// The server's live side: counters that grow with the clock, sessions that
// come, go and block each other, pipes that hand each reader only new rows,
// and the monitoring switches that guard the tables.

#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace simtest;
using namespace std::chrono_literals;

namespace {

std::map<std::int64_t, std::int64_t> counterBy(const sim::SimResult& result, const std::string& key,
                                               const std::string& counter) {
    std::map<std::int64_t, std::int64_t> values;
    const int k = columnIndex(result, key);
    const int c = columnIndex(result, counter);
    for (const auto& row : result.rows)
        values[row[std::size_t(k)].integer] = row[std::size_t(c)].integer;
    return values;
}

TEST(LiveData, CountersGrowBetweenReadsFiveSecondsApart) {
    const ManualClock clock;
    auto session = openPrivate(clock);
    const struct {
        const char* table;
        const char* key;
        const char* counter;
    } cases[] = {{"monEngine", "EngineNumber", "CPUTime"},
                 {"monEngine", "EngineNumber", "ContextSwitches"},
                 {"monProcessActivity", "SPID", "CPUTime"},
                 {"monProcessActivity", "SPID", "LogicalReads"}};
    for (const auto& c : cases) {
        const std::string select = std::string("select * from master..") + c.table;
        const auto before = counterBy(query(*session, select), c.key, c.counter);
        clock.advance(5s);
        const auto after = counterBy(query(*session, select), c.key, c.counter);
        int grown = 0;
        for (const auto& [key, value] : before)
            if (after.contains(key)) {
                EXPECT_GE(after.at(key), value) << c.table << " " << key;
                grown += after.at(key) > value;
            }
        EXPECT_GT(grown, 0) << c.table << "." << c.counter;
    }
}

TEST(LiveData, GetdateIsTheServersClock) {
    const ManualClock clock;
    auto session = openPrivate(clock);
    const std::string before = query(*session, "select getdate()").rows.at(0).at(0).text;
    clock.advance(3600s);
    const std::string after = query(*session, "select getdate()").rows.at(0).at(0).text;
    EXPECT_LT(before, after);
    EXPECT_EQ(before.size(), std::string("2026-01-01 00:00:00.000").size());
}

TEST(LiveData, SessionsComeGoAndSometimesBlock) {
    const ManualClock clock;
    auto session = openPrivate(clock);
    std::set<std::int64_t> seen;
    std::set<std::int64_t> first;
    bool blocked = false;
    for (int step = 0; step < 60; ++step) {
        // Spids are reused; the kernel process id tells sessions apart.
        const sim::SimResult result =
            query(*session, "select kpid, blocked from master..sysprocesses where spid > 12");
        std::set<std::int64_t> now;
        for (const auto& row : result.rows) {
            now.insert(row[0].integer);
            blocked = blocked || row[1].integer != 0;
        }
        if (step == 0)
            first = now;
        seen.insert(now.begin(), now.end());
        clock.advance(20s);
    }
    EXPECT_GT(seen.size(), first.size()) << "no session logged in later";
    EXPECT_TRUE(blocked) << "no session was ever blocked";
}

TEST(LiveData, PipeTableHandsEachReaderOnlyRowsItHasNotRead) {
    const ManualClock clock;
    auto reader = openPrivate(clock);
    std::set<std::string> read;
    int total = 0;
    for (int round = 0; round < 8; ++round) {
        clock.advance(10s);
        const sim::SimResult result =
            query(*reader, "select SPID, KPID, BatchID, SQLText from master..monSysSQLText");
        for (const auto& row : result.rows) {
            const std::string key =
                textOf(row[0]) + "/" + textOf(row[1]) + "/" + textOf(row[2]) + "/" + row[3].text;
            EXPECT_TRUE(read.insert(key).second) << "row read twice: " << key;
            ++total;
        }
    }
    EXPECT_GT(total, 0);
}

TEST(LiveData, PipeKeepsNoMoreRowsThanItsMaxMessages) {
    const ManualClock clock;
    auto session = openPrivate(clock);
    run(*session, "sp_configure 'statement pipe max messages', 5");
    for (int round = 0; round < 10; ++round) {
        clock.advance(30s);
        query(*session, "select 1");
    }
    EXPECT_LE(query(*session, "select * from master..monSysStatement").rows.size(), 5u);
}

TEST(LiveData, TableWithItsParameterOffFailsNamingItUntilItIsOn) {
    auto session = openPrivate();
    run(*session, "sp_configure \"per object statistics active\", 0");
    const sim::SimMessage refused = failure(*session, "select * from master..monProcessActivity");
    EXPECT_EQ(refused.number, 12052);
    EXPECT_NE(refused.text.find("monProcessActivity"), std::string::npos);
    EXPECT_NE(refused.text.find("'per object statistics active'"), std::string::npos);
    run(*session, "sp_configure \"per object statistics active\", 1");
    EXPECT_FALSE(query(*session, "select * from master..monProcessActivity").rows.empty());
}

TEST(LiveData, MonitoringOffRefusesEveryMonitoringTableButTheCatalogue) {
    auto session = openPrivate();
    run(*session, "sp_configure 'enable monitoring', 0");
    for (const char* table : {"monEngine", "monProcess", "monSysStatement", "monCachePool"}) {
        const sim::SimMessage refused =
            failure(*session, std::string("select * from master..") + table);
        EXPECT_NE(refused.text.find(table), std::string::npos);
        EXPECT_NE(refused.text.find("'enable monitoring'"), std::string::npos) << table;
    }
    EXPECT_FALSE(query(*session, "select * from master..monTables").rows.empty());
    EXPECT_FALSE(query(*session, "select * from master..sysprocesses").rows.empty());
}

TEST(LiveData, EveryRequiredParameterIsNamedWhenSeveralAreOff) {
    auto session = openPrivate();
    run(*session, "exec sp_configure 'statement pipe active', 0\n"
                  "exec sp_configure 'statement statistics active', 0");
    const sim::SimMessage refused = failure(*session, "select * from master..monSysStatement");
    EXPECT_NE(refused.text.find("'statement statistics active'"), std::string::npos);
    EXPECT_NE(refused.text.find("'statement pipe active'"), std::string::npos);
    EXPECT_EQ(refused.text.find("'per object statistics active'"), std::string::npos);
}

} // namespace
