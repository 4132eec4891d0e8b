// The program as a user starts it.

#include "ProgramRun.h"
#include "app/ProgramOptions.h"

#include <gtest/gtest.h>

using namespace programrun;

TEST(Program, VersionPrintsTheNameAndExits) {
    QTemporaryDir dir;
    const ProgramRun run = runProgram(FARROWDALE_BINARY, {"--version"}, dir.path());
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.trimmed(), "Farrowdale v.2.1");
}

TEST(Program, HelpAndVersionAnswerWithoutADisplay) {
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    for (const char* option : {"--version", "--help"}) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        process.start(FARROWDALE_BINARY, {option});
        ASSERT_TRUE(process.waitForFinished(60000)) << option;
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << option;
        EXPECT_EQ(process.exitCode(), 0) << option;
        EXPECT_FALSE(process.readAllStandardOutput().isEmpty()) << option;
    }
}

TEST(Program, AnExitMarkerBesideTheProgramEndsIt) {
    QTemporaryDir dir;
    touch(dir.filePath("farrowdale.out"));
    const ProgramRun run = runProgram(programCopy(dir), {}, dir.path());
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
}

TEST(ProgramOptions, ParsesTheKnownOptionsAndRefusesOthers) {
    const ProgramOptions server = parseProgramOptions({"farrowdale", "--server", "PRODSRV"});
    EXPECT_EQ(server.server, "PRODSRV");
    EXPECT_TRUE(server.error.isEmpty());
    EXPECT_TRUE(parseProgramOptions({"farrowdale", "--connect"}).connect);
    EXPECT_FALSE(server.connect);
    for (const QStringList& line :
         {QStringList{"farrowdale", "--demo"}, QStringList{"farrowdale", "--server", "X", "--demo"},
          QStringList{"farrowdale", "--demo", "--server", "X"}}) {
        const ProgramOptions demo = parseProgramOptions(line);
        EXPECT_EQ(demo.server, "sim:demo");
        EXPECT_TRUE(demo.connect);
    }
    EXPECT_FALSE(parseProgramOptions({"farrowdale", "--server"}).error.isEmpty());
    EXPECT_FALSE(parseProgramOptions({"farrowdale", "--bogus"}).error.isEmpty());
}
