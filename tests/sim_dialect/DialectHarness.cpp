#include "DialectHarness.h"

#include "simulator/Parser.h"
#include "simulator/ServerErrors.h"
#include "simulator/SqlFunctions.h"

#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <variant>

namespace sim::testing {

namespace {

constexpr const char* kFixture = R"(
create table monTables (TableID int, Columns int, Parameters int, Indicators int, Size int,
    TableName varchar(30), Description varchar(255));
insert into monTables values
    (1, 20, 0, 0, 100, 'monProcessActivity', 'Activity of each process'),
    (2, 5, 0, 1, 50, 'monSysStatement', 'Statements that ended'),
    (3, 8, 0, 1, 50, 'monDeadLock', 'Deadlocks seen'),
    (4, 10, 0, 2, 20, 'monEngine', 'Engine figures');
create table monTableColumns (TableID int, ColumnID int, TypeID int, Precision int, Scale int,
    Length int, Indicators int, TableName varchar(30), ColumnName varchar(30),
    TypeName varchar(20), Description varchar(255));
insert into monTableColumns values
    (1, 1, 56, 0, 0, 4, 0, 'monProcessActivity', 'SPID', 'int', 'Process id'),
    (1, 2, 56, 0, 0, 4, 0, 'monProcessActivity', 'CPUTime', 'int', 'CPU used'),
    (2, 1, 56, 0, 0, 4, 0, 'monSysStatement', 'SPID', 'int', 'Process id'),
    (2, 2, 61, 0, 0, 8, 0, 'monSysStatement', 'StartTime', 'datetime', 'Start'),
    (4, 1, 56, 0, 0, 4, 0, 'monEngine', 'EngineNumber', 'int', 'Engine'),
    (4, 2, 56, 0, 0, 4, 0, 'monEngine', 'CPUTime', 'int', 'CPU used');
create table sysconfigures (config int, value int, comment varchar(255), status int,
    name varchar(80), parent int);
insert into sysconfigures values
    (1, 0, 'Configuration Options', 0, 'Configuration Options', 0),
    (19, 0, 'Monitoring', 0, 'Monitoring', 1),
    (20, 0, 'Memory Use', 0, 'Memory Use', 1),
    (356, 1, 'enable monitoring', 1, 'enable monitoring', 19),
    (357, 0, 'per object statistics active', 1, 'per object statistics active', 19),
    (104, 100000, 'total logical memory', 1, 'total logical memory', 20);
create table syscurconfigs (config int, value int, comment varchar(255), status int,
    value2 varchar(255), defvalue varchar(255), type varchar(10), unit varchar(20));
insert into syscurconfigs values
    (356, 1, '', 1, '1', '0', 'dynamic', 'switch'),
    (357, 0, '', 1, '0', '0', 'dynamic', 'switch'),
    (104, 100000, '', 1, '100000', '73728', 'dynamic', 'memory pages(2k)');
create table monProcess (SPID int, KPID int, Login varchar(30) null);
insert into monProcess values (2, 131074, null), (17, 917520, 'sa');
create table people (id int not null, name varchar(20) null, born datetime null,
    score float null);
insert into people values
    (1, 'Ann', '1990-05-17 08:30:00.000', 7.5),
    (2, 'bob', '1985-12-01 23:59:59.997', 3.25),
    (3, 'Cy', null, null),
    (4, 'Dee_x', '2000-02-29 12:00:00.000', 9.0);
)";

char kindLetter(SimValue::Kind kind) {
    static constexpr char letters[] = "NIRTDB";
    return letters[static_cast<int>(kind)];
}

std::string cellText(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL:
        return "NULL";
    case SQLITE_INTEGER:
        return std::to_string(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT: {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%g", sqlite3_column_double(statement, column));
        return buffer;
    }
    default:
        return reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    }
}

void bind(sqlite3_stmt* statement, int index, const SimValue& value) {
    switch (value.kind) {
    case SimValue::Kind::Null:
        sqlite3_bind_null(statement, index);
        break;
    case SimValue::Kind::Integer:
        sqlite3_bind_int64(statement, index, value.integer);
        break;
    case SimValue::Kind::Real:
        sqlite3_bind_double(statement, index, value.real);
        break;
    default:
        sqlite3_bind_text(statement, index, value.text.data(), static_cast<int>(value.text.size()),
                          SQLITE_TRANSIENT);
        break;
    }
}

// Turns an SQLite failure into the server error a function raised, or a generic one.
[[noreturn]] void failFromSqlite(sqlite3* db) {
    const char* message = sqlite3_errmsg(db);
    if (auto error = serverErrorFromSqlite(message))
        throw *error;
    throw errors::make(-1, 16, message);
}

// Stops a statement after about ten million virtual machine steps, so that a
// generated many-way cross join ends with an error instead of running for hours.
int stopRunaway(void* steps) {
    return ++*static_cast<int*>(steps) > 10'000 ? 1 : 0;
}

} // namespace

DialectHarness::DialectHarness() {
    sqlite3_open(":memory:", &db_);
    sqlite3_progress_handler(db_, 1000, stopRunaway, &progress_);
    registerSqlFunctions(db_, &DialectHarness::now);
    exec(kFixture);
}

