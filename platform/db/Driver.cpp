#include "platform/db/Driver.h"

#include "platform/db/Ado.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/OdbcConnectionString.h"
#include "platform/db/OdbcDriver.h"
#include "platform/db/SimDriver.h"

namespace db {

namespace {

bool isProvider(const QString& provider, QLatin1StringView name) {
    return provider.section(u'.', 0, 0).trimmed().compare(name, Qt::CaseInsensitive) == 0;
}

} // namespace

QString noResultSetText() {
    return QStringLiteral("CommandText does not return a result set");
}

std::unique_ptr<Driver> openDriver(const QString& connectionString) {
    const ConnectionSettings settings = parseConnectionString(connectionString);
    if (settings.dataSource.startsWith(u"sim:"))
        return connectSimulator(settings);
    if (isProvider(settings.provider, QLatin1StringView("MSDASQL")))
        return connectOdbc(odbcDataSourceString(settings));
    if (isProvider(settings.provider, QLatin1StringView("ASEOLEDB")))
        return connectOdbc(odbcAseServerString(settings, aseDriverName()));
    throw DbError(QStringLiteral("Provider '%1' is not supported: use MSDASQL.1 or ASEOLEDB.1.")
                      .arg(settings.provider));
}

} // namespace db
