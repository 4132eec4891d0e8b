#include "simulator/EngineErrors.h"

#include "simulator/ServerErrors.h"

namespace sim::errors {

namespace {
std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}
} // namespace

SimError badDataSource(std::string_view dataSource) {
    return make(4001, 14,
                "Unknown simulated server " + quoted(dataSource) +
                    ": use sim:NAME, sim:/path/to/file or sim::memory:.");
}

SimError stateFileUnusable(std::string_view path, std::string_view reason) {
    return make(4003, 16,
                "The simulated server's state file " + quoted(path) +
                    " cannot be used: " + std::string(reason));
}

SimError stateFileLocked(std::string_view path) {
    return make(4004, 16,
                "The simulated server's state file " + quoted(path) +
                    " is locked by another process; try again when it is released.");
}

SimError stateFileReadOnly(std::string_view path) {
    return make(4005, 16,
                "The simulated server's state file " + quoted(path) +
                    " is read-only; the server needs to write it.");
}

SimError monitoringDisabled(std::string_view table, const std::vector<std::string>& parameters) {
    std::string names;
    for (const std::string& parameter : parameters)
        names += (names.empty() ? "" : ", ") + quoted(parameter);
    return make(12052, 17,
                "Collection of monitoring data for table " + quoted(table) + " requires that the " +
                    names +
                    " configuration option(s) be enabled. To set the necessary configuration, "
                    "contact a user who has the System Administrator (SA) role.");
}

SimError configurationOptionUnknown(std::string_view name) {
    return make(17411, 16, "Configuration option " + quoted(name) + " does not exist.");
}

SimError configurationValueOutOfRange(std::string_view name, std::int64_t value,
                                      std::int64_t minimum, std::int64_t maximum) {
    return make(5849, 16,
                "Verification failed for parameter " + quoted(name) + ". Illegal value " +
                    quoted(std::to_string(value)) + " specified. Valid range is " +
                    quoted(std::to_string(minimum)) + " to " + quoted(std::to_string(maximum)) +
                    ".");
}

SimError configurationValueNotNumber(std::string_view value) {
    return make(257, 16,
                "Implicit conversion from datatype 'VARCHAR' to 'INT' is not allowed for value " +
                    quoted(value) + ".  Use the CONVERT function to run this query.");
}

SimError killUnknownProcess(std::int64_t spid) {
    return make(6106, 16, "Process id " + std::to_string(spid) + " is not an active process id.");
}

SimError killOwnProcess() {
    return make(6104, 16, "You cannot use KILL to kill your own process.");
}

SimError killSystemProcess() {
    return make(6107, 14, "Only user processes can be killed.");
}

SimError processNotActive(std::int64_t spid) {
    return make(18086, 16,
                "The server process id " + std::to_string(spid) + " is not an active process.");
}

SimError undeclaredVariable(std::string_view name) {
    return make(137, 15, "Must declare variable " + quoted(name) + ".");
}

SimError createNotAllowed(std::string_view database) {
    return make(262, 14,
                "CREATE TABLE permission denied, database " + std::string(database) +
                    ": user tables live in tempdb on this server.");
}

SimError loginExists(std::string_view login) {
    return make(17262, 16,
                "A user with the specified login name " + quoted(login) + " already exists.");
}

SimError sessionKilled() {
    return make(4006, 20, "This session was killed by an administrator; reconnect to go on.");
}

SimError tooManyArguments(std::string_view procedure) {
    return make(8144, 16,
                "Procedure " + std::string(procedure) + " has too many arguments specified.");
}

SimError unknownParameter(std::string_view procedure, std::string_view parameter) {
    return make(8145, 16,
                "@" + std::string(parameter) + " is not a parameter for procedure " +
                    std::string(procedure) + ".");
}

SimError configurationOptionNotUnique(std::string_view name) {
    return make(17410, 16,
                "Configuration option " + quoted(name) + " is not unique: give more of its name.");
}

SimError statementTooLong(long long seconds) {
    return make(3618, 16,
                "The statement ran longer than " + std::to_string(seconds) +
                    " seconds and was cancelled: narrow it with a where clause.");
}

SimError resultTooLarge(std::size_t rows) {
    return make(3619, 16,
                "The result would hold more than " + std::to_string(rows) +
                    " rows and was cancelled: narrow the statement with a where clause.");
}

SimError internalFailure(std::string_view what) {
    return make(4007, 16, "The simulated server failed: " + std::string(what));
}

} // namespace sim::errors
