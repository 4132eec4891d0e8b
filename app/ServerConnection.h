#pragma once

#include <QString>
#include <QStringList>

// The fixed texts and rules of connecting to a server, apart from the window.
namespace connection {

// One server name a line, in the process's current directory.
inline const QString kServerListFile = QStringLiteral("ServerList.ini");
// Put before a failed connect's message.
inline const QString kLoginFailedPrefix = QStringLiteral("Login... ");

// The connection string for the typed user, server and password: the ODBC
// bridge provider when `odbc`, else the ASE provider. A value holding ";",
// "{", "}" or "=" is braced (db::adoValue) so that it cannot end early or add
// a key; every other value goes in exactly as typed, blanks included.
QString connectionString(bool odbc, const QString& user, const QString& server,
                         const QString& password);

// Asks the server for this connection's own process id, in the column "SPID".
QStringList ownSpidQuery();

} // namespace connection
