#pragma once

// The backend over the simulated server, in process: User ID and Password log
// in to the session named by the Data Source.

#include "platform/db/ConnectionString.h"
#include "platform/db/Driver.h"

namespace db {

std::unique_ptr<Driver> connectSimulator(const ConnectionSettings& settings);

} // namespace db
