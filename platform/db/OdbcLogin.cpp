#include "platform/db/OdbcLogin.h"

#include "platform/db/Ado.h"

#include <condition_variable>
#include <limits>
#include <mutex>
#include <thread>

namespace db {

namespace {

// Past the login timeout, the driver gets this long to report its own error.
constexpr std::chrono::seconds grace{5};

OdbcHandle& withOdbc3(OdbcHandle& environment) {
    environment.check(SQLSetEnvAttr(environment.get(), SQL_ATTR_ODBC_VERSION,
                                    reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0));
    return environment;
}

// Shared by the caller and the login thread; whichever lets go last frees the session.
struct LoginAttempt {
    std::shared_ptr<OdbcSession> session = std::make_shared<OdbcSession>();
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    QString error; // the driver's text when the login failed
};

void logIn(const std::shared_ptr<LoginAttempt>& attempt, QByteArray text) {
    OdbcHandle& connection = attempt->session->connection;
    SQLSMALLINT completedLength = 0;
    const SQLRETURN rc = SQLDriverConnect(
        connection.get(), nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
        SQLSMALLINT(text.size()), nullptr, 0, &completedLength, SQL_DRIVER_NOPROMPT);
    const bool failed = rc == SQL_ERROR || rc == SQL_INVALID_HANDLE;
    const QString error = failed ? connection.diagnostics() : QString();
    const std::lock_guard lock(attempt->mutex);
    attempt->session->connected = !failed;
    attempt->error = error;
    attempt->done = true;
    attempt->finished.notify_all();
}

} // namespace

OdbcSession::OdbcSession()
    : environment(SQL_HANDLE_ENV, SQL_NULL_HANDLE),
      connection(SQL_HANDLE_DBC, withOdbc3(environment).get()) {}

OdbcSession::~OdbcSession() {
    if (connected)
        SQLDisconnect(connection.get());
}

QString loginOverrunText(std::chrono::seconds timeout) {
    return QStringLiteral("Login timeout expired: the server did not complete the login within "
                          "%1 seconds.")
        .arg(timeout.count());
}

std::shared_ptr<OdbcSession> odbcLogin(const QString& connectionString,
                                       std::chrono::seconds timeout) {
    const QByteArray text = connectionString.toUtf8();
    if (text.size() > std::numeric_limits<SQLSMALLINT>::max())
        throw DbError(QStringLiteral("The connection string is too long."));
    auto attempt = std::make_shared<LoginAttempt>();
    // Both bound the login; a driver that knows neither attribute just ignores it.
    const auto seconds = reinterpret_cast<SQLPOINTER>(SQLULEN(timeout.count()));
    SQLHANDLE connection = attempt->session->connection.get();
    SQLSetConnectAttr(connection, SQL_ATTR_LOGIN_TIMEOUT, seconds, 0);
    SQLSetConnectAttr(connection, SQL_ATTR_CONNECTION_TIMEOUT, seconds, 0);
    std::thread(logIn, attempt, text).detach();

    std::unique_lock lock(attempt->mutex);
    if (!attempt->finished.wait_for(lock, timeout + grace, [&] { return attempt->done; }))
        throw DbError(loginOverrunText(timeout));
    if (!attempt->session->connected)
        throw DbError(attempt->error);
    return attempt->session;
}

} // namespace db
