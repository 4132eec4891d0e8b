#include "platform/db/OdbcHandle.h"

#include "platform/db/Ado.h"
#include "platform/db/DriverText.h"

#include <QStringList>

namespace db {

OdbcHandle::OdbcHandle(SQLSMALLINT type, SQLHANDLE parent) : type_(type) {
    if (!SQL_SUCCEEDED(SQLAllocHandle(type, parent, &handle_))) {
        handle_ = SQL_NULL_HANDLE;
        throw DbError(QStringLiteral("The ODBC driver manager could not allocate a handle."));
    }
}

OdbcHandle::~OdbcHandle() {
    SQLFreeHandle(type_, handle_);
}

QString OdbcHandle::diagnostics() const {
    QStringList messages;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLCHAR state[6];
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        QByteArray message(512, '\0');
        SQLRETURN rc = SQLGetDiagRec(type_, handle_, record, state, &native,
                                     reinterpret_cast<SQLCHAR*>(message.data()),
                                     SQLSMALLINT(message.size()), &length);
        if (rc == SQL_SUCCESS_WITH_INFO && length >= message.size()) {
            message.resize(length + 1);
            rc = SQLGetDiagRec(type_, handle_, record, state, &native,
                               reinterpret_cast<SQLCHAR*>(message.data()),
                               SQLSMALLINT(message.size()), &length);
        }
        if (!SQL_SUCCEEDED(rc))
            break;
        message.truncate(qstrnlen(message.constData(), message.size()));
        messages.append(decodeDriverText(message));
    }
    if (messages.isEmpty())
        return QStringLiteral("The ODBC driver reported a failure without a message.");
    return messages.join(u'\n');
}

SQLRETURN OdbcHandle::check(SQLRETURN rc) const {
    if (rc == SQL_ERROR || rc == SQL_INVALID_HANDLE)
        throw DbError(diagnostics());
    return rc;
}

} // namespace db
