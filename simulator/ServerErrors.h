#pragma once

// The server's own error messages, built in one place so that every path
// reports the same number, severity and wording for the same fault.

#include "simulator/SimServer.h"

#include <string_view>

namespace sim::errors {

SimError make(int number, int severity, std::string text);
SimError incorrectSyntaxNear(std::string_view token);
SimError incorrectSyntaxNearKeyword(std::string_view keyword);
SimError unclosedQuote(std::string_view rest);
SimError missingEndComment();
SimError objectNotFound(std::string_view name);
SimError invalidColumn(std::string_view name);
SimError ambiguousColumn(std::string_view name);
SimError functionNotFound(std::string_view name);
SimError procedureNotFound(std::string_view name);
SimError unknownDatabase(std::string_view name);
SimError unsupported(std::string_view construct);
SimError permissionDenied(std::string_view role);
SimError loginFailed();
SimError divideByZero();
SimError implicitConversion(std::string_view from, std::string_view to);
SimError conversionFailed(std::string_view value, std::string_view type);
SimError tableNotModifiable(std::string_view name);
SimError tooComplex();
SimError columnPrefixMismatch(std::string_view prefix);
SimError orderByPositionOutOfRange(long long position);
SimError orderByNotInUnionList();
SimError unionListsDiffer();
SimError insertCountMismatch();
SimError aggregateInWhere();
SimError wrongArgumentCount(std::string_view function, int expected);
SimError unknownDatePart(std::string_view part);
SimError unknownType(std::string_view type);

} // namespace sim::errors
