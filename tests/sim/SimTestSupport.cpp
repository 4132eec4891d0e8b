#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace simtest {

ScratchDirectory::ScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "simtest-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a scratch directory");
    path_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::unique_ptr<sim::SimSession> openPrivate(const ManualClock& clock) {
    return sim::SimSession::open("sim::memory:", "sa", "", clock.clock());
}

std::vector<sim::SimResult> run(sim::SimSession& session, const std::string& batch) {
    sim::SimBatchOutcome outcome = session.execute(batch);
    EXPECT_FALSE(outcome.error) << batch << "\n-> " << outcome.error->message().number << ": "
                                << outcome.error->message().text;
    return std::move(outcome.results);
}

sim::SimResult query(sim::SimSession& session, const std::string& batch) {
    for (sim::SimResult& result : run(session, batch))
        if (!result.columns.empty())
            return std::move(result);
    ADD_FAILURE() << "no result with columns: " << batch;
    return {};
}

sim::SimMessage failure(sim::SimSession& session, const std::string& batch) {
    const sim::SimBatchOutcome outcome = session.execute(batch);
    if (!outcome.error) {
        ADD_FAILURE() << "expected an error: " << batch;
        return {};
    }
    return outcome.error->message();
}

std::string programText(const std::vector<std::string>& lines) {
    std::string text = "/**/";
    for (const std::string& line : lines)
        text += "\r\n" + line;
    return text;
}

int columnIndex(const sim::SimResult& result, const std::string& name) {
    for (std::size_t i = 0; i < result.columns.size(); ++i)
        if (result.columns[i] == name)
            return int(i);
    ADD_FAILURE() << "no column " << name;
    return 0;
}

std::string textOf(const sim::SimValue& value) {
    switch (value.kind) {
    case sim::SimValue::Kind::Integer:
        return std::to_string(value.integer);
    case sim::SimValue::Kind::Null:
        return "NULL";
    default:
        return value.text;
    }
}

} // namespace simtest
