#pragma once

// Public face of the simulated ASE server: a session is one client connection
// (one spid) to a server whose state lives in one SQLite file shared by every
// process that opens the same data source.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace sim {

struct SimValue {
    enum class Kind { Null, Integer, Real, Text, DateTime, Binary };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    double real = 0.0;
    // Text values in UTF-8; date-times as "YYYY-MM-DD HH:MM:SS.mmm" in local time.
    std::string text;
    std::vector<unsigned char> bytes;
};

// A server message: "print" output, dbcc/showplan text, warnings and errors.
struct SimMessage {
    int number = 0;
    int severity = 0;
    int state = 1;
    int line = 1;
    std::string text;
};

// What one statement of a batch produced. A statement without a result set
// (update, kill, print...) has no columns; rowsAffected is -1 when it does not apply.
struct SimResult {
    std::vector<std::string> columns;
    std::vector<SimValue::Kind> columnKinds;
    std::vector<std::vector<SimValue>> rows;
    std::int64_t rowsAffected = -1;
    std::vector<SimMessage> messages; // emitted by this statement, in order
    std::optional<int> returnStatus;  // set when the statement ran a procedure
};

// A failure the server reports: bad syntax, unknown object, permission, monitoring off...
class SimError : public std::runtime_error {
public:
    explicit SimError(SimMessage message)
        : std::runtime_error(message.text), message_(std::move(message)) {}
    const SimMessage& message() const { return message_; }

private:
    SimMessage message_;
};

struct SimBatchOutcome {
    std::vector<SimResult> results; // one per statement that ran, in order
    std::optional<SimError> error;  // the statement that stopped the batch, if any
};

// The server's notion of "now"; tests pass their own to step time without waiting.
using SimClock = std::function<std::chrono::system_clock::time_point()>;

class SimSession {
public:
    virtual ~SimSession() = default;

    // dataSource: "sim:NAME" (<temporary directory>/NAME.asesim), "sim:/path/file"
    // or "sim::memory:" (private to this session). Creates and seeds the file on
    // first use. Throws SimError for a refused login or an unusable state file.
    static std::unique_ptr<SimSession> open(const std::string& dataSource, const std::string& user,
                                            const std::string& password);
    // The same with a clock other than the wall clock.
    static std::unique_ptr<SimSession> open(const std::string& dataSource, const std::string& user,
                                            const std::string& password, SimClock clock);

    // Runs one batch (statements separated by blanks, new lines or ";").
    virtual SimBatchOutcome execute(const std::string& batch) = 0;

    virtual int spid() const = 0;
    virtual std::string serverName() const = 0;
};

} // namespace sim
