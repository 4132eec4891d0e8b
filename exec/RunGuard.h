#pragma once

// Marks an execution, save or log as under way for as long as it lives, so an
// action that the message pump starts in the middle can see it and stand aside.
class RunGuard {
public:
    explicit RunGuard(bool& running) : running_(running) { running_ = true; }
    ~RunGuard() { running_ = false; }
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

private:
    bool& running_;
};
