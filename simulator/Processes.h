#pragma once

// The server's processes as kept in the state file: system tasks, simulated
// user sessions and the real client connections of every process that shares it.

#include "simulator/Sqlite.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// A new demo server has been up for a while, so its counters are not all zero.
inline constexpr std::int64_t kBootLeadMs = 2LL * 24 * 3600 * 1000;

enum class ProcessKind { System, User, Client };

struct ProcessInfo {
    std::int64_t spid = 0;
    std::int64_t kpid = 0;
    ProcessKind kind = ProcessKind::User;
    std::string login;
    std::string program;
    std::string host;
    std::string database;
    std::string command;
    std::string status;
    std::int64_t blockedBy = 0;
    std::int64_t blockedUntilMs = 0;
    std::int64_t loginMs = 0;
    std::int64_t leaveMs = 0; // simulated sessions only
    std::int64_t seed = 0;
    std::int64_t workItem = -1; // index into workload(), -1 when idle
    std::int64_t batch = 0;
};

std::vector<ProcessInfo> readProcesses(SqliteDatabase& db);
std::optional<ProcessInfo> readProcess(SqliteDatabase& db, std::int64_t spid);

void seedSystemTasks(SqliteDatabase& db, std::int64_t nowMs);
// Inserts a process in the lowest free spid and returns that spid.
std::int64_t addProcess(SqliteDatabase& db, ProcessInfo process);
void updateProcess(SqliteDatabase& db, const ProcessInfo& process);
void removeProcess(SqliteDatabase& db, std::int64_t spid);
// Drops client rows whose operating-system process is gone (a crashed program).
void removeOrphanedClients(SqliteDatabase& db);

// Columns that monTableParameters lists as a table's selecting parameters.
bool isTableParameter(std::string_view column);

std::string_view kindName(ProcessKind kind);

} // namespace sim
