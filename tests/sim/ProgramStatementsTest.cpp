// Every statement the workbench sends runs on a fresh server, in the exact
// text the workbench builds ("/**/" first, lines joined by CR LF), and
// answers with plausible rows.

#include "SimTestSupport.h"

#include "simulator/Catalogue.h"

#include <gtest/gtest.h>

#include <set>

using namespace simtest;

namespace {

class ProgramStatements : public ::testing::Test {
protected:
    std::unique_ptr<sim::SimSession> session = openPrivate();
};

TEST_F(ProgramStatements, OwnProcessIdIsThisConnection) {
    const sim::SimResult result = query(*session, programText({"select @@spid SPID"}));
    ASSERT_EQ(result.columns, std::vector<std::string>{"SPID"});
    ASSERT_EQ(result.rows.size(), 1u);
    EXPECT_EQ(result.rows[0][0].integer, session->spid());
}

TEST_F(ProgramStatements, MonitoringConfigurationListsTheMonitoringGroupByName) {
    const sim::SimResult result = query(
        *session, programText({"select b.name, a.value \"CVALUE\",",
                               "a.value2 \"RVALUE\", a.type, a.unit, a.defvalue",
                               "from master..syscurconfigs a, master..sysconfigures b",
                               "where a.config = b.config", "and b.parent = ", "(select config ",
                               "from master..sysconfigures where name = "
                               "\"Monitoring\")",
                               "order by b.name"}));
    EXPECT_EQ(result.columns,
              (std::vector<std::string>{"name", "CVALUE", "RVALUE", "type", "unit", "defvalue"}));
    std::vector<std::string> names;
    for (const auto& row : result.rows)
        names.push_back(row[0].text);
    for (const char* required : {"enable monitoring",
                                 "per object statistics active",
                                 "deadlock pipe active",
                                 "deadlock pipe max messages",
                                 "errorlog pipe active",
                                 "errorlog pipe max messages",
                                 "enable stmt cache monitoring",
                                 "SQL batch capture",
                                 "statement statistics active",
                                 "statement pipe active",
                                 "statement pipe max messages",
                                 "sql text pipe active",
                                 "sql text pipe max messages",
                                 "plan text pipe active",
                                 "plan text pipe max messages",
                                 "wait event timing",
                                 "process wait events",
                                 "object lockwait timing",
                                 "max SQL text monitored",
                                 "performance monitoring option"})
        EXPECT_NE(std::find(names.begin(), names.end(), required), names.end()) << required;
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
}

TEST_F(ProgramStatements, FullConfigurationHoldsAboutAHundredParametersAndNoGroups) {
    const sim::SimResult result =
        query(*session,
              programText({"select b.name, a.value \"CVALUE\",",
                           "a.value2 \"RVALUE\", a.type, a.unit, a.defvalue",
                           "from master..syscurconfigs a, master..sysconfigures b",
                           "where a.config = b.config", "and b.parent > 1", "order by b.name"}));
    EXPECT_GE(result.rows.size(), 90u);
    EXPECT_LE(result.rows.size(), 130u);
    for (const auto& row : result.rows)
        EXPECT_NE(row[0].text, "Monitoring");
}

TEST_F(ProgramStatements, ConfigurationUpdateThroughTheSystemProcedure) {
    run(*session, programText({"sybsystemprocs.dbo.sp_configure @configname = \"deadlock pipe "
                               "active\", @configvalue = 0"}));
    const sim::SimResult result = query(
        *session, "select a.value, a.value2 from master..syscurconfigs a, master..sysconfigures b "
                  "where a.config = b.config and b.name = 'deadlock pipe active'");
    ASSERT_EQ(result.rows.size(), 1u);
    EXPECT_EQ(result.rows[0][0].integer, 0);
    EXPECT_EQ(result.rows[0][1].integer, 0);
}

TEST_F(ProgramStatements, MonitoringTableListSortsByPositionEitherWay) {
    for (const char* order : {"order by 1 ASC", "order by 3 DESC", "order by 2 ASC"}) {
        const sim::SimResult result =
            query(*session, programText({"select TableName, Indicators&1 \"Ind\", Description",
                                         "from master..monTables", order}));
        EXPECT_EQ(result.columns, (std::vector<std::string>{"TableName", "Ind", "Description"}));
        EXPECT_EQ(result.rows.size(), sim::monitoringTables().size()) << order;
    }
    const sim::SimResult byName =
        query(*session, programText({"select TableName, Indicators&1 \"Ind\", Description",
                                     "from master..monTables", "order by 1 ASC"}));
    std::set<std::string> pipes;
    for (const auto& row : byName.rows)
        if (row[1].integer == 1)
            pipes.insert(row[0].text);
    EXPECT_EQ(pipes, (std::set<std::string>{"monDeadLock", "monErrorLog", "monSysPlanText",
                                            "monSysSQLText", "monSysStatement"}));
    EXPECT_EQ(byName.rows.front()[0].text, "monCachePool");
}

TEST_F(ProgramStatements, ColumnLookups) {
    const sim::SimResult counts = query(
        *session, programText({"select ColumnName, count(*) \"NR\"", "from master..monTableColumns",
                               "group by ColumnName", "order by ColumnName asc"}));
    ASSERT_GT(counts.rows.size(), 100u);
    bool spidCounted = false;
    for (const auto& row : counts.rows)
        if (row[0].text == "SPID")
            spidCounted = row[1].integer > 10;
    EXPECT_TRUE(spidCounted);

    const sim::SimResult ofTable =
        query(*session, programText({"select TableName, Description, ColumnName",
                                     "from master..monTableColumns",
                                     "where TableName = \"monProcessActivity\""}));
    std::set<std::string> columns;
    for (const auto& row : ofTable.rows)
        columns.insert(row[2].text);
    for (const char* name :
         {"SPID", "KPID", "CPUTime", "WaitTime", "LogicalReads", "PhysicalReads", "PagesRead",
          "PhysicalWrites", "PagesWritten", "Transactions", "Commits", "Rollbacks", "LocksHeld"})
        EXPECT_TRUE(columns.contains(name)) << name;

    const sim::SimResult exact =
        query(*session,
              programText({"select TableName, ColumnName, Description",
                           "from master..monTableColumns", "where lower(ColumnName) = \"spid\""}));
    EXPECT_GT(exact.rows.size(), 10u);
    const sim::SimResult like =
        query(*session, programText({"select TableName, ColumnName, Description",
                                     "from master..monTableColumns",
                                     "where lower(ColumnName) like \"%wait%\""}));
    EXPECT_GT(like.rows.size(), 5u);
}

TEST_F(ProgramStatements, ComposerQueries) {
    const sim::SimResult tables =
        query(*session,
              programText({"select TableName", "from master..monTables", "order by TableName"}));
    EXPECT_EQ(tables.rows.size(), sim::monitoringTables().size());
    const sim::SimResult ofTable =
        query(*session, programText({"select distinct ColumnName", "from master..monTableColumns",
                                     "where TableName = \"monProcess\"", "order by ColumnName"}));
    EXPECT_EQ(ofTable.rows.size(), sim::findMonitoringTable("monProcess")->columns.size());
    const sim::SimResult all =
        query(*session, programText({"select distinct ColumnName", "from master..monTableColumns",
                                     "order by ColumnName"}));
    EXPECT_GT(all.rows.size(), ofTable.rows.size());
    const sim::SimResult described = query(
        *session, programText({"select \"(\" + TableName + \")\" + Description \"DSC\"",
                               "from master..monTableColumns", "where ColumnName = \"SPID\""}));
    ASSERT_FALSE(described.rows.empty());
    EXPECT_EQ(described.rows[0][0].text.front(), '(');
    const sim::SimResult one =
        query(*session,
              programText({"select TableName + \".\" + ColumnName \"COL\"",
                           "from master..monTableColumns", "where ColumnName = \"SPID\"",
                           "and TableName = \"monProcess\"", "order by TableName, ColumnName"}));
    ASSERT_EQ(one.rows.size(), 1u);
    EXPECT_EQ(one.rows[0][0].text, "monProcess.SPID");
    const sim::SimResult every =
        query(*session, programText({"select TableName + \".\" + ColumnName \"COL\"",
                                     "from master..monTableColumns", "where ColumnName = \"SPID\"",
                                     "order by TableName, ColumnName"}));
    EXPECT_GT(every.rows.size(), 10u);
}

// The lines "Send Select * To SQL" adds, with their "--" removed, for every
// monitoring table; the where-clause form with the value a user types.
TEST_F(ProgramStatements, SelectLinesSentFromTheCatalogueRunForEveryTable) {
    for (const sim::MonTableDef& table : sim::monitoringTables()) {
        const std::string& t = table.name;
        const sim::SimResult result =
            query(*session, programText({"select getdate() as MonTS, \"" + t + "\" as [" + t +
                                         "], * from master.." + t}));
        ASSERT_EQ(result.columns.size(), table.columns.size() + 2) << t;
        EXPECT_EQ(result.columns[0], "MonTS");
        EXPECT_EQ(result.columns[1], t);
        for (const auto& row : result.rows)
            EXPECT_EQ(row[1].text, t);
    }
    const sim::SimResult where = query(
        *session, programText({"select getdate() as MonTS, \"monProcess\" as [monProcess], *  "
                               "from master..monProcess where SPID = " +
                               std::to_string(session->spid())}));
    ASSERT_EQ(where.rows.size(), 1u);
    EXPECT_EQ(where.rows[0][0].kind, sim::SimValue::Kind::DateTime);
}

TEST_F(ProgramStatements, EveryLiveTableHasRowsOnADemoServer) {
    // Worker threads and PCI slots are empty on a server without parallel
    // queries or plug-ins, as on a real one.
    const std::set<std::string> mayBeEmpty = {
        "monProcessWorkerThread", "monSysStatement", "monSysSQLText",
        "monSysPlanText",         "monErrorLog",     "monDeadLock",
        "monProcessProcedures"};
    for (const sim::MonTableDef& table : sim::monitoringTables()) {
        if (mayBeEmpty.contains(table.name))
            continue;
        const sim::SimResult result = query(*session, "select * from master.." + table.name);
        EXPECT_FALSE(result.rows.empty()) << table.name;
    }
}

} // namespace