DialectHarness::~DialectHarness() {
    sqlite3_close(db_);
}

std::chrono::system_clock::time_point DialectHarness::now() {
    std::tm local{};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 11;
    local.tm_mday = 11;
    local.tm_hour = 14;
    local.tm_min = 25;
    local.tm_sec = 30;
    local.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&local)) +
           std::chrono::milliseconds(250);
}

void DialectHarness::exec(const std::string& sql) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        failFromSqlite(db_);
}

std::string DialectHarness::tableOf(const ast::ObjectName& name) {
    const bool knownDatabase =
        name.database.empty() || name.database == "master" || name.database == "tempdb";
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db_, "select name from sqlite_master where type = 'table' and name = ?1", -1,
                       &statement, nullptr);
    sqlite3_bind_text(statement, 1, name.name.data(), static_cast<int>(name.name.size()),
                      SQLITE_TRANSIENT);
    const bool found = sqlite3_step(statement) == SQLITE_ROW;
    sqlite3_finalize(statement);
    if (!knownDatabase || !found)
        throw errors::objectNotFound(name.written);
    return "\"" + name.name + "\"";
}

std::string DialectHarness::resolveTable(const ast::ObjectName& name) {
    return tableOf(name);
}

std::vector<ColumnInfo> DialectHarness::tableColumns(const ast::ObjectName& name) {
    const std::string table = tableOf(name);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db_, ("pragma table_info(" + table + ")").c_str(), -1, &statement, nullptr);
    std::vector<ColumnInfo> columns;
    while (sqlite3_step(statement) == SQLITE_ROW)
        columns.push_back(
            ColumnInfo{cellText(statement, 1), kindOfServerType(cellText(statement, 2))});
    sqlite3_finalize(statement);
    return columns;
}

SimValue DialectHarness::globalVariable(std::string_view name) {
    if (name == "spid")
        return SimValue{SimValue::Kind::Integer, 17, 0.0, {}, {}};
    if (name == "servername")
        return SimValue{SimValue::Kind::Text, 0, 0.0, "FARROWDALE", {}};
    throw errors::make(137, 15, "Must declare variable '@@" + std::string(name) + "'.");
}

std::string DialectHarness::newTableName(const ast::ObjectName& name) {
    try {
        tableOf(name);
    } catch (const SimError&) {
        return "\"" + name.name + "\"";
    }
    throw errors::make(2714, 16,
                       "There is already an object named '" + name.name + "' in the database.");
}

std::string DialectHarness::runQuery(const SqliteText& text) {
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    progress_ = 0;
    if (sqlite3_prepare_v2(db_, text.sql.c_str(), static_cast<int>(text.sql.size()), &statement,
                           &tail) != SQLITE_OK)
        failFromSqlite(db_);
    if (tail != text.sql.c_str() + text.sql.size()) {
        sqlite3_finalize(statement);
        throw std::logic_error("translation gave more than one statement: " + text.sql);
    }
    for (std::size_t i = 0; i < text.parameters.size(); ++i)
        bind(statement, static_cast<int>(i + 1), text.parameters[i]);
    std::string out;
    lastKinds_.clear();
    for (std::size_t i = 0; i < text.columns.size(); ++i) {
        out += (i ? "|" : "") + text.columns[i].name;
        lastKinds_ += kindLetter(text.columns[i].kind);
    }
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        out += "\n";
        for (int c = 0; c < sqlite3_column_count(statement); ++c)
            out += (c ? "|" : "") + cellText(statement, c);
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        failFromSqlite(db_);
    return out;
}

std::string DialectHarness::run(std::string_view batch, bool quotedIdentifiers) {
    try {
        std::string last = "command";
        for (const ast::Statement& statement : parseBatch(batch, quotedIdentifiers)) {
            std::visit(
                [&](const auto& body) {
                    using Body = std::decay_t<decltype(body)>;
                    if constexpr (std::is_same_v<Body, std::unique_ptr<ast::Select>>)
                        last = runQuery(translateSelect(*body, *this));
                    else if constexpr (std::is_same_v<Body, ast::Insert>)
                        runQuery(translateInsert(body, *this));
                    else if constexpr (std::is_same_v<Body, ast::Update>)
                        runQuery(translateUpdate(body, *this));
                    else if constexpr (std::is_same_v<Body, ast::Delete>)
                        runQuery(translateDelete(body, *this));
                    else if constexpr (std::is_same_v<Body, ast::CreateTable>)
                        runQuery(translateCreateTable(body, *this));
                    else if constexpr (std::is_same_v<Body, ast::DropTable>)
                        exec("drop table " + resolveTable(body.table));
                    else if constexpr (std::is_same_v<Body, ast::Print>)
                        last = runQuery(translateScalar(*body.text, *this));
                },
                statement.body);
        }
        return last;
    } catch (const SimError& error) {
        lastMessage_ = error.message().text;
        return "error " + std::to_string(error.message().number);
    }
}

} // namespace sim::testing
