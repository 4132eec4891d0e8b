#pragma once

// Reads the ADO connection strings the program builds:
//   Provider=...;Persist Security Info=...;User ID=...;Data Source=...;Initial
//   Catalog=...;Password=...
// Keys are matched without regard to case or surrounding blanks; values are
// kept exactly as typed. The user name, server and password are inserted
// unescaped, so a value runs up to the next ";" that starts one of the keys
// above, and the password, always the last item, runs to the end of the
// string: any character in a password, ";" and "=" included, stays in it.

#include <QString>

namespace db {

struct ConnectionSettings {
    QString provider;
    QString persistSecurityInfo;
    QString userId;
    QString dataSource;
    QString initialCatalog;
    QString password;
};

ConnectionSettings parseConnectionString(const QString& text);

// The string the window's connection holds before the first connect.
QString initialConnectionString();

} // namespace db
