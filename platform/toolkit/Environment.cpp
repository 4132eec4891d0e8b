#include "platform/toolkit/Environment.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace toolkit {

QString temporaryDirectory() {
    const QString temp = qEnvironmentVariable("TEMP");
    if (!temp.isEmpty())
        return temp;
    QString base = qEnvironmentVariable("TMPDIR");
    if (base.isEmpty())
        base = QStringLiteral("/tmp");
    const QString dir = QStringLiteral("%1/farrowdale-%2").arg(base).arg(getuid());
    ::mkdir(QFile::encodeName(dir).constData(), 0700);
    return dir;
}

QString programFileStem(const QString& programFile) {
    const QString name = QFileInfo(programFile).fileName();
    if (name.size() > 4 && name[name.size() - 4] == u'.')
        return programFile.left(programFile.size() - 4);
    return programFile;
}

} // namespace toolkit
