#include "simulator/Procedures.h"

#include "simulator/Configuration.h"
#include "simulator/EngineErrors.h"
#include "simulator/Logins.h"
#include "simulator/ProcessCommands.h"
#include "simulator/RowFacts.h"
#include "simulator/ServerErrors.h"
#include "simulator/Tokenizer.h"
#include "simulator/Workload.h"

#include <array>
#include <optional>

namespace sim {

namespace {

using Arguments = std::vector<std::optional<SimValue>>;

// Lines the arguments up with the procedure's parameters, by position or by
// @name; a parameter not given, or given as null, stays empty.
Arguments bindArguments(StatementContext& context, const ast::Execute& call,
                        std::string_view procedure, const std::vector<std::string_view>& names) {
    Arguments bound(names.size());
    std::size_t position = 0;
    for (const ast::ProcedureArgument& argument : call.arguments) {
        std::size_t index = position++;
        if (!argument.name.empty()) {
            index = names.size();
            for (std::size_t i = 0; i < names.size(); ++i)
                if (equalsIgnoreCase(names[i], argument.name))
                    index = i;
            if (index == names.size())
                throw errors::unknownParameter(procedure, argument.name);
        }
        if (index >= names.size())
            throw errors::tooManyArguments(procedure);
        SimValue value = context.evaluate(*argument.value);
        if (value.kind != SimValue::Kind::Null)
            bound[index] = std::move(value);
    }
    return bound;
}

SimResult parameterTable(const std::vector<ConfigValue>& parameters) {
    SimResult result;
    result.columns = {"Parameter Name", "Default", "Memory Used", "Config Value",
                      "Run Value",      "Unit",    "Type"};
    result.columnKinds = {SimValue::Kind::Text,    SimValue::Kind::Integer, SimValue::Kind::Integer,
                          SimValue::Kind::Integer, SimValue::Kind::Integer, SimValue::Kind::Text,
                          SimValue::Kind::Text};
    for (const ConfigValue& p : parameters)
        result.rows.push_back({textValue(p.name), integerValue(p.defaultValue), integerValue(0),
                               integerValue(p.value), integerValue(p.value2), textValue(p.unit),
                               textValue(p.dynamic ? "dynamic" : "static")});
    result.rowsAffected = std::int64_t(result.rows.size());
    return result;
}

// Without a name: every parameter, one result a group, each after a "Group:" line.
std::vector<SimResult> listConfiguration(SessionState& state) {
    std::vector<SimResult> results;
    std::vector<ConfigValue> group;
    const auto flush = [&] {
        if (group.empty())
            return;
        SimResult result = parameterTable(group);
        result.messages.push_back(infoMessage("Group: " + group.front().group));
        results.push_back(std::move(result));
        group.clear();
    };
    for (ConfigValue& p : findParameters(state.db, "")) {
        if (!group.empty() && group.front().group != p.group)
            flush();
        group.push_back(std::move(p));
    }
    flush();
    return results;
}

SimResult changeParameter(SessionState& state, const std::string& name, const SimValue& value) {
    state.requireSystemAdministrator();
    const std::vector<ConfigValue> matches = findParameters(state.db, name);
    if (matches.empty())
        throw errors::configurationOptionUnknown(name);
    if (matches.size() > 1)
        throw errors::configurationOptionNotUnique(name);
    const ConfigValue& parameter = matches.front();
    const std::int64_t wanted = integerArgument(value);
    if (wanted < parameter.minimum || wanted > parameter.maximum)
        throw errors::configurationValueOutOfRange(parameter.name, wanted, parameter.minimum,
                                                   parameter.maximum);
    storeValue(state.db, parameter, wanted);
    SimResult result = parameterTable(findParameters(state.db, parameter.name));
    result.messages.push_back(infoMessage(
        parameter.dynamic
            ? "Configuration option changed. ASE need not be rebooted since the option is "
              "dynamic."
            : "Configuration option changed. Since the option is static, Adaptive Server must "
              "be rebooted in order for the change to take effect.",
        17429));
    return result;
}

std::vector<SimResult> spConfigure(StatementContext& context, const ast::Execute& call) {
    SessionState& state = context.state();
    const Arguments args =
        bindArguments(context, call, "sp_configure", {"configname", "configvalue", "configvalue2"});
    if (!args[0])
        return listConfiguration(state);
    const std::string name = textArgument(*args[0]);
    if (args[1])
        return {changeParameter(state, name, *args[1])};
    const std::vector<ConfigValue> matches = findParameters(state.db, name);
    if (matches.empty())
        throw errors::configurationOptionUnknown(name);
    return {parameterTable(matches)};
}

std::vector<SimResult> spShowplan(StatementContext& context, const ast::Execute& call) {
    const Arguments args =
        bindArguments(context, call, "sp_showplan", {"spid", "batch_id", "context_id", "stmt_num"});
    context.state().requireSystemAdministrator();
    if (!args[0])
        throw errors::processNotActive(0);
    return {showPlan(context.state(), integerArgument(*args[0]))};
}

std::vector<SimResult> spAddlogin(StatementContext& context, const ast::Execute& call) {
    const Arguments args = bindArguments(
        context, call, "sp_addlogin", {"loginame", "passwd", "defdb", "deflanguage", "fullname"});
    context.state().requireSystemAdministrator();
    if (!args[0] || !args[1])
        throw errors::make(201, 16,
                           "Procedure sp_addlogin expects parameters @loginame and @passwd, "
                           "which were not supplied.");
    addLogin(context.state().db, textArgument(*args[0]), textArgument(*args[1]));
    SimResult result;
    result.messages.push_back(infoMessage("Password correctly set."));
    result.messages.push_back(infoMessage("Account unlocked."));
    result.messages.push_back(infoMessage("New login created."));
    return {result};
}

using Procedure = std::vector<SimResult> (*)(StatementContext&, const ast::Execute&);

struct ProcedureEntry {
    std::string_view name;
    Procedure run;
};

constexpr std::array<ProcedureEntry, 3> kProcedures{{
    {"sp_configure", spConfigure},
    {"sp_showplan", spShowplan},
    {"sp_addlogin", spAddlogin},
}};

} // namespace

std::vector<SimResult> runProcedure(StatementContext& context, const ast::Execute& call) {
    // System procedures answer from any database they are called through.
    if (!call.procedure.database.empty() && databaseId(call.procedure.database) == 0)
        throw errors::unknownDatabase(call.procedure.database);
    const std::string name = lowerAscii(call.procedure.name);
    for (const ProcedureEntry& entry : kProcedures) {
        if (entry.name != name)
            continue;
        std::vector<SimResult> results = entry.run(context, call);
        if (results.empty())
            results.emplace_back();
        results.back().returnStatus = 0;
        return results;
    }
    throw errors::procedureNotFound(call.procedure.written.empty() ? call.procedure.name
                                                                   : call.procedure.written);
}

} // namespace sim
