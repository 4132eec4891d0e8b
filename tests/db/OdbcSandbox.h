#pragma once

// A private ODBC set-up for the whole test program: the SQLite ODBC driver and
// FreeTDS registered in a temporary odbcinst.ini, a data source over a SQLite
// file, and a freetds.conf with a server that refuses connections and one that
// accepts them and never answers. The process
// works in that directory, because the data-source mapping names the database
// "master" and the SQLite driver opens that name as a file.

#include <QString>

namespace dbtest {

inline constexpr const char* sqliteDataSource = "farrowdale_sqlite";
inline constexpr const char* refusingServer = "refusing_ase";
inline constexpr const char* silentServer = "silent_ase";

// Where the sandbox lives; set up on first use, before any ODBC call.
QString odbcSandboxDirectory();

QString msdasqlString(const QString& user, const QString& server, const QString& password);
QString aseoledbString(const QString& user, const QString& server, const QString& password);

} // namespace dbtest
