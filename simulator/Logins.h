#pragma once

// The server's logins: "sa" with an empty password in a new server, others
// added by sp_addlogin with the password they must give.

#include "simulator/Sqlite.h"

#include <string>

namespace sim {

// Throws the server's login failure for an unknown login or a wrong password.
void authenticate(SqliteDatabase& db, const std::string& login, const std::string& password);

// Throws when the login exists already.
void addLogin(SqliteDatabase& db, const std::string& login, const std::string& password);

} // namespace sim
