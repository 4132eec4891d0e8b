#pragma once

// Turns a T-SQL batch into statements of the supported subset. The whole batch
// is parsed before any of it runs, as a server compiles a batch first, so a
// syntax error anywhere stops all of it.

#include "simulator/Ast.h"

#include <string_view>
#include <vector>

namespace sim {

// Throws SimError: the server's syntax errors (102, 156...) for broken text and
// errors::unsupported for a construct outside the subset. Never anything else.
std::vector<ast::Statement> parseBatch(std::string_view batch, bool quotedIdentifiers);

} // namespace sim
