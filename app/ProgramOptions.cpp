#include "app/ProgramOptions.h"

ProgramOptions parseProgramOptions(const QStringList& arguments) {
    ProgramOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
            options.help = true;
        } else if (arg == QStringLiteral("--version")) {
            options.version = true;
        } else if (arg == QStringLiteral("--connect")) {
            options.connect = true;
        } else if (arg == QStringLiteral("--demo")) {
            options.demo = true;
        } else if (arg == QStringLiteral("--server")) {
            if (++i == arguments.size()) {
                options.error = QStringLiteral("--server needs a server name");
                break;
            }
            options.server = arguments[i];
        } else if (arg.startsWith(QStringLiteral("--server="))) {
            options.server = arg.mid(9);
        } else {
            options.error = QStringLiteral("unknown option: ") + arg;
            break;
        }
    }
    if (options.demo) {
        options.server = QStringLiteral("sim:demo");
        options.connect = true;
    }
    return options;
}

QString programUsage() {
    return QStringLiteral(
        "Usage: farrowdale [--server NAME] [--connect] [--demo]\n"
        "  --server NAME  put NAME in the server box (an ODBC data source, an ASE server\n"
        "                 name, or sim:NAME for the simulated server)\n"
        "  --connect      connect to that server once the window is shown\n"
        "  --demo         the same as --server sim:demo --connect\n"
        "  --version      print the program's name and version\n"
        "  --help         print this text\n");
}
