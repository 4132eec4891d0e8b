#pragma once

// Errors raised by the engine itself (state file, monitoring switches,
// configuration, process commands), next to the language errors of ServerErrors.h.

#include "simulator/SimServer.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sim::errors {

SimError badDataSource(std::string_view dataSource);
SimError stateFileUnusable(std::string_view path, std::string_view reason);
SimError stateFileLocked(std::string_view path);
SimError stateFileReadOnly(std::string_view path);
SimError monitoringDisabled(std::string_view table, const std::vector<std::string>& parameters);
SimError configurationOptionUnknown(std::string_view name);
SimError configurationValueOutOfRange(std::string_view name, std::int64_t value,
                                      std::int64_t minimum, std::int64_t maximum);
SimError configurationValueNotNumber(std::string_view value);
SimError killUnknownProcess(std::int64_t spid);
SimError killOwnProcess();
SimError killSystemProcess();
SimError processNotActive(std::int64_t spid);
SimError undeclaredVariable(std::string_view name);
SimError createNotAllowed(std::string_view database);
SimError loginExists(std::string_view login);
SimError sessionKilled();
SimError tooManyArguments(std::string_view procedure);
SimError unknownParameter(std::string_view procedure, std::string_view parameter);
SimError configurationOptionNotUnique(std::string_view name);
SimError statementTooLong(long long seconds);
SimError resultTooLarge(std::size_t rows);
SimError internalFailure(std::string_view what);

} // namespace sim::errors
