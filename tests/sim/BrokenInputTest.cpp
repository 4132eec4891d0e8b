// Whatever text arrives, the server answers with an error or a result and
// stays usable: never a crash, a hang or a damaged state file.

#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace simtest;

namespace {

TEST(BrokenInput, GivesAnErrorAndLeavesTheServerUsable) {
    auto session = openPrivate();
    for (const char* text : {"select",
                             "select * from",
                             "select 'unclosed",
                             "/* open comment",
                             "kill",
                             "kill abc",
                             "dbcc",
                             "dbcc stacktrace()",
                             "dbcc checkdb(master)",
                             "sp_configure 1, 2",
                             "exec sp_nosuchproc",
                             "select * from master..nosuch",
                             "update master..monEngine set x = 1",
                             "select 1/0",
                             "select convert(int, 'abc')",
                             "print",
                             "use",
                             "))))",
                             "\x01\x02\xff",
                             "select * from master..monProcess where SPID = "}) {
        const sim::SimBatchOutcome outcome = session->execute(text);
        EXPECT_TRUE(outcome.error) << text;
    }
    EXPECT_EQ(query(*session, "select @@spid").rows.size(), 1u);
}

TEST(BrokenInput, RunawayCrossJoinEndsWithAnError) {
    auto session = openPrivate();
    const sim::SimMessage refused =
        failure(*session, "select a.ColumnName from master..monTableColumns a, "
                          "master..monTableColumns b, master..monTableColumns c");
    EXPECT_EQ(refused.number, 3619);
    EXPECT_EQ(query(*session, "select count(*) from master..monTables").rows.size(), 1u);
}

// Batches stitched from the words the server knows, in random order: most
// are nonsense, some are valid; every one must come back.
TEST(BrokenInput, RandomWordSoupNeverBreaksTheServer) {
    static const std::vector<std::string> words = {"select",
                                                   "*",
                                                   "from",
                                                   "master..monProcess",
                                                   "master..monSysStatement",
                                                   "where",
                                                   "SPID",
                                                   "=",
                                                   "1",
                                                   "'x'",
                                                   "\"y\"",
                                                   "(",
                                                   ")",
                                                   ",",
                                                   "and",
                                                   "or",
                                                   "not",
                                                   "in",
                                                   "like",
                                                   "between",
                                                   "group",
                                                   "by",
                                                   "order",
                                                   "having",
                                                   "count(*)",
                                                   "getdate()",
                                                   "convert",
                                                   "int",
                                                   "@@spid",
                                                   "kill",
                                                   "dbcc",
                                                   "traceon",
                                                   "stacktrace",
                                                   "sp_configure",
                                                   "exec",
                                                   "sp_showplan",
                                                   "null",
                                                   "use",
                                                   "tempdb",
                                                   "set",
                                                   "print",
                                                   "insert",
                                                   "into",
                                                   "values",
                                                   "update",
                                                   "delete",
                                                   "create",
                                                   "table",
                                                   "drop",
                                                   "tempdb..t",
                                                   "union",
                                                   "distinct",
                                                   "top",
                                                   "case",
                                                   "when",
                                                   "then",
                                                   "else",
                                                   "end",
                                                   "+",
                                                   "-",
                                                   "/",
                                                   "&",
                                                   "0",
                                                   "-1",
                                                   "99999999999999999999",
                                                   "go",
                                                   ";"};
    ScratchDirectory dir;
    auto session = sim::SimSession::open("sim:" + dir.file("soup.asesim"), "sa", "");
    std::mt19937 random(20261211);
    std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
    std::uniform_int_distribution<int> length(1, 12);
    for (int batch = 0; batch < 3000; ++batch) {
        std::string text;
        for (int n = length(random); n > 0; --n)
            text += words[pick(random)] + " ";
        session->execute(text);
    }
    EXPECT_EQ(query(*session, "select @@spid").rows.at(0).at(0).integer, session->spid());
}

} // namespace
