#include "app/ProgramOptions.h"
#include "app/paBrindles.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace {

QStringList commandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Help, version and a line that cannot be understood are answered on the
// console; the result is the exit status, or nothing when the window should open.
std::optional<int> answerOnConsole(const ProgramOptions& options) {
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
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    // Help and version need no display. Toolkit options such as "-platform" are
    // only understood once the application object has taken them off the line.
    if (const ProgramOptions early = parseProgramOptions(commandLine(argc, argv));
        early.error.isEmpty())
        if (const std::optional<int> status = answerOnConsole(early))
            return *status;
    QApplication app(argc, argv);
    const ProgramOptions options = parseProgramOptions(QCoreApplication::arguments());
    if (const std::optional<int> status = answerOnConsole(options))
        return *status;
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
