#pragma once

// The ODBC connection strings the two providers map to:
//   MSDASQL:  DSN=<Data Source>;UID=<User ID>;PWD=<Password>;DATABASE=<Initial Catalog>
//   ASEOLEDB: DRIVER={<driver>};SERVERNAME=<Data Source>;UID=...;PWD=...;DATABASE=...;
//             ClientCharset=UTF-8
// The catalogue defaults to master. A value holding ";", "{", "}", "=" or
// blanks at either end is wrapped in braces with "}" doubled, so that no typed
// text can add or replace a keyword.

#include "platform/db/ConnectionString.h"

namespace db {

QString odbcValue(const QString& value);
QString odbcDataSourceString(const ConnectionSettings& settings);
QString odbcAseServerString(const ConnectionSettings& settings, const QString& driverName);
// FARROWDALE_ASE_DRIVER when set, else FreeTDS.
QString aseDriverName();

} // namespace db
