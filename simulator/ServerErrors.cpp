#include "simulator/ServerErrors.h"

#include <string>

namespace sim::errors {

namespace {
std::string quotedName(std::string_view name) {
    return "'" + std::string(name) + "'";
}
} // namespace

SimError make(int number, int severity, std::string text) {
    return SimError(SimMessage{number, severity, 1, 1, std::move(text)});
}

SimError incorrectSyntaxNear(std::string_view token) {
    return make(102, 15, "Incorrect syntax near " + quotedName(token) + ".");
}

SimError incorrectSyntaxNearKeyword(std::string_view keyword) {
    return make(156, 15, "Incorrect syntax near the keyword " + quotedName(keyword) + ".");
}

SimError unclosedQuote(std::string_view rest) {
    return make(105, 15, "Unclosed quote before the character string " + quotedName(rest) + ".");
}

SimError missingEndComment() {
    return make(113, 15, "Missing end comment mark '*/'.");
}

SimError objectNotFound(std::string_view name) {
    return make(208, 16,
                std::string(name) +
                    " not found. Specify owner.objectname or use sp_help to check whether the "
                    "object exists (sp_help may produce lots of output).");
}

SimError invalidColumn(std::string_view name) {
    return make(207, 16, "Invalid column name " + quotedName(name) + ".");
}

SimError ambiguousColumn(std::string_view name) {
    return make(209, 16, "Ambiguous column name " + std::string(name));
}

SimError functionNotFound(std::string_view name) {
    return make(14216, 16,
                "Function " + quotedName(name) +
                    " not found. If this is a SQLJ function or SQL function, use sp_help to "
                    "check whether the object exists (sp_help may produce lots of output).");
}

SimError procedureNotFound(std::string_view name) {
    return make(2812, 16,
                "Stored procedure " + quotedName(name) +
                    " not found. Specify owner.objectname or use sp_help to check whether the "
                    "object exists (sp_help may produce lots of output).");
}

SimError unknownDatabase(std::string_view name) {
    return make(911, 11,
                "Attempt to locate entry in sysdatabases for database " + quotedName(name) +
                    " by name failed - no entry found under that name. Make sure that name is "
                    "entered properly.");
}

SimError unsupported(std::string_view construct) {
    return make(11000, 16,
                "This server does not support " + std::string(construct) +
                    ". See the list of supported statements.");
}

SimError permissionDenied(std::string_view role) {
    return make(10353, 14,
                "You must have the following role(s) to execute this command/procedure: " +
                    quotedName(role) +
                    " . Please contact a user with the appropriate role for "
                    "help.");
}

SimError loginFailed() {
    return make(4002, 14, "Login failed.");
}

SimError divideByZero() {
    return make(3607, 16, "Divide by zero occurred.");
}

SimError implicitConversion(std::string_view from, std::string_view to) {
    return make(257, 16,
                "Implicit conversion from datatype " + quotedName(from) + " to " + quotedName(to) +
                    " is not allowed.  Use the CONVERT function to run this query.");
}

SimError conversionFailed(std::string_view value, std::string_view type) {
    return make(249, 16,
                "Syntax error during explicit conversion of VARCHAR value " + quotedName(value) +
                    " to a " + std::string(type) + " field.");
}

SimError tableNotModifiable(std::string_view name) {
    return make(270, 16, "Table " + quotedName(name) + " can't be modified.");
}

SimError tooComplex() {
    return make(404, 19, "Too many nested expressions or logical operators to compile.");
}

SimError columnPrefixMismatch(std::string_view prefix) {
    return make(107, 15,
                "The column prefix " + quotedName(prefix) +
                    " does not match with a table name or alias name used in the query.");
}

SimError orderByPositionOutOfRange(long long position) {
    return make(108, 16,
                "The order by position number " + std::to_string(position) +
                    " is out of range of the number of items in the select-list.");
}

SimError orderByNotInUnionList() {
    return make(104, 15,
                "Order-by items must appear in the select-list if the statement contains set "
                "operators.");
}

SimError unionListsDiffer() {
    return make(205, 16,
                "All queries in a SQL statement containing set operators must have an equal "
                "number of expressions in their target lists.");
}

SimError insertCountMismatch() {
    return make(213, 16,
                "Insert error: column name or number of supplied values does not match table "
                "definition.");
}

SimError aggregateInWhere() {
    return make(147, 15,
                "An aggregate may not appear in the WHERE clause unless it is in a subquery "
                "contained in a HAVING clause or a select list, and the column being aggregated "
                "is an outer reference.");
}

SimError wrongArgumentCount(std::string_view function, int expected) {
    return make(174, 15,
                "The function " + quotedName(function) + " requires " + std::to_string(expected) +
                    " arguments.");
}

SimError unknownDatePart(std::string_view part) {
    return make(155, 15, quotedName(part) + " is not a recognized datepart option.");
}

SimError unknownType(std::string_view type) {
    return make(2715, 16, "Can't find type " + quotedName(type) + ".");
}

} // namespace sim::errors
