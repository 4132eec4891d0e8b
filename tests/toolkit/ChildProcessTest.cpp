#include "platform/toolkit/ChildProcess.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using toolkit::runChildProcess;

TEST(ChildProcess, RunsInItsDirectoryWithoutAShell) {
    QTemporaryDir dir;
    const auto outcome = runChildProcess("touch made;by-shell", dir.path());
    EXPECT_TRUE(outcome.started);
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("made;by-shell")));
}

TEST(ChildProcess, AMissingProgramDoesNotStartAndASlowOneIsKilledAtTheBound) {
    QTemporaryDir dir;
    EXPECT_FALSE(runChildProcess("no-such-program-here -x", dir.path()).started);
    EXPECT_FALSE(runChildProcess("", dir.path()).started);
    const auto slow = runChildProcess("sleep 30", dir.path(), 200);
    EXPECT_TRUE(slow.started);
    EXPECT_FALSE(slow.finished);
}
