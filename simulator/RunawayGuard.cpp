#include "simulator/RunawayGuard.h"

namespace sim {

namespace {
// SQLite calls the check every this many virtual machine steps.
constexpr int kStepsBetweenChecks = 10000;
} // namespace

RunawayGuard::RunawayGuard(sqlite3* db)
    : db_(db), deadline_(std::chrono::steady_clock::now() + kTimeLimit) {
    sqlite3_progress_handler(db_, kStepsBetweenChecks, &RunawayGuard::checkTime, this);
}

RunawayGuard::~RunawayGuard() {
    sqlite3_progress_handler(db_, 0, nullptr, nullptr);
}

void RunawayGuard::start() {
    deadline_ = std::chrono::steady_clock::now() + kTimeLimit;
}

int RunawayGuard::checkTime(void* guard) {
    return std::chrono::steady_clock::now() > static_cast<RunawayGuard*>(guard)->deadline_ ? 1 : 0;
}

} // namespace sim
