#pragma once

// The backend over the unixODBC driver manager: a real server, through the
// driver a DSN or DRIVER keyword names.

#include "platform/db/Driver.h"

namespace db {

// Connects without any prompt; the login gives up after loginTimeoutSeconds.
std::unique_ptr<Driver> connectOdbc(const QString& odbcConnectionString);

inline constexpr int loginTimeoutSeconds = 30;

} // namespace db
