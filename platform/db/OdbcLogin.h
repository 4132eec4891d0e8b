#pragma once

// Logging in through the driver manager with a bound on the wait. The login
// runs on a thread of its own and is waited for up to the login timeout and a
// short grace: a driver that overruns its own timeout (FreeTDS 1.3 speaking
// TDS 5.0 to a server that accepts the connection and never answers retries
// its logout without end) then fails the connect instead of hanging the
// window. An abandoned attempt frees its handles if it ever ends.

#include "platform/db/OdbcHandle.h"

#include <chrono>
#include <memory>

namespace db {

// An environment and a connection on it, disconnected when destroyed.
struct OdbcSession {
    OdbcSession();
    ~OdbcSession();
    OdbcSession(const OdbcSession&) = delete;
    OdbcSession& operator=(const OdbcSession&) = delete;

    OdbcHandle environment;
    OdbcHandle connection;
    bool connected = false;
};

// Connects without a prompt; throws DbError with the driver's text, or with a
// timeout text when the driver has not returned by `timeout` plus the grace.
std::shared_ptr<OdbcSession> odbcLogin(const QString& connectionString,
                                       std::chrono::seconds timeout);

QString loginOverrunText(std::chrono::seconds timeout);

} // namespace db
