#include "platform/db/OdbcDriver.h"

#include "platform/db/Ado.h"
#include "platform/db/OdbcCursor.h"
#include "platform/db/OdbcLogin.h"

namespace db {

namespace {

class OdbcDriver : public Driver {
public:
    explicit OdbcDriver(const QString& connectionString)
        : session_(odbcLogin(connectionString, std::chrono::seconds(loginTimeoutSeconds))) {}

    std::unique_ptr<Cursor> open(const QString& batch) override;
    void execute(const QString& batch) override;

private:
    // Runs the batch and returns the statement with the outcome of its first result.
    std::unique_ptr<OdbcHandle> run(const QString& batch, SQLRETURN& rc);
    static bool hasColumns(const OdbcHandle& statement, SQLRETURN rc);

    SQLHANDLE connection() const { return session_->connection.get(); }

    std::shared_ptr<OdbcSession> session_;
};

std::unique_ptr<OdbcHandle> OdbcDriver::run(const QString& batch, SQLRETURN& rc) {
    auto statement = std::make_unique<OdbcHandle>(SQL_HANDLE_STMT, connection());
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
