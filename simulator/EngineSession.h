#pragma once

// One client connection to the simulated server: runs batches statement by
// statement, tells the translator where tables live, and carries the
// connection's own settings (current database, trace flags, pipe positions).

#include "simulator/RunawayGuard.h"
#include "simulator/SessionState.h"
#include "simulator/StateFile.h"
#include "simulator/TableDirectory.h"
#include "simulator/Translator.h"

#include <exception>
#include <map>
#include <memory>
#include <set>

namespace sim {

class EngineSession final : public SimSession, public TranslationScope, public StatementContext {
public:
    EngineSession(std::unique_ptr<SqliteDatabase> db, StateLocation location, SimClock clock,
                  std::string login, std::int64_t spid);
    ~EngineSession() override;
    EngineSession(const EngineSession&) = delete;
    EngineSession& operator=(const EngineSession&) = delete;

    SimBatchOutcome execute(const std::string& batch) override;
    int spid() const override { return int(state_.spid); }
    std::string serverName() const override { return state_.serverName; }

    std::string resolveTable(const ast::ObjectName& name) override;
    std::vector<ColumnInfo> tableColumns(const ast::ObjectName& name) override;
    SimValue globalVariable(std::string_view name) override;
    std::string newTableName(const ast::ObjectName& name) override;

    SessionState& state() override { return state_; }
    SimValue evaluate(const ast::Expr& expr) override;

private:
    // `line` follows the statement running, for the error's line number.
    void runBatch(const std::string& batch, std::vector<SimResult>& results, int& line);
    SimError failure(std::exception_ptr thrown, int line);
    std::vector<SimResult> runStatement(const ast::Statement& statement);
    SimResult runSql(const SqliteText& text, bool returnsRows);
    SimResult runWrite(const ast::ObjectName& table, const SqliteText& text);
    SimResult dropTable(const ast::DropTable& drop);
    SimResult useDatabase(const ast::Use& use);
    SimResult setOptions(const ast::Set& set);
    SimResult print(const ast::Print& print);
    SimResult transaction(const ast::Transaction& word);
    std::string liveTableName(const TableLocation& table);
    void checkStillConnected();

    std::unique_ptr<SqliteDatabase> db_;
    StateLocation location_;
    SessionState state_;
    RunawayGuard guard_;
    std::map<std::string, std::int64_t> pipePositions_; // newest pipe row read, by table
    std::set<std::string> builtForStatement_;           // live tables built for this statement
    std::int64_t batches_ = 0;
};

} // namespace sim
