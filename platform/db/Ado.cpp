#include "platform/db/Ado.h"

// Placeholder until the drivers land: every operation reports that no driver is present.

namespace db {

class Driver {};
class Cursor {};

namespace {
[[noreturn]] void noDriver() { throw DbError(QStringLiteral("No database driver is built yet.")); }
} // namespace

AdoConnection::AdoConnection() = default;
AdoConnection::~AdoConnection() = default;
void AdoConnection::SetConnectionString(const QString& text) { connectionString_ = text; }
bool AdoConnection::Connected() const { return false; }
void AdoConnection::Close() {}
Driver& AdoConnection::driver() { noDriver(); }

AdoQuery::AdoQuery(AdoConnection& connection) : connection_(connection) {}
AdoQuery::~AdoQuery() = default;
void AdoQuery::SetSQL(const QStringList& lines) { sql_ = lines; }
void AdoQuery::ClearSQL() { sql_.clear(); }
void AdoQuery::AddSQL(const QString& line) { sql_.append(line); }
QString AdoQuery::CommandText() const { return sql_.join(QStringLiteral("\r\n")); }
void AdoQuery::Open() { noDriver(); }
void AdoQuery::Close() {}
bool AdoQuery::Active() const { return false; }
bool AdoQuery::Eof() const { return true; }
void AdoQuery::Next() {}
int AdoQuery::FieldCount() const { return 0; }
QStringList AdoQuery::FieldNames() const { return {}; }
int AdoQuery::FieldIndex(const QString&) const { noDriver(); }
QString AdoQuery::FieldText(int) const { noDriver(); }
void AdoQuery::ExecSQL() { noDriver(); }

} // namespace db
