#include "platform/db/OdbcDriver.h"

#include "platform/db/Ado.h"
#include "platform/db/OdbcCursor.h"

#include <limits>

namespace db {

namespace {

class OdbcDriver : public Driver {
public:
    explicit OdbcDriver(const QString& connectionString);
    ~OdbcDriver() override { SQLDisconnect(connection_.get()); }

    std::unique_ptr<Cursor> open(const QString& batch) override;
    void execute(const QString& batch) override;

private:
    // Runs the batch and returns the statement with the outcome of its first result.
    std::unique_ptr<OdbcHandle> run(const QString& batch, SQLRETURN& rc);
    static bool hasColumns(const OdbcHandle& statement, SQLRETURN rc);

    OdbcHandle environment_{SQL_HANDLE_ENV, SQL_NULL_HANDLE};
    OdbcHandle connection_;
};

OdbcHandle& withOdbc3(OdbcHandle& environment) {
    environment.check(SQLSetEnvAttr(environment.get(), SQL_ATTR_ODBC_VERSION,
                                    reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0));
    return environment;
}

OdbcDriver::OdbcDriver(const QString& connectionString)
    : connection_(SQL_HANDLE_DBC, withOdbc3(environment_).get()) {
    // Both bound the login; a driver that knows neither attribute just ignores it.
    const auto timeout = reinterpret_cast<SQLPOINTER>(SQLULEN(loginTimeoutSeconds));
    SQLSetConnectAttr(connection_.get(), SQL_ATTR_LOGIN_TIMEOUT, timeout, 0);
    SQLSetConnectAttr(connection_.get(), SQL_ATTR_CONNECTION_TIMEOUT, timeout, 0);
    QByteArray text = connectionString.toUtf8();
    if (text.size() > std::numeric_limits<SQLSMALLINT>::max())
        throw DbError(QStringLiteral("The connection string is too long."));
    SQLSMALLINT completedLength = 0;
    connection_.check(SQLDriverConnect(
        connection_.get(), nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
        SQLSMALLINT(text.size()), nullptr, 0, &completedLength, SQL_DRIVER_NOPROMPT));
}

std::unique_ptr<OdbcHandle> OdbcDriver::run(const QString& batch, SQLRETURN& rc) {
    auto statement = std::make_unique<OdbcHandle>(SQL_HANDLE_STMT, connection_.get());
    QByteArray text = batch.toUtf8();
    rc = statement->check(SQLExecDirect(statement->get(), reinterpret_cast<SQLCHAR*>(text.data()),
                                        SQLINTEGER(text.size())));
    return statement;
}

bool OdbcDriver::hasColumns(const OdbcHandle& statement, SQLRETURN rc) {
    if (rc == SQL_NO_DATA)
        return false;
    SQLSMALLINT columns = 0;
    statement.check(SQLNumResultCols(statement.get(), &columns));
    return columns > 0;
}

std::unique_ptr<Cursor> OdbcDriver::open(const QString& batch) {
    SQLRETURN rc = SQL_SUCCESS;
    std::unique_ptr<OdbcHandle> statement = run(batch, rc);
    while (!hasColumns(*statement, rc)) {
        rc = statement->check(SQLMoreResults(statement->get()));
        if (rc == SQL_NO_DATA)
            throw DbError(noResultSetText());
    }
    return std::make_unique<OdbcCursor>(std::move(statement));
}

void OdbcDriver::execute(const QString& batch) {
    SQLRETURN rc = SQL_SUCCESS;
    std::unique_ptr<OdbcHandle> statement = run(batch, rc);
    while (statement->check(SQLMoreResults(statement->get())) != SQL_NO_DATA) {
    }
}

} // namespace

std::unique_ptr<Driver> connectOdbc(const QString& odbcConnectionString) {
    return std::make_unique<OdbcDriver>(odbcConnectionString);
}

} // namespace db
