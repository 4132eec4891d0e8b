#include "platform/db/OdbcConnectionString.h"

namespace db {

namespace {

bool needsBraces(const QString& value) {
    if (value.isEmpty())
        return false;
    if (value.front().isSpace() || value.back().isSpace())
        return true;
    for (QChar c : value)
        if (c == u';' || c == u'{' || c == u'}' || c == u'=')
            return true;
    return false;
}

QString loginAndCatalog(const ConnectionSettings& settings) {
    const QString catalog =
        settings.initialCatalog.isEmpty() ? QStringLiteral("master") : settings.initialCatalog;
    return QStringLiteral(";UID=") + odbcValue(settings.userId) + QStringLiteral(";PWD=") +
           odbcValue(settings.password) + QStringLiteral(";DATABASE=") + odbcValue(catalog);
}

} // namespace

QString odbcValue(const QString& value) {
    if (!needsBraces(value))
        return value;
    return QStringLiteral("{") + QString(value).replace(QStringLiteral("}"), QStringLiteral("}}")) +
           u'}';
}

QString odbcDataSourceString(const ConnectionSettings& settings) {
    return QStringLiteral("DSN=") + odbcValue(settings.dataSource) + loginAndCatalog(settings);
}

QString odbcAseServerString(const ConnectionSettings& settings, const QString& driverName) {
    // The driver name is always braced: installed driver names hold blanks.
    return QStringLiteral("DRIVER={") +
           QString(driverName).replace(QStringLiteral("}"), QStringLiteral("}}")) +
           QStringLiteral("};SERVERNAME=") + odbcValue(settings.dataSource) +
           loginAndCatalog(settings) + QStringLiteral(";ClientCharset=UTF-8");
}

QString aseDriverName() {
    const QString fromEnvironment = qEnvironmentVariable("FARROWDALE_ASE_DRIVER");
    return fromEnvironment.isEmpty() ? QStringLiteral("FreeTDS") : fromEnvironment;
}

} // namespace db
