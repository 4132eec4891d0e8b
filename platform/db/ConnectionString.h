#pragma once

// Reads the ADO connection strings the program builds:
//   Provider=...;Persist Security Info=...;User ID=...;Data Source=...;Initial
//   Catalog=...;Password=...
// Keys are matched without regard to case or surrounding blanks; values are
// kept exactly as typed. A value that begins with "{" is braced: it runs to
// the matching "}", with "}}" standing for one "}" (adoValue() writes them).
// Any other value runs up to the next ";" that starts one of the keys above,
// and an unbraced password, always the last item, runs to the end of the
// string.

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

// A typed value as it goes into the string: unchanged, unless it holds ";",
// "{", "}" or "=", which could end it early or start another key; then it is
// wrapped in braces with each "}" doubled.
QString adoValue(const QString& value);

// The string the window's connection holds before the first connect.
QString initialConnectionString();

} // namespace db
