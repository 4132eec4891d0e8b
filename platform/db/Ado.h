#pragma once

// The program's one connection and its reusable query. Opening the query opens
// the connection with the last string given; errors are thrown as DbError
// carrying the driver's or server's own text.

#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>

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
    AdoConnection();
    ~AdoConnection();
    AdoConnection(const AdoConnection&) = delete;
    AdoConnection& operator=(const AdoConnection&) = delete;

    QString ConnectionString() const { return connectionString_; }
    void SetConnectionString(const QString& text);
    bool Connected() const;
    // Closes the connection; a query open on it closes with it.
    void Close();

    // The live driver, connecting first when needed (used by AdoQuery).
    Driver& driver();

private:
    friend class AdoQuery;
    QString connectionString_;
    std::unique_ptr<Driver> driver_;
    class AdoQuery* openQuery_ = nullptr;
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
    void Open();
    void Close();
    bool Active() const;
    bool Eof() const;
    void Next();

    int FieldCount() const;
    // Unique within a result: an unnamed column is "COLUMN<n>", a repeated name "<name>_<n>".
    QStringList FieldNames() const;
    // Throws "Field '<name>' not found".
    int FieldIndex(const QString& name) const;
    QString FieldText(int index) const;
    QString FieldText(const QString& name) const { return FieldText(FieldIndex(name)); }

    // Runs the command; no rows are kept.
    void ExecSQL();

private:
    friend class AdoConnection;
    AdoConnection& connection_;
    QStringList sql_;
    std::unique_ptr<Cursor> cursor_;
    QStringList fieldNames_;
};

// The stored-procedure component: only its procedure name is ever read.
struct AdoStoredProc {
    QString ProcedureName = QStringLiteral("sybsystemprocs.dbo.sp_configure");
};

} // namespace db
