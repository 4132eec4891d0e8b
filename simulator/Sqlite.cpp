#include "simulator/Sqlite.h"

namespace sim {

SqliteDatabase::SqliteDatabase(const std::string& path, bool create) {
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (create)
        flags |= SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string text = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw SqliteError(rc, text);
    }
    sqlite3_extended_result_codes(db_, 0);
}

SqliteDatabase::~SqliteDatabase() {
    sqlite3_close_v2(db_);
}

void SqliteDatabase::fail(int code) const {
    throw SqliteError(code, sqlite3_errmsg(db_));
}

void SqliteDatabase::exec(const std::string& sql) {
    char* error = nullptr;
    const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const std::string text = error ? error : sqlite3_errstr(rc);
        sqlite3_free(error);
        throw SqliteError(rc, text);
    }
}

SqliteStatement SqliteDatabase::prepare(std::string_view sql) {
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(db_, sql.data(), int(sql.size()), &stmt, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
    return SqliteStatement(*this, stmt);
}

std::int64_t SqliteDatabase::changes() const {
    return sqlite3_changes64(db_);
}

bool SqliteDatabase::readOnly() const {
    return sqlite3_db_readonly(db_, "main") == 1;
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : db_(other.db_), stmt_(other.stmt_) {
    other.stmt_ = nullptr;
}

SqliteStatement& SqliteStatement::bind(int index, std::int64_t value) {
    sqlite3_bind_int64(stmt_, index, value);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, double value) {
    sqlite3_bind_double(stmt_, index, value);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::string_view value) {
    sqlite3_bind_text(stmt_, index, value.data(), int(value.size()), SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement& SqliteStatement::bindNull(int index) {
    sqlite3_bind_null(stmt_, index);
    return *this;
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    db_->fail(rc);
}

void SqliteStatement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::string SqliteStatement::text(int column) const {
    return std::string(textView(column));
}

std::string_view SqliteStatement::textView(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (!text)
        return {};
    return {text, std::size_t(sqlite3_column_bytes(stmt_, column))};
}

SqliteTransaction::SqliteTransaction(SqliteDatabase& db) : db_(db) {
    db_.exec("BEGIN IMMEDIATE");
}

SqliteTransaction::~SqliteTransaction() {
    if (open_)
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::commit() {
    db_.exec("COMMIT");
    open_ = false;
}

namespace {
std::string quoted(std::string_view text, char quote) {
    std::string out;
    out.reserve(text.size() + 2);
    out += quote;
    for (char c : text) {
        out += c;
        if (c == quote)
            out += quote;
    }
    out += quote;
    return out;
}
} // namespace

std::string quoteSqlText(std::string_view text) {
    return quoted(text, '\'');
}
std::string quoteSqlIdentifier(std::string_view name) {
    return quoted(name, '"');
}

} // namespace sim
