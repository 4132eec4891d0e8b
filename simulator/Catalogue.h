#pragma once

// What the simulated server knows about itself: its monitoring tables with their
// columns, and its configuration parameters grouped as on a real server.

#include <string>
#include <vector>

namespace sim {

struct ColumnDef {
    std::string name;
    char type; // 'I' integer, 'S' text, 'D' date-time, 'F' float
    std::string description;
};

struct MonTableDef {
    std::string name;
    std::string description;
    std::vector<ColumnDef> columns;
    std::vector<std::string> requiredParameters; // besides "enable monitoring"
    bool pipe = false;                           // keeps a ring of recent rows
};

struct ConfigParameter {
    std::string name;
    std::string group;
    long long defaultValue;
    long long minimum;
    long long maximum;
    bool dynamic;
    std::string unit;
};

const std::vector<MonTableDef>& monitoringTables();
// sysprocesses, sysconfigures and syscurconfigs: in master, outside monTables.
const std::vector<MonTableDef>& systemTables();
// Letter case counts, as in every name under the server's binary sort order.
const MonTableDef* findMonitoringTable(const std::string& name);
const std::vector<std::string>& configurationGroups();
const std::vector<ConfigParameter>& configurationParameters();

} // namespace sim
