#pragma once

// The system procedures the server offers: sp_configure, sp_showplan,
// sp_addlogin and sp_who.

#include "simulator/SessionState.h"

namespace sim {

// Throws SimError 2812 for a procedure the server does not have.
std::vector<SimResult> runProcedure(StatementContext& context, const ast::Execute& call);

} // namespace sim
