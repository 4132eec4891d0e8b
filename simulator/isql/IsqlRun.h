#pragma once

// The whole isql stand-in run: options, script, server, output file.

#include <ostream>
#include <string>
#include <vector>

namespace isql {

// Returns the exit status: 0 when the script ran (server errors included, as
// isql does), 1 for a bad command line, an unreadable script, an unwritable
// output file or a refused login. Problems go to `diagnostics` as well.
int runIsql(const std::vector<std::string>& arguments, std::ostream& diagnostics);

} // namespace isql
