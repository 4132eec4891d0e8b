// Each construct of the dialect, run end to end: parsed, translated, executed
// on SQLite with the server functions, against the small catalogue of the harness.

#include "DialectHarness.h"

#include <gtest/gtest.h>

#include <string>

namespace sim::testing {
namespace {

struct DialectCase {
    const char* sql;
    // Header line of column names joined by "|", then one line per row; or "error N".
    const char* expected;
};

void PrintTo(const DialectCase& c, std::ostream* out) {
    *out << c.sql;
}

class DialectCases : public ::testing::TestWithParam<DialectCase> {};

TEST_P(DialectCases, GiveTheServersRowsOrError) {
    DialectHarness server;
    EXPECT_EQ(server.run(GetParam().sql), GetParam().expected) << server.lastMessage();
}

INSTANTIATE_TEST_SUITE_P(
    Selects, DialectCases,
    ::testing::Values(
        DialectCase{"select 1", "\n1"}, DialectCase{"select @@spid SPID", "SPID\n17"},
        DialectCase{"select @@spid as SPID", "SPID\n17"},
        DialectCase{"select SPID = @@spid", "SPID\n17"},
        DialectCase{"select @@spid [SPID]", "SPID\n17"},
        DialectCase{"select @@spid \"SPID\"", "SPID\n17"}, DialectCase{"select 'x' = 2", "x\n2"},
        DialectCase{"select @@servername", "\nFARROWDALE"},
        DialectCase{"select TableName from master..monTables where TableID = 2",
                    "TableName\nmonSysStatement"},
        DialectCase{"select t.TableName from master.dbo.monTables t where t.TableID = 3",
                    "TableName\nmonDeadLock"},
        DialectCase{"select TableName from monTables as m where m.TableID = 4",
                    "TableName\nmonEngine"},
        DialectCase{"select * from master..sysconfigures where config = 104",
                    "config|value|comment|status|name|parent\n"
                    "104|100000|total logical memory|1|total logical memory|20"},
        DialectCase{"select p.*, 0 from master..monProcess p where SPID = 2",
                    "SPID|KPID|Login|\n2|131074|NULL|0"},
        DialectCase{"select getdate() as MonTS", "MonTS\n2026-12-11 14:25:30.250"},
        DialectCase{"select TableName, TableID + 0 from master..monTables where TableID = 1",
                    "TableName|\nmonProcessActivity|1"},
        DialectCase{"select distinct ColumnName from master..monTableColumns order by ColumnName",
                    "ColumnName\nCPUTime\nEngineNumber\nSPID\nStartTime"},
        DialectCase{"select TableName, TableID from master..monTables order by 2 desc",
                    "TableName|TableID\nmonEngine|4\nmonDeadLock|3\nmonSysStatement|2\n"
                    "monProcessActivity|1"},
        DialectCase{"select TableName T from master..monTables where TableID < 3 order by T",
                    "T\nmonProcessActivity\nmonSysStatement"},
        DialectCase{"select name from people order by score desc, id", "name\nDee_x\nAnn\nbob\nCy"},
        DialectCase{"select top 2 TableName from master..monTables order by TableName",
                    "TableName\nmonDeadLock\nmonEngine"},
        DialectCase{"select top -1 TableName from master..monTables", "error 102"},
        DialectCase{"select name from master..sysconfigures where name = \"Monitoring\"",
                    "name\nMonitoring"},
        DialectCase{"select 'it''s', \"say \"\"hi\"\"\"", "|\nit's|say \"hi\""},
        DialectCase{"select \"TableName\" from master..monTables where TableID = 1",
                    "\nTableName"}));

INSTANTIATE_TEST_SUITE_P(
    Operators, DialectCases,
    ::testing::Values(
        DialectCase{"select TableName + \".\" + ColumnName \"COL\" from master..monTableColumns "
                    "where ColumnName = \"CPUTime\" order by TableName, ColumnName",
                    "COL\nmonEngine.CPUTime\nmonProcessActivity.CPUTime"},
        DialectCase{"select \"(\" + TableName + \")\" + Description \"DSC\" "
                    "from master..monTableColumns where ColumnName = \"StartTime\"",
                    "DSC\n(monSysStatement)Start"},
        DialectCase{"select name + '!' from people where id = 3", "\nCy!"},
        DialectCase{"select null + 'x', 'x' + null", "|\nx|x"},
        DialectCase{"select 'a' + 1", "error 257"},
        DialectCase{"select getdate() - 1", "error 257"},
        DialectCase{"select id from people where name = 1", "error 257"},
        DialectCase{"select id from people where born > '2000-01-01' order by id", "id\n4"},
        DialectCase{"select -name from people", "error 257"},
        DialectCase{"select TableName, Indicators&1 \"Ind\" from master..monTables order by 1 ASC",
                    "TableName|Ind\nmonDeadLock|1\nmonEngine|0\nmonProcessActivity|0\n"
                    "monSysStatement|1"},
        DialectCase{"select 5 | 2, 6 ^ 3, ~0, 12 & 10", "|||\n7|5|-1|8"},
        DialectCase{"select 7 / 2, 7 % 3, 7.0 / 2, 2 + 3 * 4, -(3), 2 - 5",
                    "|||||\n3|1|3.5|14|-3|-3"},
        DialectCase{"select 1 / 0", "error 3607"},
        DialectCase{"select id % 0 from people", "error 3607"},
        DialectCase{"select id from people where name in (\"Ann\", \"Cy\") order by id",
                    "id\n1\n3"},
        DialectCase{"select id from people where name not in ('Ann', 'Cy') order by id",
                    "id\n2\n4"},
        DialectCase{"select id from people where score between 3 and 8 order by id", "id\n1\n2"},
        DialectCase{"select id from people where score not between 3 and 8 order by id", "id\n4"},
        DialectCase{"select id from people where born is null", "id\n3"},
        DialectCase{"select count(*) from people where score is not null", "\n3"},
        DialectCase{"select id from people where not (id > 1) or id = 4 order by id", "id\n1\n4"},
        DialectCase{"select id from people where id >= 2 and id !> 3 and id != 9 order by id",
                    "id\n2\n3"},
        DialectCase{"select case when score > 5 then \"high\" else \"low\" end from people "
                    "where id in (1, 2) order by id",
                    "\nhigh\nlow"},
        DialectCase{"select case id when 1 then 'one' when 2 then 'two' end from people "
                    "where id < 4 order by id",
                    "\none\ntwo\nNULL"}));

INSTANTIATE_TEST_SUITE_P(
    Like, DialectCases,
    ::testing::Values(
        DialectCase{"select name from people where name like \"b%\"", "name\nbob"},
        DialectCase{"select name from people where name like \"B%\"", "name"},
        DialectCase{"select name from people where name like \"[AB]%\"", "name\nAnn"},
        DialectCase{"select name from people where name like \"[^AB]%\" order by name",
                    "name\nCy\nDee_x\nbob"},
        DialectCase{"select name from people where name like '[a-c]__'", "name\nbob"},
        DialectCase{"select name from people where name like \"C_\"", "name\nCy"},
        DialectCase{"select name from people where name like \"%!_%\" escape \"!\"", "name\nDee_x"},
        DialectCase{"select name from people where name not like '%n%' order by id",
                    "name\nbob\nCy\nDee_x"},
        DialectCase{"select TableName from master..monTableColumns "
                    "where lower(ColumnName) like \"%time%\" order by 1",
                    "TableName\nmonEngine\nmonProcessActivity\nmonSysStatement"}));

INSTANTIATE_TEST_SUITE_P(
    Functions, DialectCases,
    ::testing::Values(
        DialectCase{"select isnull(score, -1) from people where id = 3", "\n-1"},
        DialectCase{"select lower(name), upper(name), substring(name, 2, 2), char_length(name) "
                    "from people where id = 4",
                    "|||\ndee_x|DEE_X|ee|5"},
        DialectCase{"select convert(varchar(10), 123) + \"x\"", "\n123x"},
        DialectCase{"select convert(int, \"42\") + 1", "\n43"},
        DialectCase{"select convert(int, \"4x2\")", "error 249"},
        DialectCase{"select convert(int, 7.9), convert(numeric(5,2), 3.14159)", "|\n7|3.14"},
        DialectCase{"select convert(char(5), \"ab\") + \"|\"", "\nab   |"},
        DialectCase{"select char_length(convert(char(1000000000), 'x'))", "\n16384"},
        DialectCase{"select convert(varchar, born, 103) from people where id = 1", "\n17/05/1990"},
        DialectCase{"select convert(varchar, getdate())", "\nDec 11 2026  2:25PM"},
        DialectCase{"select convert(varchar(8), getdate(), 108)", "\n14:25:30"},
        DialectCase{"select convert(varchar(30), getdate(), 109)", "\nDec 11 2026  2:25:30:250PM"},
        DialectCase{"select convert(datetime, \"20261211\")", "\n2026-12-11 00:00:00.000"},
        DialectCase{"select convert(datetime, 'Dec 11 2026 2:25PM')", "\n2026-12-11 14:25:00.000"},
        DialectCase{"select convert(datetime, '31/31/2026')", "error 249"},
        DialectCase{"select cast('12' as int) * 2", "\n24"},
        DialectCase{"select convert(nosuchtype, 1)", "error 2715"},
        DialectCase{"select datediff(day, \"2026-12-01\", getdate())", "\n10"},
        DialectCase{"select datediff(ss, dateadd(mi, -2, getdate()), getdate())", "\n120"},
        DialectCase{"select datediff(year, born, \"2026-01-01\") from people where id = 2", "\n41"},
        DialectCase{"select datediff(month, \"2026-01-31\", \"2026-02-01\")", "\n1"},
        DialectCase{"select datediff(ms, '2026-12-11 14:25:30', getdate())", "\n250"},
        DialectCase{"select dateadd(month, 1, \"2026-01-31\")", "\n2026-02-28 00:00:00.000"},
        DialectCase{"select dateadd(dd, 1, getdate())", "\n2026-12-12 14:25:30.250"},
        DialectCase{"select dateadd(year, 9000, getdate())", "error 517"},
        DialectCase{"select dateadd(foo, 1, getdate())", "error 155"},
        DialectCase{"select datepart(weekday, \"2026-12-11\"), datepart(dy, '2026-02-01')",
                    "|\n6|32"},
        DialectCase{"select datepart(wk, '2026-01-03'), datepart(wk, '2026-01-04'), "
                    "datediff(wk, '2026-01-03', '2026-01-04'), datediff(wk, '2026-01-04', "
                    "'2026-01-10')",
                    "|||\n1|2|1|0"},
        DialectCase{"select datepart(qq, '2026-12-11'), datediff(qq, '2026-03-31', '2026-04-01'), "
                    "datepart(hh, getdate()), datepart(ms, getdate())",
                    "|||\n4|1|14|250"},
        DialectCase{"select convert(varchar, convert(datetime, '2026-12-11 14:25:29.999'), 23), "
                    "convert(smalldatetime, '2026-12-11 14:25:31')",
                    "|\n2026-12-11T14:25:29|2026-12-11 14:26:00.000"},
        DialectCase{"select charindex('b', 'abc'), datalength('abc'), abs(-2)", "||\n2|3|2"},
        DialectCase{"select nosuch(1)", "error 14216"},
        DialectCase{"select lower()", "error 174"}));

INSTANTIATE_TEST_SUITE_P(
    Aggregates, DialectCases,
    ::testing::Values(
        DialectCase{"select count(*) from master..monTables", "\n4"},
        DialectCase{"select ColumnName, count(*) \"NR\" from master..monTableColumns "
                    "group by ColumnName order by ColumnName asc",
                    "ColumnName|NR\nCPUTime|2\nEngineNumber|1\nSPID|2\nStartTime|1"},
        DialectCase{"select ColumnName from master..monTableColumns group by ColumnName "
                    "having count(*) = 1 order by 1",
                    "ColumnName\nEngineNumber\nStartTime"},
        DialectCase{"select sum(Size), min(Size), max(Size), avg(Size) from master..monTables",
                    "|||\n220|20|100|55"},
        DialectCase{"select avg(id), avg(score) from people", "|\n2|6.58333"},
        DialectCase{"select count(distinct TableID) from master..monTableColumns", "\n3"},
        DialectCase{"select id from people where count(*) > 1", "error 147"},
        DialectCase{"select max(count(*)) from people", "error 147"}));

INSTANTIATE_TEST_SUITE_P(
    JoinsAndSubqueries, DialectCases,
    ::testing::Values(
        DialectCase{"select b.name, a.value \"CVALUE\" "
                    "from master..syscurconfigs a, master..sysconfigures b "
                    "where a.config = b.config and b.parent = (select config "
                    "from master..sysconfigures where name = \"Monitoring\") order by b.name",
                    "name|CVALUE\nenable monitoring|1\nper object statistics active|0"},
        DialectCase{"select t.TableName, c.ColumnName from master..monTables t "
                    "join master..monTableColumns c on c.TableID = t.TableID "
                    "where c.ColumnID = 2 order by 1",
                    "TableName|ColumnName\nmonEngine|CPUTime\nmonProcessActivity|CPUTime\n"
                    "monSysStatement|StartTime"},
        DialectCase{"select t.TableName, c.ColumnName from master..monTables t "
                    "left outer join master..monTableColumns c "
                    "on c.TableID = t.TableID and c.ColumnID = 1 order by 1",
                    "TableName|ColumnName\nmonDeadLock|NULL\nmonEngine|EngineNumber\n"
                    "monProcessActivity|SPID\nmonSysStatement|SPID"},
        DialectCase{"select count(*) from people cross join master..monTables", "\n16"},
        DialectCase{"select TableName from master..monTables t where exists (select 1 from "
                    "master..monTableColumns c where c.TableID = t.TableID and "
                    "c.ColumnName = \"SPID\") order by 1",
                    "TableName\nmonProcessActivity\nmonSysStatement"},
        DialectCase{"select TableName from master..monTables where TableID in (select TableID "
                    "from master..monTableColumns where ColumnName = \"CPUTime\") order by 1",
                    "TableName\nmonEngine\nmonProcessActivity"},
        DialectCase{"select d.n from (select count(*) n from master..monTables) d", "n\n4"},
        DialectCase{"select name from people where id = 1 union "
                    "select TableName from master..monTables where TableID = 1 order by 1",
                    "name\nAnn\nmonProcessActivity"},
        DialectCase{"select 1 union all select 1", "\n1\n1"},
        DialectCase{"select 1 union select 2 order by 1 desc", "\n2\n1"}));

INSTANTIATE_TEST_SUITE_P(
    DataChanges, DialectCases,
    ::testing::Values(
        DialectCase{"create table tempdb..notes (id int, txt varchar(10) null)\n"
                    "insert into tempdb..notes values (1, 'a')\n"
                    "insert tempdb..notes (id) values (2)\n"
                    "update tempdb..notes set txt = txt + 'b' where id = 1\n"
                    "delete tempdb..notes where id = 2\n"
                    "select * from tempdb..notes",
                    "id|txt\n1|ab"},
        DialectCase{"insert into people (id, born) values (5, \"Dec 11 2026 2:25PM\")\n"
                    "select born from people where id = 5",
                    "born\n2026-12-11 14:25:00.000"},
        DialectCase{"update people set born = '20000101' where id = 3\n"
                    "select born from people where id = 3",
                    "born\n2000-01-01 00:00:00.000"},
        DialectCase{"insert people (id, name) select TableID + 10, TableName "
                    "from master..monTables where TableID = 1\n"
                    "select name from people where id = 11",
                    "name\nmonProcessActivity"},
        DialectCase{"delete from people where score < 5 select count(*) from people", "\n3"},
        DialectCase{"create table t (a int) drop table t select * from t", "error 208"},
        DialectCase{"insert people values (9)", "error 213"},
        DialectCase{"insert people (id, nosuch) values (9, 1)", "error 207"},
        DialectCase{"update people set nosuch = 1", "error 207"},
        DialectCase{"create table people (a int)", "error 2714"},
        DialectCase{"create table t2 (a int, a int)", "error 2705"}));

INSTANTIATE_TEST_SUITE_P(
    ServerErrors, DialectCases,
    ::testing::Values(
        DialectCase{"select * from master..nosuch", "error 208"},
        DialectCase{"select * from otherdb..monTables", "error 208"},
        DialectCase{"select nosuch from people", "error 207"},
        DialectCase{"select x.name from people p", "error 107"},
        DialectCase{"select TableID from master..monTables, master..monTableColumns", "error 209"},
        DialectCase{"select from people", "error 156"}, DialectCase{"select 1 +", "error 102"},
        DialectCase{"select 'abc", "error 105"}, DialectCase{"select 1 /* open", "error 113"},
        DialectCase{"select 1 order by 2", "error 108"},
        DialectCase{"select id from people union select 2, 3", "error 205"},
        DialectCase{"select id from people union select 2 order by name", "error 104"},
        DialectCase{"select @@nosuch", "error 137"}, DialectCase{"select *", "error 263"},
        DialectCase{"select 1 select nosuch from people", "error 207"},
        DialectCase{"select * from (select 1) d", "error 11000"},
        DialectCase{"select convert(varbinary, 'a')", "error 11000"},
        DialectCase{"create table tb (b varbinary(5))", "error 11000"},
        DialectCase{"create table tb (b nosuchtype)", "error 2715"},
        DialectCase{"select 1 nosuch", "nosuch\n1"}));

TEST(DialectLimits, AtMostFiftyTablesInOneSelect) {
    DialectHarness server;
    std::string fifty = "select count(*) from people";
    for (int i = 1; i < 50; ++i)
        fifty += ", monTables";
    EXPECT_EQ(server.run(fifty + " where 1 = 0"), "\n0");
    EXPECT_EQ(server.run(fifty + ", people"), "error 106");
}

TEST(DialectQuotedIdentifiers, DoubleQuotesNameColumnsWhenOn) {
    DialectHarness server;
    EXPECT_EQ(server.run("select \"TableName\" from master..monTables where TableID = 1", true),
              "TableName\nmonProcessActivity");
    EXPECT_EQ(server.run("select 1 from people where name = \"Ann\"", true), "error 207");
}

TEST(DialectColumnKinds, ComeFromTheTableForColumnsAndFromTheFunctionForDates) {
    DialectHarness server;
    server.run("select born, getdate(), name, id + 1, dateadd(dd, 1, born), "
               "convert(datetime, '20200101'), max(born), 'x' from people");
    EXPECT_EQ(server.lastKinds(), "DDTNDDDN");
}

TEST(DialectPrint, TranslatesItsExpressionAsAScalar) {
    DialectHarness server;
    EXPECT_EQ(server.run("print 'spid ' + convert(varchar, @@spid)"), "\nspid 17");
}

} // namespace
} // namespace sim::testing
