#include "simulator/RowFacts.h"

#include "simulator/TimeText.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace sim {

namespace {

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// Columns that describe rather than count: they keep their value over time.
bool isSteady(std::string_view name) {
    static constexpr std::array<std::string_view, 20> parts{
        "Number",  "Size",   "KB",         "Degree",     "Sequence", "Level",      "Threshold",
        "Percent", "Slot",   "HWM",        "Quantity",   "Priority", "Configured", "Precision",
        "Scale",   "Length", "Indicators", "Partitions", "Pools",    "Max"};
    if (endsWith(name, "ID") || endsWith(name, "Id") || name == "Engine")
        return true;
    return std::any_of(parts.begin(), parts.end(),
                       [name](std::string_view part) { return contains(name, part); });
}

// Yes/no columns of state: a healthy server has them at 0.
bool isFlag(std::string_view name) {
    return contains(name, "InProgress") || contains(name, "Failed") || contains(name, "Full") ||
           name == "CheckPoints" || name == "DiagnosticDumps" || name == "RelaxedReplacement";
}

double growthPerSecond(std::string_view name) {
    if (contains(name, "Bytes"))
        return 900.0;
    if (contains(name, "Time"))
        return 40.0;
    if (contains(name, "Reads") || contains(name, "Searches") || contains(name, "Requests"))
        return 120.0;
    if (contains(name, "Packets") || contains(name, "Writes") || contains(name, "Switches"))
        return 25.0;
    return 3.0;
}

SimValue invented(const ColumnDef& column, const RowFacts& facts, std::int64_t nowMs) {
    const std::uint64_t hash = mix(facts.seed, std::hash<std::string>{}(column.name));
    switch (column.type) {
    case 'D':
        return timeValue(facts.startMs);
    case 'S':
        return textValue(column.name == "Status" ? "online" : "");
    case 'F':
        return SimValue{SimValue::Kind::Real, 0, double(hash % 1000) / 10.0, {}, {}};
    default:
        break;
    }
    if (isFlag(column.name))
        return integerValue(0);
    if (isSteady(column.name))
        return integerValue(std::int64_t(1 + hash % 512));
    const double ageSeconds = std::max<std::int64_t>(0, nowMs - facts.startMs) / 1000.0;
    const double rate =
        growthPerSecond(column.name) * facts.activity * (0.5 + double(hash % 100) / 100.0);
    return integerValue(std::int64_t(rate * ageSeconds) + std::int64_t(hash % 7));
}

} // namespace

std::uint64_t mix(std::uint64_t a, std::uint64_t b) {
    std::uint64_t z = a + 0x9e3779b97f4a7c15ULL * (b + 1);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

SimValue integerValue(std::int64_t value) {
    SimValue v;
    v.kind = SimValue::Kind::Integer;
    v.integer = value;
    return v;
}

SimValue textValue(std::string text) {
    SimValue v;
    v.kind = SimValue::Kind::Text;
    v.text = std::move(text);
    return v;
}

SimValue timeValue(std::int64_t millisecondsSinceEpoch) {
    SimValue v;
    v.kind = SimValue::Kind::DateTime;
    v.text = timestampText(millisecondsSinceEpoch);
    return v;
}

std::vector<SimValue> fillRow(const std::vector<ColumnDef>& columns, const RowFacts& facts,
                              std::int64_t nowMs) {
    std::vector<SimValue> row;
    row.reserve(columns.size());
    for (const ColumnDef& column : columns) {
        const auto known = facts.values.find(column.name);
        row.push_back(known != facts.values.end() ? known->second : invented(column, facts, nowMs));
    }
    return row;
}

} // namespace sim
