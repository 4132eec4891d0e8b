// Grabs each tab of the window, offscreen, into PNG files for the README:
//   farrowdale-screenshots <directory>
// The window is connected to a fresh simulated server and has run its query, so
// the pictures show what a user sees after a first sample.

#include "app/paBrindles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: farrowdale-screenshots <directory>\n", stderr);
        return 2;
    }
    // The demo server's state file and the server list stay out of the user's own.
    const QTemporaryDir scratch;
    qputenv("TEMP", QFile::encodeName(scratch.path()));
    QDir::setCurrent(scratch.path());
    toolkit::ScriptedDialogs dialogs;
    toolkit::SystemClock clock;
    TfmBrindle window(dialogs, clock);
    window.cbDb->setEditText(QStringLiteral("sim:demo"));
    window.reSQLs->setPlainText(QStringLiteral(
        "-- select * from master..monProcessActivity\nselect SPID, CPUTime, WaitTime, "
        "LogicalReads from master..monProcessActivity"));
    window.show();
    window.btOk->click();
    window.cbLog->setChecked(true);
    window.btSQLExec->click();
    const char* names[] = {"tab-configurations.png", "tab-montables.png", "tab-sql.png",
                           "tab-log.png"};
    for (int tab = 0; tab < 4; ++tab) {
        window.tbTabStrip->setCurrentIndex(tab);
        QApplication::processEvents();
        if (!window.grab().save(QDir(QString::fromLocal8Bit(argv[1])).filePath(names[tab])))
            return 1;
    }
    return 0;
}
