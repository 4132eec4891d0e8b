// Grabs each tab of the window, offscreen, into PNG files for the README:
//   farrowdale-screenshots <directory>

#include "app/paBrindles.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTabBar>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: farrowdale-screenshots <directory>\n", stderr);
        return 2;
    }
    toolkit::ScriptedDialogs dialogs;
    toolkit::SystemClock clock;
    TfmBrindle window(dialogs, clock);
    window.cbDb->setEditText(QStringLiteral("sim:demo"));
    window.reSQLs->setPlainText(QStringLiteral(
        "-- select * from master..monProcessActivity\nselect SPID, CPUTime, WaitTime, "
        "LogicalReads from master..monProcessActivity"));
    window.LogStatement(QStringLiteral("select @@spid SPID"));
    window.show();
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
