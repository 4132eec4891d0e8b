#pragma once

#include <QString>

// Starts a program from one command line, split on blanks and started directly
// (no shell, so nothing in the line is interpreted), in a working directory,
// and waits for it within a bound; a child that outlives the bound is killed.
namespace toolkit {

struct ChildOutcome {
    bool started = false;
    bool finished = false; // false when it had to be killed at the bound
    int exitCode = -1;
};

ChildOutcome runChildProcess(const QString& commandLine, const QString& workingDirectory,
                             int timeoutMs = 60000);

} // namespace toolkit
