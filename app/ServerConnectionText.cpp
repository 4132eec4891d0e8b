#include "app/ServerConnection.h"

#include "platform/db/ConnectionString.h"

namespace connection {

QString connectionString(bool odbc, const QString& user, const QString& server,
                         const QString& password) {
    const QString provider = odbc ? QStringLiteral("MSDASQL.1") : QStringLiteral("ASEOLEDB.1");
    return QStringLiteral("Provider=") + provider +
           QStringLiteral(";Persist Security Info=False;User ID=") + db::adoValue(user) +
           QStringLiteral(";Data Source=") + db::adoValue(server) +
           QStringLiteral(";Initial Catalog=master;Password=") + db::adoValue(password);
}

QStringList ownSpidQuery() {
    return {QStringLiteral("/**/"), QStringLiteral("select @@spid SPID")};
}

} // namespace connection
