#include "simulator/EngineSession.h"

#include "simulator/EngineErrors.h"
#include "simulator/LiveTables.h"
#include "simulator/MonitoringSwitches.h"
#include "simulator/Parser.h"
#include "simulator/PipeTables.h"
#include "simulator/Procedures.h"
#include "simulator/ProcessCommands.h"
#include "simulator/Processes.h"
#include "simulator/RowFacts.h"
#include "simulator/ServerErrors.h"
#include "simulator/Simulation.h"
#include "simulator/SqlFunctions.h"
#include "simulator/SqliteValues.h"
#include "simulator/StoredTables.h"
#include "simulator/Tokenizer.h"

namespace sim {

namespace {

template <class... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

constexpr std::string_view kVersion =
    "Adaptive Server Enterprise/16.0 SP04/Farrowdale simulated server/x86_64/Linux";

SimError statementFailure(const SqliteError& failure, const std::string& path) {
    if (std::optional<SimError> server = serverErrorFromSqlite(failure.what()))
        return *server;
    switch (failure.code() & 0xff) {
    case SQLITE_CONSTRAINT:
        return errors::make(2601, 14,
                            std::string("Attempt to insert a duplicate key or a null into a "
                                        "column that does not allow it: ") +
                                failure.what());
    case SQLITE_INTERRUPT:
        return errors::statementTooLong(RunawayGuard::kTimeLimit.count());
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_READONLY:
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return stateFileError(failure, path);
    default:
        return errors::internalFailure(failure.what());
    }
}

// A vector holding one result, moved in: a braced list would copy every row.
std::vector<SimResult> one(SimResult result) {
    std::vector<SimResult> results;
    results.push_back(std::move(result));
    return results;
}

// A column whose type the statement does not fix (an expression, @@spid)
// takes the kind of its first value, so that clients can align and convert it.
void describeUntypedColumns(SimResult& result) {
    for (std::size_t c = 0; c < result.columnKinds.size(); ++c) {
        if (result.columnKinds[c] != SimValue::Kind::Null)
            continue;
        for (const std::vector<SimValue>& row : result.rows)
            if (row[c].kind != SimValue::Kind::Null) {
                result.columnKinds[c] = row[c].kind;
                break;
            }
    }
}

} // namespace

EngineSession::EngineSession(std::unique_ptr<SqliteDatabase> db, StateLocation location,
                             SimClock clock, std::string login, std::int64_t spid)
    : db_(std::move(db)),
      location_(std::move(location)), state_{*db_, std::move(clock), spid, std::move(login),
                                             location_.serverName},
      guard_(db_->handle()) {}

EngineSession::~EngineSession() {
    try {
        SqliteTransaction transaction(*db_);
        removeProcess(*db_, state_.spid);
        transaction.commit();
    } catch (const std::exception&) {
        // A locked file at disconnect leaves the row behind; the next opener
        // removes it once this process has gone.
    }
}

void EngineSession::checkStillConnected() {
    if (!readProcess(*db_, state_.spid))
        throw errors::sessionKilled();
}

SimBatchOutcome EngineSession::execute(const std::string& batch) {
    SimBatchOutcome outcome;
    int line = 1;
    try {
        runBatch(batch, outcome.results, line);
    } catch (...) {
        outcome.error = failure(std::current_exception(), line);
    }
    return outcome;
}

void EngineSession::runBatch(const std::string& batch, std::vector<SimResult>& results, int& line) {
    guard_.start(); // the server's own work before the statements counts too
    checkStillConnected();
    const std::int64_t now = state_.nowMs();
    advanceServer(*db_, now);
    const std::vector<ast::Statement> statements = parseBatch(batch, state_.quotedIdentifiers);
    if (std::optional<ProcessInfo> self = readProcess(*db_, state_.spid)) {
        self->batch = ++batches_;
        recordClientBatch(*db_, *self, batch, now);
    }
    for (const ast::Statement& statement : statements) {
        line = statement.line;
        guard_.start();
        builtForStatement_.clear();
        for (SimResult& result : runStatement(statement))
            results.push_back(std::move(result));
        state_.lastError = 0;
    }
}

// Whatever stopped the batch, as the server's error at the statement's line.
SimError EngineSession::failure(std::exception_ptr thrown, int line) {
    SimMessage message;
    try {
        std::rethrow_exception(thrown);
    } catch (const SimError& error) {
        message = error.message();
    } catch (const SqliteError& error) {
        message = statementFailure(error, location_.path).message();
    } catch (const std::exception& error) {
        message = errors::internalFailure(error.what()).message();
    } catch (...) {
        message = errors::internalFailure("an unknown failure").message();
    }
    if (message.line == 1)
        message.line = line;
    state_.lastError = message.number;
    return SimError(std::move(message));
}

std::vector<SimResult> EngineSession::runStatement(const ast::Statement& statement) {
    return std::visit(
        Overloaded{
            [this](const std::unique_ptr<ast::Select>& select) -> std::vector<SimResult> {
                return one(runSql(translateSelect(*select, *this), true));
            },
            [this](const ast::Insert& insert) -> std::vector<SimResult> {
                return one(runWrite(insert.table, translateInsert(insert, *this)));
            },
            [this](const ast::Update& update) -> std::vector<SimResult> {
                return one(runWrite(update.table, translateUpdate(update, *this)));
            },
            [this](const ast::Delete& erase) -> std::vector<SimResult> {
                return one(runWrite(erase.table, translateDelete(erase, *this)));
            },
            [this](const ast::CreateTable& create) -> std::vector<SimResult> {
                SimResult result = runSql(translateCreateTable(create, *this), false);
                result.rowsAffected = -1;
                return one(result);
            },
            [this](const ast::DropTable& drop) -> std::vector<SimResult> {
                return one(dropTable(drop));
            },
            [this](const ast::Execute& call) { return runProcedure(*this, call); },
            [this](const ast::Kill& kill) -> std::vector<SimResult> {
                return one(runKill(state_, kill));
            },
            [this](const ast::Dbcc& dbcc) -> std::vector<SimResult> {
                return one(runDbcc(*this, dbcc));
            },
            [this](const ast::Use& use) -> std::vector<SimResult> { return one(useDatabase(use)); },
            [this](const ast::Set& set) -> std::vector<SimResult> { return one(setOptions(set)); },
            [this](const ast::Print& text) -> std::vector<SimResult> { return one(print(text)); },
            [this](const ast::Transaction& word) -> std::vector<SimResult> {
                return one(transaction(word));
            },
        },
        statement.body);
}

SimResult EngineSession::runSql(const SqliteText& text, bool returnsRows) {
    SqliteStatement statement = db_->prepare(text.sql);
    for (std::size_t i = 0; i < text.parameters.size(); ++i)
        bindValue(statement, int(i + 1), text.parameters[i]);
    SimResult result;
    for (const ColumnInfo& column : text.columns) {
        result.columns.push_back(column.name);
        result.columnKinds.push_back(column.kind);
    }
    while (statement.step()) {
        if (!returnsRows)
            continue;
        if (result.rows.size() == RunawayGuard::kRowLimit)
            throw errors::resultTooLarge(RunawayGuard::kRowLimit);
        std::vector<SimValue> row;
        row.reserve(text.columns.size());
        for (std::size_t i = 0; i < text.columns.size(); ++i)
            row.push_back(readValue(statement, int(i), text.columns[i].kind));
        result.rows.push_back(std::move(row));
    }
    describeUntypedColumns(result);
    result.rowsAffected = returnsRows ? std::int64_t(result.rows.size()) : db_->changes();
    state_.rowCount = result.rowsAffected;
    if (state_.noCount)
        result.rowsAffected = -1;
    return result;
}

SimResult EngineSession::runWrite(const ast::ObjectName& table, const SqliteText& text) {
    const TableLocation location = locateTable(*db_, table, state_.database);
    if (location.kind != TableLocation::Kind::User)
        throw errors::tableNotModifiable(location.name);
    return runSql(text, false);
}

std::string EngineSession::newTableName(const ast::ObjectName& name) {
    const std::string database = databaseOf(name, state_.database);
    if (database != "tempdb")
        throw errors::createNotAllowed(database);
    if (userTableNameTaken(*db_, database, name.name))
        throw errors::make(2714, 16,
                           "There is already an object named '" + name.name + "' in the database.");
    return storedTableName(database, name.name);
}

SimResult EngineSession::dropTable(const ast::DropTable& drop) {
    const TableLocation location = locateTable(*db_, drop.table, state_.database);
    if (location.kind != TableLocation::Kind::User)
        throw errors::tableNotModifiable(location.name);
    db_->exec("drop table " + storedTableName(location.database, location.name));
    return {};
}

SimResult EngineSession::useDatabase(const ast::Use& use) {
    ast::ObjectName name;
    name.database = use.database;
    state_.database = databaseOf(name, state_.database);
    return {};
}

SimResult EngineSession::setOptions(const ast::Set& set) {
    if (set.words.size() >= 2) {
        const bool on = set.words.back() == "on";
        if (set.words.front() == "quoted_identifier")
            state_.quotedIdentifiers = on;
        else if (set.words.front() == "nocount")
            state_.noCount = on;
    }
    return {};
}

SimResult EngineSession::print(const ast::Print& text) {
    SimResult result;
    result.messages.push_back(SimMessage{0, 0, 1, 1, textArgument(evaluate(*text.text))});
    return result;
}

SimResult EngineSession::transaction(const ast::Transaction& word) {
    if (word.word == "begin")
        ++state_.transactionCount;
    else if (word.word == "rollback")
        state_.transactionCount = 0;
    else if (state_.transactionCount > 0)
        --state_.transactionCount;
    return {};
}

SimValue EngineSession::evaluate(const ast::Expr& expr) {
    const SqliteText text = translateScalar(expr, *this);
    SqliteStatement statement = db_->prepare(text.sql);
    for (std::size_t i = 0; i < text.parameters.size(); ++i)
        bindValue(statement, int(i + 1), text.parameters[i]);
    if (!statement.step())
        return {};
    const SimValue::Kind kind = text.columns.empty() ? SimValue::Kind::Null : text.columns[0].kind;
    return readValue(statement, 0, kind);
}

std::string EngineSession::liveTableName(const TableLocation& table) {
    const bool pipe = table.kind == TableLocation::Kind::Pipe;
    const std::string quoted = quoteSqlIdentifier((pipe ? "pipe." : "live.") + table.name);
    // A table named twice in one statement is built once, so that a self-join
    // sees one set of rows and a pipe hands its unread rows to both sides.
    if (!builtForStatement_.insert(table.name).second)
        return "temp." + quoted;
    requireReadable(*db_, *table.definition);
    if (pipe)
        pipePositions_[table.name] =
            copyUnreadRows(*db_, *table.definition, quoted, pipePositions_[table.name]);
    else
        buildLiveTable(*db_, *table.definition, quoted, state_.nowMs());
    return "temp." + quoted;
}

std::string EngineSession::resolveTable(const ast::ObjectName& name) {
    const TableLocation table = locateTable(*db_, name, state_.database);
    switch (table.kind) {
    case TableLocation::Kind::Live:
    case TableLocation::Kind::Pipe:
        return liveTableName(table);
    case TableLocation::Kind::Stored:
        if (table.definition && table.definition->name.starts_with("mon"))
            requireReadable(*db_, *table.definition);
        break;
    case TableLocation::Kind::User:
        break;
    }
    return storedTableName(table.database, table.name);
}

std::vector<ColumnInfo> EngineSession::tableColumns(const ast::ObjectName& name) {
    return columnsOf(*db_, locateTable(*db_, name, state_.database));
}

SimValue EngineSession::globalVariable(std::string_view name) {
    std::string key = lowerAscii(name);
    if (key.starts_with("@@"))
        key.erase(0, 2);
    if (key == "spid")
        return integerValue(state_.spid);
    if (key == "servername")
        return textValue(state_.serverName);
    if (key == "version")
        return textValue(std::string(kVersion));
    if (key == "rowcount")
        return integerValue(state_.rowCount);
    if (key == "error")
        return integerValue(state_.lastError);
    if (key == "trancount")
        return integerValue(state_.transactionCount);
    if (key == "nestlevel")
        return integerValue(0);
    if (key == "language")
        return textValue("us_english");
    if (key == "maxconnections")
        return integerValue(25);
    throw errors::undeclaredVariable("@@" + key);
}

} // namespace sim
