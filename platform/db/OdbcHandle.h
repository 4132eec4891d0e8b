#pragma once

// One ODBC handle, freed with its owner, and the driver's diagnostics turned
// into the DbError text.

#include <QString>

#include <sql.h>
#include <sqlext.h>

namespace db {

class OdbcHandle {
public:
    OdbcHandle(SQLSMALLINT type, SQLHANDLE parent);
    ~OdbcHandle();
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;

    SQLHANDLE get() const { return handle_; }
    SQLSMALLINT type() const { return type_; }

    // Every diagnostic record of the last call, one message a line.
    QString diagnostics() const;
    // Throws DbError with the diagnostics when rc is an error; returns rc otherwise.
    SQLRETURN check(SQLRETURN rc) const;

private:
    SQLSMALLINT type_;
    SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

} // namespace db
