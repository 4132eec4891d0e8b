#pragma once

// Runs the built program as a user starts it, offscreen, in a private directory.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace programrun {

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    bool finished = false;
};

// Offscreen, in workDir, with workDir as its temporary directory.
inline void startProgram(QProcess& process, const QString& program, const QStringList& arguments,
                         const QString& workDir) {
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TEMP", workDir);
    process.setProcessEnvironment(env);
    process.start();
    process.waitForStarted();
}

inline ProgramRun waitForEnd(QProcess& process) {
    ProgramRun run;
    // Generous: the marker is seen within about a second, but a loaded machine may be slow.
    run.finished = process.waitForFinished(60000);
    if (!run.finished)
        process.kill();
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    return run;
}

inline ProgramRun runProgram(const QString& program, const QStringList& arguments,
                             const QString& workDir) {
    QProcess process;
    startProgram(process, program, arguments, workDir);
    return waitForEnd(process);
}

// A copy of the program in `dir`, so that its exit marker lies there too.
inline QString programCopy(const QTemporaryDir& dir) {
    const QString copy = dir.filePath("farrowdale");
    if (QFile::copy(FARROWDALE_BINARY, copy))
        QFile(copy).setPermissions(QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
    return copy;
}

inline void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace programrun
