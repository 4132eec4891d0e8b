#include "platform/toolkit/ChildProcess.h"

#include <QProcess>
#include <QStringList>

namespace toolkit {

ChildOutcome runChildProcess(const QString& commandLine, const QString& workingDirectory,
                             int timeoutMs) {
    QStringList words = commandLine.split(u' ', Qt::SkipEmptyParts);
    ChildOutcome outcome;
    if (words.isEmpty())
        return outcome;
    QProcess child;
    child.setProgram(words.takeFirst());
    child.setArguments(words);
    child.setWorkingDirectory(workingDirectory);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start();
    outcome.started = child.waitForStarted();
    if (!outcome.started)
        return outcome;
    outcome.finished = child.waitForFinished(timeoutMs);
    if (!outcome.finished) {
        child.kill();
        child.waitForFinished();
        return outcome;
    }
    outcome.exitCode = child.exitCode();
    return outcome;
}

} // namespace toolkit
