#pragma once

// What one connection knows about itself while it runs statements, and what
// the command implementations may ask of it.

#include "simulator/Ast.h"
#include "simulator/SimServer.h"
#include "simulator/Sqlite.h"

#include <cstdint>
#include <string>

namespace sim {

struct SessionState {
    SqliteDatabase& db;
    SimClock clock;
    std::int64_t spid = 0;
    std::string login;
    std::string serverName;
    std::string database = "master";
    bool quotedIdentifiers = false;
    bool noCount = false;
    bool traceToClient = false; // dbcc traceon(3604): dbcc output goes to the client
    int transactionCount = 0;
    std::int64_t rowCount = 0;
    int lastError = 0;

    std::int64_t nowMs() const;
    // Throws the server's permission error unless the login is "sa".
    void requireSystemAdministrator() const;
};

class StatementContext {
public:
    virtual ~StatementContext() = default;
    virtual SessionState& state() = 0;
    // The value of an expression without a table: a procedure argument, a print text.
    virtual SimValue evaluate(const ast::Expr& expr) = 0;
};

// An informational message as the server sends it with a result.
SimMessage infoMessage(std::string text, int number = 0);

// The integer an argument holds; throws the conversion error for anything else.
std::int64_t integerArgument(const SimValue& value);
std::string textArgument(const SimValue& value);

} // namespace sim
