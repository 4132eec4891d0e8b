#include "app/ProgramOptions.h"
#include "app/paBrindles.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const ProgramOptions options = parseProgramOptions(QCoreApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "farrowdale: %s\n%s", qPrintable(options.error),
                     qPrintable(programUsage()));
        return 2;
    }
    if (options.help) {
        std::fputs(qPrintable(programUsage()), stdout);
        return 0;
    }
    if (options.version) {
        std::puts("Farrowdale v.2.1");
        return 0;
    }
    toolkit::QtDialogs dialogs;
    toolkit::SystemClock clock;
    TfmBrindle fmBrindle(dialogs, clock);
    dialogs.SetOwner(&fmBrindle);
    if (options.server)
        fmBrindle.cbDb->setEditText(*options.server);
    fmBrindle.show();
    if (options.connect)
        QTimer::singleShot(0, fmBrindle.btOk, &QPushButton::click);
    return app.exec();
}
