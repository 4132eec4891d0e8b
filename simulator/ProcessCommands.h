#pragma once

// Commands that act on or look into a server process: kill, dbcc traceon,
// dbcc stacktrace and the plan behind sp_showplan.

#include "simulator/SessionState.h"

namespace sim {

SimResult runKill(SessionState& state, const ast::Kill& kill);
SimResult runDbcc(StatementContext& context, const ast::Dbcc& dbcc);
SimResult showPlan(SessionState& state, std::int64_t spid);

} // namespace sim
