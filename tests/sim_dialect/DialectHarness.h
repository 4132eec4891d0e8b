#pragma once

// A small server for dialect tests: an in-memory SQLite database holding a few
// catalogue tables and a user table, a TranslationScope over it, and a runner
// that parses, translates and executes a batch the way the engine does.

#include "simulator/Translator.h"

#include <sqlite3.h>

#include <chrono>

#include <string>
#include <string_view>

namespace sim::testing {

class DialectHarness : public TranslationScope {
public:
    DialectHarness();
    ~DialectHarness() override;
    DialectHarness(const DialectHarness&) = delete;
    DialectHarness& operator=(const DialectHarness&) = delete;

    // Runs every statement of the batch and describes the last result with
    // columns: a header line of column names joined by "|", then one line per
    // row. A failure gives "error N". Commands give "command".
    std::string run(std::string_view batch, bool quotedIdentifiers = false);

    // The kinds of the last result's columns, one letter each: N(ull) I R T D(ate-time) B.
    const std::string& lastKinds() const { return lastKinds_; }
    // The text of the last error, for failure messages.
    const std::string& lastMessage() const { return lastMessage_; }

    std::string resolveTable(const ast::ObjectName& name) override;
    std::vector<ColumnInfo> tableColumns(const ast::ObjectName& name) override;
    SimValue globalVariable(std::string_view name) override;
    std::string newTableName(const ast::ObjectName& name) override;

    // The fixed wall clock of this server: 2026-12-11 14:25:30.250 local time.
    static std::chrono::system_clock::time_point now();

private:
    std::string runQuery(const SqliteText& text);
    void exec(const std::string& sql);
    std::string tableOf(const ast::ObjectName& name);

    sqlite3* db_ = nullptr;
    int progress_ = 0;
    std::string lastKinds_;
    std::string lastMessage_;
};

} // namespace sim::testing
