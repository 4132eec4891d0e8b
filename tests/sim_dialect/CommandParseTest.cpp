// The command statements reach the engine as parsed here: procedure calls in
// every written form, kill, dbcc, use, set, print and transactions.

#include "simulator/Parser.h"
#include "simulator/SimServer.h"

#include <gtest/gtest.h>

namespace sim {
namespace {

template <typename Body> const Body& only(const std::vector<ast::Statement>& statements) {
    EXPECT_EQ(statements.size(), 1u);
    return std::get<Body>(statements.at(0).body);
}

int errorOf(std::string_view batch) {
    try {
        parseBatch(batch, false);
    } catch (const SimError& error) {
        return error.message().number;
    }
    return 0;
}

TEST(ProcedureCall, WithoutArguments) {
    const auto statements = parseBatch("sp_configure", false);
    const auto& call = only<ast::Execute>(statements);
    EXPECT_EQ(call.procedure.name, "sp_configure");
    EXPECT_TRUE(call.arguments.empty());
}

TEST(ProcedureCall, NamedArgumentsAndFullName) {
    const auto statements = parseBatch(
        "/**/\r\nsybsystemprocs.dbo.sp_configure @configname = \"deadlock pipe active\", "
        "@configvalue = 1",
        false);
    const auto& call = only<ast::Execute>(statements);
    EXPECT_EQ(call.procedure.database, "sybsystemprocs");
    EXPECT_EQ(call.procedure.owner, "dbo");
    EXPECT_EQ(call.procedure.name, "sp_configure");
    ASSERT_EQ(call.arguments.size(), 2u);
    EXPECT_EQ(call.arguments[0].name, "configname");
    EXPECT_EQ(call.arguments[0].value->kind, ast::Expr::Kind::String);
    EXPECT_EQ(call.arguments[0].value->text, "deadlock pipe active");
    EXPECT_EQ(call.arguments[1].name, "configvalue");
    EXPECT_EQ(call.arguments[1].value->kind, ast::Expr::Kind::Integer);
    EXPECT_EQ(call.arguments[1].value->text, "1");
}

TEST(ProcedureCall, PositionalArgumentsWithExecAndSignedNumbers) {
    const auto statements =
        parseBatch("execute sybsystemprocs..sp_configure 'max memory', -5", false);
    const auto& call = only<ast::Execute>(statements);
    EXPECT_EQ(call.procedure.database, "sybsystemprocs");
    EXPECT_EQ(call.procedure.owner, "");
    ASSERT_EQ(call.arguments.size(), 2u);
    EXPECT_EQ(call.arguments[0].value->text, "max memory");
    EXPECT_EQ(call.arguments[1].value->kind, ast::Expr::Kind::Integer);
    EXPECT_EQ(call.arguments[1].value->text, "-5");
}

TEST(ProcedureCall, ShowplanWithNulls) {
    const auto statements = parseBatch("exec sp_showplan 42,null,null,null", false);
    const auto& call = only<ast::Execute>(statements);
    EXPECT_EQ(call.procedure.name, "sp_showplan");
    ASSERT_EQ(call.arguments.size(), 4u);
    EXPECT_EQ(call.arguments[0].value->text, "42");
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(call.arguments[static_cast<std::size_t>(i)].value->kind, ast::Expr::Kind::Null);
}

TEST(ProcedureCall, BareNameAsArgumentIsAString) {
    const auto statements = parseBatch("sp_configure \"enable monitoring\"", false);
    const auto& call = only<ast::Execute>(statements);
    ASSERT_EQ(call.arguments.size(), 1u);
    EXPECT_EQ(call.arguments[0].value->text, "enable monitoring");
    const auto bare = parseBatch("sp_help monTables", false);
    EXPECT_EQ(only<ast::Execute>(bare).arguments.at(0).value->text, "monTables");
}

TEST(ProcedureCall, WithoutExecOnlyFirstInBatch) {
    EXPECT_EQ(errorOf("kill 1\nsp_configure"), 102);
    EXPECT_EQ(parseBatch("sp_configure\nselect 1", false).size(), 2u);
}

TEST(Commands, KillAndDbcc) {
    EXPECT_EQ(only<ast::Kill>(parseBatch("/**/\r\nkill 23", false)).spid, 23);
    const auto trace = parseBatch("dbcc traceon (3604)", false);
    EXPECT_EQ(only<ast::Dbcc>(trace).command, "traceon");
    ASSERT_EQ(only<ast::Dbcc>(trace).arguments.size(), 1u);
    EXPECT_EQ(only<ast::Dbcc>(trace).arguments[0]->text, "3604");
    const auto stack = parseBatch("DBCC StackTrace(42)", false);
    EXPECT_EQ(only<ast::Dbcc>(stack).command, "stacktrace");
    EXPECT_EQ(only<ast::Dbcc>(stack).arguments.at(0)->text, "42");
    EXPECT_EQ(errorOf("kill abc"), 102);
    EXPECT_EQ(errorOf("kill"), 156);
}

TEST(Commands, UseSetPrintAndTransactions) {
    EXPECT_EQ(only<ast::Use>(parseBatch("use tempdb", false)).database, "tempdb");
    const auto set = parseBatch("set quoted_identifier ON", false);
    EXPECT_EQ(only<ast::Set>(set).words, (std::vector<std::string>{"quoted_identifier", "on"}));
    const auto rowcount = parseBatch("set rowcount 10", false);
    EXPECT_EQ(only<ast::Set>(rowcount).words, (std::vector<std::string>{"rowcount", "10"}));
    const auto print = parseBatch("print 'hello'", false);
    EXPECT_EQ(only<ast::Print>(print).text->text, "hello");
    const auto transactions =
        parseBatch("begin tran commit rollback transaction commit work", false);
    ASSERT_EQ(transactions.size(), 4u);
    EXPECT_EQ(std::get<ast::Transaction>(transactions[0].body).word, "begin");
    EXPECT_EQ(std::get<ast::Transaction>(transactions[2].body).word, "rollback");
}

TEST(Batch, StatementsKeepTheirLinesAndTextSpan) {
    const std::string batch = "select 1\n  select 'a'; kill 3\n";
    const auto statements = parseBatch(batch, false);
    ASSERT_EQ(statements.size(), 3u);
    EXPECT_EQ(statements[1].line, 2);
    EXPECT_EQ(batch.substr(statements[1].offset, statements[1].end - statements[1].offset),
              "select 'a'");
    EXPECT_EQ(statements[2].line, 2);
    EXPECT_EQ(batch.substr(statements[2].offset, statements[2].end - statements[2].offset),
              "kill 3");
}

TEST(Batch, EmptyOrCommentOnlyHoldsNoStatement) {
    EXPECT_TRUE(parseBatch("", false).empty());
    EXPECT_TRUE(parseBatch("/**/\r\n-- nothing\n;", false).empty());
}

TEST(Batch, ANulCharacterInANameIsASyntaxError) {
    EXPECT_EQ(errorOf(std::string("select [a\0b] from t", 19)), 102);
    EXPECT_EQ(parseBatch(std::string("select 'a\0b'", 12), false).size(), 1u);
    EXPECT_EQ(errorOf(std::string("select 1 'a\0b'", 14)), 102);
}

TEST(Batch, ASyntaxErrorAnywhereStopsAllOfIt) {
    EXPECT_EQ(errorOf("select 1\nselect 2 from"), 156);
    EXPECT_EQ(errorOf("select 1 )"), 102);
}

// Statements and clauses outside the supported subset are refused by name.
class RefusedConstructs : public ::testing::TestWithParam<const char*> {};

TEST_P(RefusedConstructs, GiveTheUnsupportedError) {
    try {
        parseBatch(GetParam(), false);
        FAIL() << "accepted";
    } catch (const SimError& error) {
        EXPECT_EQ(error.message().number, 11000);
        EXPECT_NE(error.message().text.find("does not support"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dialect, RefusedConstructs,
    ::testing::Values("declare @x int", "if 1 = 1 select 1", "while 1 = 1 select 1", "select @x",
                      "select @x = 1", "select 1 into #t", "begin select 1 end",
                      "select id from people compute sum(id)", "truncate table people",
                      "alter table people add x int",
                      "select * from a full outer join b on a.x = b.x",
                      "select * from a, b where a.x *= b.x", "select * from people holdlock",
                      "update people set name = 'x' from people",
                      "delete people from people, monTables", "create index i on people(id)",
                      "create table t (id int identity)", "create table t (id int default 1)",
                      "select 0x1f", "kill 12 with statusonly", "raiserror 20000 'x'",
                      "waitfor delay '00:00:01'", "grant select on people to public",
                      "exec @rc = sp_who", "select id from people group by all id",
                      "drop index people.i", "set @x = 1", "select id from people for browse"));

TEST(Limits, DeepNestingIsRefusedNotOverflowed) {
    const auto tooComplex = [](const std::string& batch) { return errorOf(batch) == 404; };
    EXPECT_TRUE(tooComplex("select " + std::string(5000, '(') + "1" + std::string(5000, ')')));
    EXPECT_TRUE(tooComplex("select " + std::string(5000, '~') + "1"));
    std::string sum = "select 1";
    for (int i = 0; i < 5000; ++i)
        sum += "+1";
    EXPECT_TRUE(tooComplex(sum));
    std::string unions = "select 1";
    for (int i = 0; i < 5000; ++i)
        unions += " union select 1";
    EXPECT_TRUE(tooComplex(unions));
    std::string subqueries = "select 1";
    for (int i = 0; i < 500; ++i)
        subqueries = "select (" + subqueries + ")";
    EXPECT_TRUE(tooComplex(subqueries));
    const std::string parentheses(90, '(');
    EXPECT_EQ(errorOf("select " + parentheses + "1" + std::string(90, ')')), 0);
    std::string ok = "select 1";
    for (int i = 0; i < 50; ++i)
        ok += "+1";
    EXPECT_EQ(errorOf(ok), 0);
}

} // namespace
} // namespace sim
