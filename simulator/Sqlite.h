#pragma once

// Thin RAII layer over the SQLite C API: one connection, prepared statements,
// and failures turned into exceptions that carry SQLite's own text.

#include <sqlite3.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace sim {

class SqliteError : public std::runtime_error {
public:
    SqliteError(int code, const std::string& text) : std::runtime_error(text), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

class SqliteStatement;

class SqliteDatabase {
public:
    // Opens (creating when allowed) the file; ":memory:" gives a private database.
    SqliteDatabase(const std::string& path, bool create);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    sqlite3* handle() const { return db_; }
    void exec(const std::string& sql);
    SqliteStatement prepare(std::string_view sql);
    std::int64_t changes() const;
    bool readOnly() const;
    [[noreturn]] void fail(int code) const;

private:
    sqlite3* db_ = nullptr;
};

class SqliteStatement {
public:
    SqliteStatement(const SqliteDatabase& db, sqlite3_stmt* stmt) : db_(&db), stmt_(stmt) {}
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    SqliteStatement& operator=(SqliteStatement&&) = delete;

    SqliteStatement& bind(int index, std::int64_t value);
    SqliteStatement& bind(int index, double value);
    SqliteStatement& bind(int index, std::string_view value);
    SqliteStatement& bindNull(int index);
    // True while a row is available; throws on failure.
    bool step();
    void run() {
        while (step()) {
        }
    }
    void reset();

    int columnCount() const { return sqlite3_column_count(stmt_); }
    int type(int column) const { return sqlite3_column_type(stmt_, column); }
    std::int64_t integer(int column) const { return sqlite3_column_int64(stmt_, column); }
    double real(int column) const { return sqlite3_column_double(stmt_, column); }
    std::string text(int column) const;
    std::string_view textView(int column) const;
    sqlite3_stmt* handle() const { return stmt_; }

private:
    const SqliteDatabase* db_;
    sqlite3_stmt* stmt_;
};

// Runs a block inside BEGIN IMMEDIATE ... COMMIT, rolling back on any exception.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDatabase& db);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;
    void commit();

private:
    SqliteDatabase& db_;
    bool open_ = true;
};

std::string quoteSqlText(std::string_view text);       // 'text' with quotes doubled
std::string quoteSqlIdentifier(std::string_view name); // "name" with quotes doubled

} // namespace sim
