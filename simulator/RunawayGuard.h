#pragma once

// Keeps one statement from holding a connection for ever: past a time limit
// SQLite is told to stop, and a result may hold only so many rows (the
// clients show a few tens of thousands at most), so that a careless cross
// join ends with an error instead of a hang or an exhausted memory.

#include <sqlite3.h>

#include <chrono>
#include <cstddef>

namespace sim {

class RunawayGuard {
public:
    static constexpr std::chrono::seconds kTimeLimit{60};
    static constexpr std::size_t kRowLimit = 250000;

    explicit RunawayGuard(sqlite3* db);
    ~RunawayGuard();
    RunawayGuard(const RunawayGuard&) = delete;
    RunawayGuard& operator=(const RunawayGuard&) = delete;

    // The time limit counts from here until the next start.
    void start();

private:
    static int checkTime(void* guard);

    sqlite3* db_;
    std::chrono::steady_clock::time_point deadline_;
};

} // namespace sim
