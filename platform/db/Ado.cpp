#include "platform/db/Ado.h"

#include "platform/db/ConnectionString.h"
#include "platform/db/Driver.h"
#include "platform/db/FieldNames.h"
#include "platform/db/ValueText.h"

#include <algorithm>

namespace db {

AdoConnection::AdoConnection() : connectionString_(initialConnectionString()) {}

AdoConnection::~AdoConnection() {
    Close();
    for (AdoQuery* query : queries_)
        query->connection_ = nullptr;
}

void AdoConnection::SetConnectionString(const QString& text) {
    connectionString_ = text;
}

bool AdoConnection::Connected() const {
    return driver_ != nullptr;
}

void AdoConnection::Close() {
    // Cursors hold the driver's statements, so they go first.
    for (AdoQuery* query : queries_)
        query->Close();
    driver_.reset();
}

Driver& AdoConnection::driver() {
    if (!driver_)
        driver_ = openDriver(connectionString_);
    return *driver_;
}

AdoQuery::AdoQuery(AdoConnection& connection) : connection_(&connection) {
    connection.queries_.push_back(this);
}

AdoQuery::~AdoQuery() {
    Close();
    if (connection_)
        std::erase(connection_->queries_, this);
}

void AdoQuery::SetSQL(const QStringList& lines) {
    Close();
    sql_ = lines;
}

void AdoQuery::ClearSQL() {
    Close();
    sql_.clear();
}

void AdoQuery::AddSQL(const QString& line) {
    Close();
    sql_.append(line);
}

QString AdoQuery::CommandText() const {
    return sql_.join(QStringLiteral("\r\n"));
}

namespace {

AdoConnection& liveConnection(AdoConnection* connection) {
    if (!connection)
        throw DbError(QStringLiteral("The query's connection no longer exists."));
    return *connection;
}

} // namespace

void AdoQuery::Open() {
    if (cursor_)
        return;
    std::unique_ptr<Cursor> cursor = liveConnection(connection_).driver().open(CommandText());
    eof_ = !cursor->fetch();
    fieldNames_ = uniqueFieldNames(cursor->columnNames());
    cursor_ = std::move(cursor);
}

void AdoQuery::Close() {
    cursor_.reset();
    fieldNames_.clear();
    eof_ = true;
}

bool AdoQuery::Active() const {
    return cursor_ != nullptr;
}

bool AdoQuery::Eof() const {
    return eof_;
}

void AdoQuery::Next() {
    if (cursor_ && !eof_)
        eof_ = !cursor_->fetch();
}

int AdoQuery::FieldCount() const {
    return int(fieldNames_.size());
}

QStringList AdoQuery::FieldNames() const {
    return fieldNames_;
}

int AdoQuery::FieldIndex(const QString& name) const {
    const auto found = std::find_if(fieldNames_.begin(), fieldNames_.end(), [&](const QString& f) {
        return f.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (found == fieldNames_.end())
        throw DbError(QStringLiteral("Field '%1' not found").arg(name));
    return int(found - fieldNames_.begin());
}

QString AdoQuery::FieldText(int index) const {
    if (!cursor_ || eof_)
        throw DbError(QStringLiteral("The query has no current row."));
    if (index < 0 || index >= FieldCount())
        throw DbError(QStringLiteral("Field index %1 is out of range.").arg(index));
    return valueText(cursor_->value(index));
}

void AdoQuery::ExecSQL() {
    Close();
    liveConnection(connection_).driver().execute(CommandText());
}

} // namespace db
