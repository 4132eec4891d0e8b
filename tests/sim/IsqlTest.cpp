// The isql stand-in: its command line, its batches and its output, and the
// whole program run from a shell as the process actions start it.

#include "SimTestSupport.h"

#include "simulator/isql/IsqlOptions.h"
#include "simulator/isql/IsqlReport.h"
#include "simulator/isql/IsqlRun.h"
#include "simulator/isql/IsqlScript.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace simtest;

namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(IsqlOptions, ValuesGluedOrSeparateAndAnEmptyPassword) {
    const auto glued = isql::parseOptions(
        {"-Usa", "-P", "-Ssim:/tmp/x.asesim", "-i", "/tmp/s.sql", "-o", "/tmp/s.res", "-w", "321"});
    ASSERT_TRUE(glued.options) << glued.error;
    EXPECT_EQ(glued.options->user, "sa");
    EXPECT_EQ(glued.options->password, "");
    EXPECT_EQ(glued.options->server, "sim:/tmp/x.asesim");
    EXPECT_EQ(glued.options->width, 321);
    const auto separate = isql::parseOptions({"-U", "bob", "-P", "pw", "-S", "sim:X", "-i", "in",
                                              "-o", "out", "-X", "-J", "utf8", "-w200"});
    ASSERT_TRUE(separate.options) << separate.error;
    EXPECT_EQ(separate.options->password, "pw");
    EXPECT_EQ(separate.options->width, 200);
}

TEST(IsqlOptions, MissingOrBadOptionsAreRefused) {
    const std::vector<std::vector<std::string>> cases = {
        {"-Usa", "-Ssim:X", "-i", "in", "-o", "out"}, // no -P
        {"-Usa", "-P", "-i", "in", "-o", "out"},      // no -S
        {"-Usa", "-P", "-Ssim:X", "-o", "out"},       // no -i
        {"-Usa", "-P", "-Ssim:X", "-i", "in", "-o", "out", "-w", "wide"},
        {"-Usa", "-P", "-Ssim:X", "-i", "in", "-o", "out", "stray"},
    };
    for (const auto& arguments : cases)
        EXPECT_FALSE(isql::parseOptions(arguments).options) << arguments.back();
    std::ostringstream diagnostics;
    EXPECT_EQ(isql::runIsql({"-Usa"}, diagnostics), 1);
    EXPECT_NE(diagnostics.str().find("usage: farrowdale-isql"), std::string::npos);
}

TEST(IsqlScript, GoLinesSeparateBatches) {
    EXPECT_EQ(
        isql::splitBatches("dbcc traceon (3604)\r\ngo\r\ndbcc stacktrace(12)\r\ngo\r\n", "go"),
        (std::vector<std::string>{"dbcc traceon (3604)\n", "dbcc stacktrace(12)\n"}));
    EXPECT_EQ(isql::splitBatches("select 1\n  GO  \n\ngo\nselect 2\n", "go"),
              (std::vector<std::string>{"select 1\n", "select 2\n"}));
    EXPECT_EQ(isql::splitBatches("select 'go'\ngone\n", "go"),
              (std::vector<std::string>{"select 'go'\ngone\n"}));
}

TEST(IsqlReport, RowsWrapAtTheWidthWithCountsAndMessages) {
    sim::SimBatchOutcome outcome;
    sim::SimResult result;
    result.columns = {"spid", "program_name"};
    result.columnKinds = {sim::SimValue::Kind::Integer, sim::SimValue::Kind::Text};
    sim::SimValue spid;
    spid.kind = sim::SimValue::Kind::Integer;
    spid.integer = 7;
    sim::SimValue name;
    name.kind = sim::SimValue::Kind::Text;
    name.text = "shop_server";
    result.rows = {{spid, name}};
    result.rowsAffected = 1;
    outcome.results.push_back(result);
    outcome.error = sim::SimError(sim::SimMessage{208, 16, 1, 2, "x not found."});
    std::ostringstream wide;
    isql::writeOutcome(wide, outcome, "DEMO", 80);
    EXPECT_EQ(wide.str(), " spid program_name\n"
                          " ---- ------------\n"
                          "    7 shop_server\n"
                          "\n(1 row affected)\n"
                          "Msg 208, Level 16, State 1:\nServer 'DEMO', Line 2:\nx not found.\n");
    std::ostringstream narrow;
    isql::writeOutcome(narrow, sim::SimBatchOutcome{{result}, std::nullopt}, "DEMO", 12);
    EXPECT_EQ(narrow.str(), " spid\n program_name\n ----\n ------------\n    7\n shop_server\n"
                            "\n(1 row affected)\n");
    sim::SimValue stamp;
    stamp.kind = sim::SimValue::Kind::DateTime;
    stamp.text = "2026-12-11 14:05:09.120";
    EXPECT_EQ(isql::displayText(stamp), "Dec 11 2026  2:05PM");
}

// The command line of the process actions, run by a shell, with the two
// scripts they write.
TEST(IsqlProgram, StackAndPlanScriptsFromAShell) {
    ScratchDirectory dir;
    const std::string server = "sim:" + dir.file("x.asesim");
    auto watcher = sim::SimSession::open(server, "sa", "");
    const sim::SimResult busy = query(*watcher, "select spid from master..sysprocesses "
                                                "where spid > 12 and cmd <> 'AWAITING COMMAND'");
    ASSERT_FALSE(busy.rows.empty());
    const std::string spid = std::to_string(busy.rows[0][0].integer);
    std::ofstream(dir.file("s.sql"))
        << "dbcc traceon (3604)\r\ngo\r\ndbcc stacktrace(" << spid << ")\r\ngo\r\nexec sp_showplan "
        << spid << ",null,null,null\r\ngo\r\n";
    const std::string command = std::string(FARROWDALE_ISQL_PROGRAM) + " -Usa -P -S" + server +
                                " -i " + dir.file("s.sql") + " -o " + dir.file("s.res") + " -w 321";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string output = fileText(dir.file("s.res"));
    EXPECT_NE(output.find("DBCC execution completed."), std::string::npos) << output;
    EXPECT_NE(output.find("Begin stack trace of spid " + spid), std::string::npos) << output;
    EXPECT_NE(output.find("QUERY PLAN FOR STATEMENT"), std::string::npos) << output;
    EXPECT_NE(output.find("(return status = 0)"), std::string::npos) << output;

    const std::string refused = std::string(FARROWDALE_ISQL_PROGRAM) + " -Usa -P -S" + server +
                                " -o " + dir.file("t.res") + " 2>/dev/null";
    EXPECT_NE(std::system(refused.c_str()), 0);
}

TEST(IsqlProgram, RefusedLoginIsWrittenToTheOutput) {
    ScratchDirectory dir;
    std::ofstream(dir.file("s.sql")) << "select 1\ngo\n";
    std::ostringstream diagnostics;
    EXPECT_EQ(isql::runIsql({"-Unobody", "-P", "-Ssim:" + dir.file("y.asesim"), "-i",
                             dir.file("s.sql"), "-o", dir.file("s.res")},
                            diagnostics),
              1);
    EXPECT_NE(fileText(dir.file("s.res")).find("Login failed."), std::string::npos);
}

} // namespace
