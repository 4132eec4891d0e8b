#include "tests/db/OdbcSandbox.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace dbtest {

namespace {

constexpr const char* driverDirectory = "/usr/lib/x86_64-linux-gnu/odbc/";

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// A socket bound to a free loopback port, listening or not, and the port's number.
std::pair<int, int> loopbackSocket(bool listening) {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (socket < 0 || ::bind(socket, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        (listening && ::listen(socket, 8) != 0) ||
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("cannot bind a loopback port");
    return {socket, ntohs(address.sin_port)};
}

// A loopback port nobody listens on: bound once to learn a free number, then released.
int refusingPort() {
    const auto [socket, port] = loopbackSocket(false);
    ::close(socket);
    return port;
}

// A loopback port whose listener completes the handshake and never says a word:
// the socket stays open, unaccepted, for the whole test program.
int silentPort() {
    return loopbackSocket(true).second;
}

QByteArray serverEntry(const char* name, int port) {
    return QByteArray("[") + name + "]\n\thost = 127.0.0.1\n\tport = " + QByteArray::number(port) +
           "\n\ttds version = 5.0\n";
}

QString setUp() {
    static QTemporaryDir directory;
    const QString path = directory.path();
    writeFile(path + "/odbcinst.ini",
              QByteArray("[SQLite3]\nDriver=") + driverDirectory +
                  "libsqlite3odbc.so\n\n[FreeTDS]\nDriver=" + driverDirectory + "libtdsodbc.so\n");
    writeFile(path + "/odbc.ini", QByteArray("[") + sqliteDataSource +
                                      "]\nDriver=SQLite3\nDatabase=" + path.toUtf8() + "/master\n");
    writeFile(path + "/freetds.conf", serverEntry(refusingServer, refusingPort()) +
                                          serverEntry(silentServer, silentPort()));
    setenv("ODBCSYSINI", path.toUtf8().constData(), 1);
    setenv("ODBCINI", (path + "/odbc.ini").toUtf8().constData(), 1);
    setenv("FREETDSCONF", (path + "/freetds.conf").toUtf8().constData(), 1);
    unsetenv("FARROWDALE_ASE_DRIVER");
    QDir::setCurrent(path);
    return path;
}

QString connectionString(const char* provider, const QString& user, const QString& server,
                         const QString& password) {
    return QStringLiteral("Provider=%1;Persist Security Info=False;User ID=").arg(provider) + user +
           ";Data Source=" + server + ";Initial Catalog=master;Password=" + password;
}

} // namespace

QString odbcSandboxDirectory() {
    static const QString path = setUp();
    return path;
}

QString msdasqlString(const QString& user, const QString& server, const QString& password) {
    return connectionString("MSDASQL.1", user, server, password);
}

QString aseoledbString(const QString& user, const QString& server, const QString& password) {
    return connectionString("ASEOLEDB.1", user, server, password);
}

} // namespace dbtest
