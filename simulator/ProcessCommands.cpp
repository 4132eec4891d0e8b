#include "simulator/ProcessCommands.h"

#include "simulator/EngineErrors.h"
#include "simulator/ProcessReports.h"
#include "simulator/Processes.h"
#include "simulator/ServerErrors.h"

namespace sim {

namespace {

constexpr std::int64_t kClientOutputFlag = 3604;

SimMessage dbccCompleted() {
    return infoMessage("DBCC execution completed. If DBCC printed error messages, contact a user "
                       "with System Administrator (SA) role.",
                       2528);
}

ProcessInfo activeProcess(SessionState& state, std::int64_t spid) {
    std::optional<ProcessInfo> process = readProcess(state.db, spid);
    if (!process)
        throw errors::processNotActive(spid);
    return *process;
}

std::vector<std::int64_t> integerArguments(StatementContext& context, const ast::Dbcc& dbcc) {
    std::vector<std::int64_t> values;
    for (const ast::ExprPtr& argument : dbcc.arguments)
        values.push_back(integerArgument(context.evaluate(*argument)));
    return values;
}

SimResult traceFlags(SessionState& state, const std::vector<std::int64_t>& flags, bool on) {
    for (const std::int64_t flag : flags)
        if (flag == kClientOutputFlag)
            state.traceToClient = on;
    SimResult result;
    result.messages.push_back(dbccCompleted());
    return result;
}

SimResult stackTrace(SessionState& state, const std::vector<std::int64_t>& arguments) {
    if (arguments.size() != 1)
        throw errors::make(2560, 16, "Parameter 1 of dbcc stacktrace must be a server process id.");
    const ProcessInfo process = activeProcess(state, arguments.front());
    SimResult result;
    if (state.traceToClient) {
        result.messages.push_back(
            infoMessage("Begin stack trace of spid " + std::to_string(process.spid) + ", kpid " +
                        std::to_string(process.kpid) + " (" + process.command + ")"));
        for (std::string& line : stackLines(process))
            result.messages.push_back(infoMessage(std::move(line)));
        result.messages.push_back(infoMessage("End of stack trace."));
    }
    result.messages.push_back(dbccCompleted());
    return result;
}

} // namespace

SimResult runKill(SessionState& state, const ast::Kill& kill) {
    state.requireSystemAdministrator();
    if (kill.spid == state.spid)
        throw errors::killOwnProcess();
    const std::optional<ProcessInfo> process = readProcess(state.db, kill.spid);
    if (!process)
        throw errors::killUnknownProcess(kill.spid);
    if (process->kind == ProcessKind::System)
        throw errors::killSystemProcess();
    SqliteTransaction transaction(state.db);
    removeProcess(state.db, kill.spid);
    transaction.commit();
    return {};
}

SimResult runDbcc(StatementContext& context, const ast::Dbcc& dbcc) {
    SessionState& state = context.state();
    state.requireSystemAdministrator();
    const std::vector<std::int64_t> arguments = integerArguments(context, dbcc);
    if (dbcc.command == "traceon" || dbcc.command == "traceoff")
        return traceFlags(state, arguments, dbcc.command == "traceon");
    if (dbcc.command == "stacktrace")
        return stackTrace(state, arguments);
    throw errors::unsupported("dbcc " + dbcc.command);
}

SimResult showPlan(SessionState& state, std::int64_t spid) {
    const ProcessInfo process = activeProcess(state, spid);
    SimResult result;
    if (process.workItem < 0) {
        result.messages.push_back(infoMessage("The server process " + std::to_string(spid) +
                                              " is not running a query now (" + process.command +
                                              ")."));
        return result;
    }
    for (std::string& line : planLines(workItem(std::size_t(process.workItem))))
        result.messages.push_back(infoMessage(std::move(line), 6200));
    return result;
}

} // namespace sim
