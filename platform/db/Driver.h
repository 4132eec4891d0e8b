#pragma once

// What a backend offers the connection and its query: run a batch for its first
// result with columns, or run it for its effects. Both throw DbError carrying
// the driver's or server's own text. A cursor must be destroyed before the
// driver that made it.

#include "platform/db/Value.h"

#include <QStringList>
#include <memory>

namespace db {

class Cursor {
public:
    virtual ~Cursor() = default;
    // The names as the server sent them, in column order; an unnamed column has "".
    virtual QStringList columnNames() const = 0;
    // Moves to the next row (the first on the first call); false past the last one.
    virtual bool fetch() = 0;
    // A value of the row the last successful fetch stands on.
    virtual const Value& value(int column) const = 0;
};

class Driver {
public:
    virtual ~Driver() = default;
    // Runs the batch and returns a cursor over its first result that has
    // columns; later results are dropped with the cursor. Throws
    // "CommandText does not return a result set" when no result has columns.
    virtual std::unique_ptr<Cursor> open(const QString& batch) = 0;
    // Runs the batch through all its results and keeps no rows.
    virtual void execute(const QString& batch) = 0;
};

QString noResultSetText();

// Connects the backend the ADO connection string names: the simulated server
// for a Data Source beginning with "sim:", else ODBC by data source name
// (MSDASQL) or by ASE server name (ASEOLEDB).
std::unique_ptr<Driver> openDriver(const QString& connectionString);

} // namespace db
