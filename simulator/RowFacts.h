#pragma once

// Fills a row of a monitoring table from what is known about the thing it
// describes (a process, an engine, a device...). Columns not given a value
// get a plausible one: identifiers and sizes stay put, cumulative counters
// grow with the thing's age, so two reads seconds apart differ.

#include "simulator/Catalogue.h"
#include "simulator/SimServer.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim {

struct RowFacts {
    std::map<std::string, SimValue> values; // by column name
    std::uint64_t seed = 0;                 // varies the invented values between rows
    std::int64_t startMs = 0;               // when the thing came to be
    double activity = 1.0;                  // scales how fast its counters grow
};

SimValue integerValue(std::int64_t value);
SimValue textValue(std::string text);
SimValue timeValue(std::int64_t millisecondsSinceEpoch);

std::vector<SimValue> fillRow(const std::vector<ColumnDef>& columns, const RowFacts& facts,
                              std::int64_t nowMs);

// Mixes numbers into a well-spread 64-bit value (splitmix64).
std::uint64_t mix(std::uint64_t a, std::uint64_t b = 0);

} // namespace sim
