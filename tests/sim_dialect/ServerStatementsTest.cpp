// The statements the workbench itself sends, exactly as it builds them (an
// empty comment line first, lines joined by CR LF, values spliced into double
// quotes), run against the harness catalogue.

#include "DialectHarness.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace sim::testing {
namespace {

std::string lines(std::initializer_list<std::string> text) {
    std::string out = "/**/";
    for (const std::string& line : text)
        out += "\r\n" + line;
    return out;
}

struct SentStatement {
    std::string text;
    std::string expected;
};

void PrintTo(const SentStatement& s, std::ostream* out) {
    *out << s.text;
}

class SentStatements : public ::testing::TestWithParam<SentStatement> {};

TEST_P(SentStatements, RunAndAnswerWithTheirColumns) {
    DialectHarness server;
    EXPECT_EQ(server.run(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Workbench, SentStatements,
    ::testing::Values(
        SentStatement{lines({"select @@spid SPID"}), "SPID\n17"},
        SentStatement{
            lines({"select b.name, a.value \"CVALUE\",",
                   "a.value2 \"RVALUE\", a.type, a.unit, a.defvalue",
                   "from master..syscurconfigs a, master..sysconfigures b",
                   "where a.config = b.config", "and b.parent = ", "(select config ",
                   "from master..sysconfigures where name = \"Monitoring\")", "order by b.name"}),
            "name|CVALUE|RVALUE|type|unit|defvalue\n"
            "enable monitoring|1|1|dynamic|switch|0\n"
            "per object statistics active|0|0|dynamic|switch|0"},
        SentStatement{lines({"select b.name, a.value \"CVALUE\",",
                             "a.value2 \"RVALUE\", a.type, a.unit, a.defvalue",
                             "from master..syscurconfigs a, master..sysconfigures b",
                             "where a.config = b.config", "and b.parent > 1", "order by b.name"}),
                      "name|CVALUE|RVALUE|type|unit|defvalue\n"
                      "enable monitoring|1|1|dynamic|switch|0\n"
                      "per object statistics active|0|0|dynamic|switch|0\n"
                      "total logical memory|100000|100000|dynamic|memory pages(2k)|73728"},
        SentStatement{lines({"select TableName, Indicators&1 \"Ind\", Description",
                             "from master..monTables", "order by 3 DESC"}),
                      "TableName|Ind|Description\n"
                      "monSysStatement|1|Statements that ended\n"
                      "monEngine|0|Engine figures\n"
                      "monDeadLock|1|Deadlocks seen\n"
                      "monProcessActivity|0|Activity of each process"},
        SentStatement{lines({"select ColumnName, count(*) \"NR\"", "from master..monTableColumns",
                             "group by ColumnName", "order by ColumnName asc"}),
                      "ColumnName|NR\nCPUTime|2\nEngineNumber|1\nSPID|2\nStartTime|1"},
        SentStatement{lines({"select TableName, Description, ColumnName",
                             "from master..monTableColumns", "where TableName = \"monEngine\""}),
                      "TableName|Description|ColumnName\nmonEngine|Engine|EngineNumber\n"
                      "monEngine|CPU used|CPUTime"},
        SentStatement{
            lines({"select TableName, ColumnName, Description", "from master..monTableColumns",
                   "where lower(ColumnName) = \"starttime\""}),
            "TableName|ColumnName|Description\nmonSysStatement|StartTime|Start"},
        SentStatement{
            lines({"select TableName, ColumnName, Description", "from master..monTableColumns",
                   "where lower(ColumnName) like \"%gine%\""}),
            "TableName|ColumnName|Description\nmonEngine|EngineNumber|Engine"},
        SentStatement{lines({"select getdate() as MonTS, \"monProcess\" as [monProcess], * "
                             "from master..monProcess"}),
                      "MonTS|monProcess|SPID|KPID|Login\n"
                      "2026-12-11 14:25:30.250|monProcess|2|131074|NULL\n"
                      "2026-12-11 14:25:30.250|monProcess|17|917520|sa"},
        SentStatement{lines({"select getdate() as MonTS, \"monProcess\" as [monProcess], *  "
                             "from master..monProcess where SPID = 17"}),
                      "MonTS|monProcess|SPID|KPID|Login\n"
                      "2026-12-11 14:25:30.250|monProcess|17|917520|sa"},
        SentStatement{lines({"select TableName", "from master..monTables", "order by TableName"}),
                      "TableName\nmonDeadLock\nmonEngine\nmonProcessActivity\nmonSysStatement"},
        SentStatement{lines({"select distinct ColumnName", "from master..monTableColumns",
                             "where TableName = \"monSysStatement\"", "order by ColumnName"}),
                      "ColumnName\nSPID\nStartTime"},
        SentStatement{lines({"select \"(\" + TableName + \")\" + Description \"DSC\"",
                             "from master..monTableColumns", "where ColumnName = \"SPID\""}),
                      "DSC\n(monProcessActivity)Process id\n(monSysStatement)Process id"},
        SentStatement{
            lines({"select TableName + \".\" + ColumnName \"COL\"", "from master..monTableColumns",
                   "where ColumnName = \"SPID\"", "and TableName = \"monSysStatement\"",
                   "order by TableName, ColumnName"}),
            "COL\nmonSysStatement.SPID"}));

} // namespace
} // namespace sim::testing
