#include "simulator/isql/IsqlReport.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace isql {

namespace {

using sim::SimValue;

bool rightAligned(SimValue::Kind kind) {
    return kind == SimValue::Kind::Integer || kind == SimValue::Kind::Real;
}

std::string dateTimeText(const std::string& stamp) {
    // "YYYY-MM-DD HH:MM:SS.mmm" -> "Mon DD YYYY HH:MMAM"
    static constexpr std::array<const char*, 12> months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    if (std::sscanf(stamp.c_str(), "%d-%d-%d %d:%d", &year, &month, &day, &hour, &minute) != 5 ||
        month < 1 || month > 12)
        return stamp;
    char text[32];
    std::snprintf(text, sizeof text, "%s %2d %04d %2d:%02d%s", months[std::size_t(month - 1)], day,
                  year, hour % 12 == 0 ? 12 : hour % 12, minute, hour < 12 ? "AM" : "PM");
    return text;
}

struct Column {
    std::string title;
    std::size_t width;
    bool right;
};

std::vector<Column> layout(const sim::SimResult& result,
                           const std::vector<std::vector<std::string>>& cells) {
    std::vector<Column> columns;
    for (std::size_t c = 0; c < result.columns.size(); ++c) {
        const SimValue::Kind kind =
            c < result.columnKinds.size() ? result.columnKinds[c] : SimValue::Kind::Null;
        Column column{result.columns[c], result.columns[c].size(), rightAligned(kind)};
        for (const auto& row : cells)
            column.width = std::max(column.width, row[c].size());
        columns.push_back(std::move(column));
    }
    return columns;
}

// Groups of columns that fit the width together; a row longer than the width
// continues on the next line with the next group, as isql wraps it.
std::vector<std::pair<std::size_t, std::size_t>> wrapGroups(const std::vector<Column>& columns,
                                                            int width) {
    std::vector<std::pair<std::size_t, std::size_t>> groups;
    std::size_t start = 0;
    std::size_t used = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::size_t needed = columns[c].width + 1;
        if (c > start && used + needed > std::size_t(width)) {
            groups.emplace_back(start, c);
            start = c;
            used = 0;
        }
        used += needed;
    }
    groups.emplace_back(start, columns.size());
    return groups;
}

std::string padded(const std::string& text, std::size_t width, bool right) {
    const std::string fill(width - std::min(width, text.size()), ' ');
    return right ? fill + text : text + fill;
}

// One printed row: its cells group by group, each group on a line of its own.
void writeLines(std::ostream& out, const std::vector<std::pair<std::size_t, std::size_t>>& groups,
                const auto& cellText) {
    for (const auto& [first, last] : groups) {
        std::string line;
        for (std::size_t c = first; c < last; ++c)
            line += " " + cellText(c);
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << '\n';
    }
}

void writeResultSet(std::ostream& out, const sim::SimResult& result, int width) {
    std::vector<std::vector<std::string>> cells;
    for (const auto& row : result.rows) {
        std::vector<std::string> texts;
        for (std::size_t c = 0; c < result.columns.size(); ++c)
            texts.push_back(c < row.size() ? displayText(row[c]) : std::string("NULL"));
        cells.push_back(std::move(texts));
    }
    const std::vector<Column> columns = layout(result, cells);
    const auto groups = wrapGroups(columns, width);
    writeLines(out, groups,
               [&](std::size_t c) { return padded(columns[c].title, columns[c].width, false); });
    writeLines(out, groups, [&](std::size_t c) { return std::string(columns[c].width, '-'); });
    for (const auto& row : cells)
        writeLines(out, groups, [&](std::size_t c) {
            return padded(row[c], columns[c].width, columns[c].right);
        });
}

void writeRowCount(std::ostream& out, std::int64_t rows) {
    out << "\n(" << rows << (rows == 1 ? " row affected)" : " rows affected)") << '\n';
}

} // namespace

std::string displayText(const SimValue& value) {
    switch (value.kind) {
    case SimValue::Kind::Null:
        return "NULL";
    case SimValue::Kind::Integer:
        return std::to_string(value.integer);
    case SimValue::Kind::Real: {
        char text[40];
        std::snprintf(text, sizeof text, "%.6g", value.real);
        return text;
    }
    case SimValue::Kind::DateTime:
        return dateTimeText(value.text);
    case SimValue::Kind::Binary: {
        std::string text = "0x";
        char pair[3];
        for (const unsigned char byte : value.bytes) {
            std::snprintf(pair, sizeof pair, "%02x", byte);
            text += pair;
        }
        return text;
    }
    case SimValue::Kind::Text:
        break;
    }
    return value.text;
}

void writeMessage(std::ostream& out, const sim::SimMessage& message,
                  const std::string& serverName) {
    // Informational messages print as their bare text, errors with their header.
    if (message.severity > 10)
        out << "Msg " << message.number << ", Level " << message.severity << ", State "
            << message.state << ":\nServer '" << serverName << "', Line " << message.line << ":\n";
    out << message.text << '\n';
}

void writeOutcome(std::ostream& out, const sim::SimBatchOutcome& outcome,
                  const std::string& serverName, int width) {
    for (const sim::SimResult& result : outcome.results) {
        for (const sim::SimMessage& message : result.messages)
            writeMessage(out, message, serverName);
        if (!result.columns.empty())
            writeResultSet(out, result, width);
        if (result.rowsAffected >= 0)
            writeRowCount(out, result.rowsAffected);
        if (result.returnStatus)
            out << "(return status = " << *result.returnStatus << ")\n";
    }
    if (outcome.error)
        writeMessage(out, outcome.error->message(), serverName);
}

} // namespace isql
