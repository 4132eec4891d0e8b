#pragma once

// Small helpers shared by the simulated server's tests: a clock the test
// moves by hand, a private scratch folder, and batch runners that fail the
// test with the server's message when a batch does not do what it should.

#include "simulator/SimServer.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace simtest {

struct ManualClock {
    std::shared_ptr<std::chrono::system_clock::time_point> now =
        std::make_shared<std::chrono::system_clock::time_point>(std::chrono::system_clock::now());

    sim::SimClock clock() const {
        return [now = now] { return *now; };
    }
    void advance(std::chrono::milliseconds step) const { *now += step; }
};

// A fresh directory under the system's temporary folder, removed with the object.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::unique_ptr<sim::SimSession> openPrivate(const ManualClock& clock = {});

// The batch's results; a server error fails the test.
std::vector<sim::SimResult> run(sim::SimSession& session, const std::string& batch);
// The first result with columns; fails the test when there is none.
sim::SimResult query(sim::SimSession& session, const std::string& batch);
// The error that stops the batch; fails the test when it succeeds.
sim::SimMessage failure(sim::SimSession& session, const std::string& batch);

// Lines joined by CR LF, the first being "/**/", as the program sends them.
std::string programText(const std::vector<std::string>& lines);

int columnIndex(const sim::SimResult& result, const std::string& name);
std::string textOf(const sim::SimValue& value);

} // namespace simtest
