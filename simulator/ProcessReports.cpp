#include "simulator/ProcessReports.h"

#include <cstdio>

namespace sim {

namespace {

std::string queryType(const WorkItem& item) {
    return item.command == "EXECUTE" ? "SELECT" : std::string(item.command);
}

void addAccessLines(std::vector<std::string>& lines, const WorkItem& item) {
    if (item.index.empty()) {
        lines.push_back("        Table Scan.");
        lines.push_back("        Forward Scan.");
        lines.push_back("        Positioning at start of table.");
        lines.push_back("        Using I/O Size 16 Kbytes for data pages.");
    } else {
        lines.push_back("        Index : " + std::string(item.index));
        lines.push_back("        Forward Scan.");
        lines.push_back("        Positioning by key.");
        lines.push_back("        Using I/O Size 2 Kbytes for index leaf pages.");
        lines.push_back("        With LRU Buffer Replacement Strategy for index leaf pages.");
    }
    lines.push_back("        With LRU Buffer Replacement Strategy for data pages.");
}

std::string frame(int depth, std::string_view function, unsigned offset) {
    char text[120];
    std::snprintf(text, sizeof text, "pc: 0x%012llx %.*s+0x%x()",
                  0x5600a0000000ULL + offset * 16ULL + depth * 0x1c40ULL, int(function.size()),
                  function.data(), offset);
    return text;
}

} // namespace

std::vector<std::string> planLines(const WorkItem& item) {
    std::vector<std::string> lines;
    if (!item.procedure.empty())
        lines.push_back("QUERY PLAN FOR STATEMENT 1 (at line 12) of procedure " +
                        std::string(item.database) + ".dbo." + std::string(item.procedure) + ".");
    else
        lines.push_back("QUERY PLAN FOR STATEMENT 1 (at line 1).");
    lines.push_back("");
    lines.push_back("    STEP 1");
    lines.push_back("        The type of query is " + queryType(item) + ".");
    lines.push_back("");
    if (item.command == "INSERT" || item.command == "UPDATE" || item.command == "DELETE") {
        lines.push_back("        The update mode is direct.");
        lines.push_back("");
    }
    lines.push_back("        FROM TABLE");
    lines.push_back("            " + std::string(item.table));
    lines.push_back("        Nested iteration.");
    addAccessLines(lines, item);
    if (item.command != "SELECT" && item.command != "EXECUTE") {
        lines.push_back("        TO TABLE");
        lines.push_back("            " + std::string(item.table));
        lines.push_back("        Using I/O Size 2 Kbytes for data pages.");
    }
    return lines;
}

std::vector<std::string> stackLines(const ProcessInfo& process) {
    std::vector<std::string> functions{"ucbacktrace", "pcstkwalk", "ucstkgentrace"};
    if (process.kind == ProcessKind::System) {
        functions.insert(functions.end(), {"upsleepgeneric", "uppause", "sleep_task"});
    } else if (process.workItem < 0) {
        functions.insert(functions.end(), {"upsleepgeneric", "tdsrecv_next_request", "conn_hdlr"});
    } else {
        const WorkItem& item = workItem(std::size_t(process.workItem));
        if (process.blockedBy != 0)
            functions.insert(functions.end(),
                             {"upsleepgeneric", "lock__semawait", "lock__acquire_logical"});
        else
            functions.insert(functions.end(), {"getpage_with_validation", "bufsearch_cache"});
        functions.insert(functions.end(), {item.index.empty() ? "apl_getnext" : "apl_getrow",
                                           "s_execute", "sequencer"});
        if (!item.procedure.empty())
            functions.push_back("execproc");
        functions.insert(functions.end(), {"tdsrecv_language", "conn_hdlr"});
    }
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < functions.size(); ++i)
        lines.push_back(
            frame(int(i), functions[i], unsigned(0x40 + (process.seed + i * 37) % 0x400)));
    return lines;
}

} // namespace sim
