#pragma once

// The text sp_showplan and dbcc stacktrace print about a process: what it
// runs now, how the server executes it, and where in the server it is.

#include "simulator/Processes.h"
#include "simulator/Workload.h"

#include <string>
#include <vector>

namespace sim {

std::vector<std::string> planLines(const WorkItem& item);
std::vector<std::string> stackLines(const ProcessInfo& process);

} // namespace sim
