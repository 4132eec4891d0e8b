#include "simulator/MonitoringSwitches.h"

#include "simulator/Configuration.h"
#include "simulator/EngineErrors.h"

namespace sim {

namespace {

// The catalogue of the monitoring tables answers whatever the switches say,
// so that a client can always learn what there is to enable; the system
// tables (sysprocesses...) are not monitoring tables at all.
bool alwaysReadable(const MonTableDef& table) {
    return !table.name.starts_with("mon") || table.name == "monTables" ||
           table.name == "monTableColumns" || table.name == "monTableParameters";
}

} // namespace

std::vector<std::string> missingParameters(SqliteDatabase& db, const MonTableDef& table) {
    std::vector<std::string> missing;
    if (alwaysReadable(table))
        return missing;
    if (!requirementMet(db, "enable monitoring"))
        missing.push_back("enable monitoring");
    for (const std::string& parameter : table.requiredParameters)
        if (!requirementMet(db, parameter))
            missing.push_back(parameter);
    return missing;
}

void requireReadable(SqliteDatabase& db, const MonTableDef& table) {
    const std::vector<std::string> missing = missingParameters(db, table);
    if (!missing.empty())
        throw errors::monitoringDisabled(table.name, missing);
}

std::int64_t pipeCapacity(SqliteDatabase& db, const MonTableDef& table) {
    for (const std::string& parameter : table.requiredParameters)
        if (parameter.ends_with("max messages"))
            return runValue(db, parameter);
    return 0;
}

} // namespace sim
