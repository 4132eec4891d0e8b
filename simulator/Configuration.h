#pragma once

// The configuration parameters as stored in master..sysconfigures and
// master..syscurconfigs: reading them, finding them by name, changing them.

#include "simulator/Sqlite.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct ConfigValue {
    std::int64_t config = 0;
    std::string name;
    std::string group;
    std::int64_t value = 0;  // configured
    std::int64_t value2 = 0; // in effect
    std::int64_t defaultValue = 0;
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
    bool dynamic = true;
    std::string unit;
};

// The value in effect; 0 for an unknown name.
std::int64_t runValue(SqliteDatabase& db, const std::string& name);

// Parameters whose name holds the text (letter case ignored); an exact match
// alone when there is one. Ordered by group, then name.
std::vector<ConfigValue> findParameters(SqliteDatabase& db, const std::string& text);

// Sets the configured value; a dynamic parameter takes it at once, a static one
// at the next start. The caller has checked the range.
void storeValue(SqliteDatabase& db, const ConfigValue& parameter, std::int64_t value);

// True when a monitoring requirement is met: a switch is on, a pipe size is above 0.
bool requirementMet(SqliteDatabase& db, const std::string& parameter);

} // namespace sim
