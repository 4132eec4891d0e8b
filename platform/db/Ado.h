#pragma once

// The program's one connection and its reusable query. Opening the query opens
// the connection with the last string given; errors are thrown as DbError
// carrying the driver's or server's own text.

#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>
#include <vector>

namespace db {

class DbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    explicit DbError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromUtf8(what()); }
};

class Driver;
class Cursor;

class AdoConnection {
public:
    // Starts with the window's initial string (db::initialConnectionString()).
    AdoConnection();
    ~AdoConnection();
    AdoConnection(const AdoConnection&) = delete;
    AdoConnection& operator=(const AdoConnection&) = delete;

    QString ConnectionString() const { return connectionString_; }
    // Used by the next connect; an open connection keeps its server until closed.
    void SetConnectionString(const QString& text);
    bool Connected() const;
    // Closes the connection; every query open on it closes with it.
    void Close();

    // The live driver, connecting first when needed (used by AdoQuery).
    Driver& driver();

private:
    friend class AdoQuery;
    QString connectionString_;
    std::unique_ptr<Driver> driver_;
    std::vector<class AdoQuery*> queries_; // bound to this connection, open or not
};

class AdoQuery {
public:
    explicit AdoQuery(AdoConnection& connection);
    ~AdoQuery();
    AdoQuery(const AdoQuery&) = delete;
    AdoQuery& operator=(const AdoQuery&) = delete;

    // The statement as a list of lines; the command sent is the lines joined by CR LF.
    // Changing the text closes the query.
    const QStringList& SQL() const { return sql_; }
    void SetSQL(const QStringList& lines);
    void ClearSQL();
    void AddSQL(const QString& line);
    QString CommandText() const;

    // Runs the command and stands on the first row of the first result with
    // columns; throws "CommandText does not return a result set" when none has any.
    // Opening a query that is already open does nothing.
    void Open();
    void Close();
    bool Active() const;
    // True past the last row, and whenever the query is closed.
    bool Eof() const;
    // Moves to the next row; does nothing at the end or on a closed query.
    void Next();

    int FieldCount() const;
    // Unique within a result: an unnamed column is "COLUMN<n>", a repeated name "<name>_<n>".
    QStringList FieldNames() const;
    // Throws "Field '<name>' not found".
    // Letter case is ignored, as the unique-name rule ignores it.
    int FieldIndex(const QString& name) const;
    // The current row's value as text; throws when there is no current row.
    QString FieldText(int index) const;
    QString FieldText(const QString& name) const { return FieldText(FieldIndex(name)); }

    // Runs the command; no rows are kept.
    void ExecSQL();

private:
    friend class AdoConnection;
    AdoConnection* connection_; // null once the connection is destroyed
    QStringList sql_;
    std::unique_ptr<Cursor> cursor_;
    QStringList fieldNames_;
    bool eof_ = true;
};

// The stored-procedure component: only its procedure name is ever read.
struct AdoStoredProc {
    QString ProcedureName = QStringLiteral("sybsystemprocs.dbo.sp_configure");
};

} // namespace db
