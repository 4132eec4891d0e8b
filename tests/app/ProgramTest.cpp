// The program as a user starts it.

#include "app/ProgramOptions.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    bool finished = false;
};

ProgramRun runProgram(const QString& program, const QStringList& arguments, const QString& workDir) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TEMP", workDir);
    process.setProcessEnvironment(env);
    process.start();
    ProgramRun run;
    // Generous: the marker is seen within about a second, but a loaded machine may be slow.
    run.finished = process.waitForFinished(60000);
    if (!run.finished)
        process.kill();
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    return run;
}

} // namespace

TEST(Program, VersionPrintsTheNameAndExits) {
    QTemporaryDir dir;
    const ProgramRun run = runProgram(FARROWDALE_BINARY, {"--version"}, dir.path());
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.trimmed(), "Farrowdale v.2.1");
}

TEST(Program, AnExitMarkerBesideTheProgramEndsIt) {
    QTemporaryDir dir;
    const QString copy = dir.filePath("farrowdale");
    ASSERT_TRUE(QFile::copy(FARROWDALE_BINARY, copy));
    QFile(copy).setPermissions(QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
    QFile marker(dir.filePath("farrowdale.out"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    const ProgramRun run = runProgram(copy, {}, dir.path());
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
}

TEST(ProgramOptions, ParsesTheKnownOptionsAndRefusesOthers) {
    const ProgramOptions server = parseProgramOptions({"farrowdale", "--server", "PRODSRV"});
    EXPECT_EQ(server.server, "PRODSRV");
    EXPECT_TRUE(server.error.isEmpty());
    EXPECT_TRUE(parseProgramOptions({"farrowdale", "--demo"}).demo);
    EXPECT_TRUE(parseProgramOptions({"farrowdale", "--connect"}).connect);
    EXPECT_FALSE(parseProgramOptions({"farrowdale", "--server"}).error.isEmpty());
    EXPECT_FALSE(parseProgramOptions({"farrowdale", "--bogus"}).error.isEmpty());
}
