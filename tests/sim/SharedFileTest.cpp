// One server file shared by several connections (the program and the isql
// stand-in): where the file lives, what they see of each other, writes at the
// same moment, and a file that cannot be used.

#include "SimTestSupport.h"

#include "simulator/StateFile.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace simtest;

namespace {

class SharedFile : public ::testing::Test {
protected:
    ScratchDirectory dir;
    std::string source = "sim:" + dir.file("shared.asesim");
};

TEST_F(SharedFile, ConnectionsSeeEachOtherAndShareConfiguration) {
    auto first = sim::SimSession::open(source, "sa", "");
    auto second = sim::SimSession::open(source, "sa", "");
    EXPECT_NE(first->spid(), second->spid());
    EXPECT_EQ(query(*second, "select @@spid").rows[0][0].integer, second->spid());
    const sim::SimResult clients =
        query(*first, "select spid from master..sysprocesses where program_name = 'farrowdale'");
    EXPECT_EQ(clients.rows.size(), 2u);
    run(*first, "sp_configure 'per object statistics active', 0");
    EXPECT_EQ(failure(*second, "select * from master..monProcessActivity").number, 12052);
}

TEST_F(SharedFile, DisconnectingFreesTheProcessAndKillEndsAnotherConnection) {
    auto first = sim::SimSession::open(source, "sa", "");
    const int gone = sim::SimSession::open(source, "sa", "")->spid();
    EXPECT_TRUE(
        query(*first, "select spid from master..sysprocesses where spid = " + std::to_string(gone))
            .rows.empty());
    auto victim = sim::SimSession::open(source, "sa", "");
    run(*first, "kill " + std::to_string(victim->spid()));
    EXPECT_EQ(failure(*victim, "select 1").number, 4006);
}

// The program and the isql stand-in are separate processes: a second process
// writes while this one does, and neither loses a row or damages the file.
TEST_F(SharedFile, ConcurrentProcessesLoseNothing) {
    run(*sim::SimSession::open(source, "sa", ""), "create table tempdb..log (who int, n int)");
    constexpr int kRows = 150;
    const auto writeRows = [this](int who) {
        auto session = sim::SimSession::open(source, "sa", "");
        int failures = 0;
        for (int n = 0; n < kRows; ++n)
            failures += bool(session
                                 ->execute("insert into tempdb..log values (" +
                                           std::to_string(who) + ", " + std::to_string(n) + ")")
                                 .error);
        return failures;
    };
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0)
        _exit(writeRows(2) == 0 ? 0 : 1);
    EXPECT_EQ(writeRows(1), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    auto reader = sim::SimSession::open(source, "sa", "");
    EXPECT_EQ(query(*reader, "select count(*) from tempdb..log").rows[0][0].integer, 2 * kRows);
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(dir.file("shared.asesim").c_str(), &raw), SQLITE_OK);
    sqlite3_stmt* check = nullptr;
    sqlite3_prepare_v2(raw, "pragma integrity_check", -1, &check, nullptr);
    ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
    sqlite3_finalize(check);
    sqlite3_close(raw);
}

TEST_F(SharedFile, LockedOrForeignFileGivesAClearError) {
    sim::SimSession::open(source, "sa", "");
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(dir.file("shared.asesim").c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
    try {
        sim::SimSession::open(source, "sa", "")->execute("select 1");
        ADD_FAILURE() << "a locked file was used";
    } catch (const sim::SimError& error) {
        EXPECT_NE(std::string(error.what()).find("locked"), std::string::npos) << error.what();
    }
    sqlite3_exec(holder, "rollback", nullptr, nullptr, nullptr);
    sqlite3_close(holder);

    std::ofstream(dir.file("notes.asesim")) << "these are not the droids you are looking for\n";
    EXPECT_THROW(sim::SimSession::open("sim:" + dir.file("notes.asesim"), "sa", ""), sim::SimError);
}

TEST(DataSource, NamesMapToTheTemporaryDirectory) {
    ScratchDirectory dir;
    const char* saved = std::getenv("TEMP");
    const std::string previous = saved ? saved : "";
    setenv("TEMP", dir.path().c_str(), 1);
    const sim::StateLocation named = sim::locateState("sim:DEMO");
    EXPECT_EQ(named.path, dir.file("DEMO.asesim"));
    EXPECT_EQ(named.serverName, "DEMO");
    EXPECT_EQ(sim::locateState("sim:/var/x/prod.asesim").path, "/var/x/prod.asesim");
    EXPECT_EQ(sim::locateState("sim::memory:").path, ":memory:");
    for (const char* bad : {"PRODSRV", "sim:", "sim:../up", "sim:a/b", "odbc:x"})
        EXPECT_THROW(sim::locateState(bad), sim::SimError) << bad;
    unsetenv("TEMP");
    const std::string own = sim::temporaryDirectory();
    EXPECT_NE(own.find("/farrowdale-" + std::to_string(getuid())), std::string::npos);
    EXPECT_EQ(std::filesystem::status(own).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
    if (saved)
        setenv("TEMP", previous.c_str(), 1);
}

} // namespace
