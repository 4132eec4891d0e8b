#pragma once

// The rows of one ODBC result. Each fetch reads the whole row with SQLGetData,
// in column order, long values piece by piece; character data arrives as bytes
// read by decodeDriverText.

#include "platform/db/Driver.h"
#include "platform/db/OdbcHandle.h"

#include <memory>
#include <vector>

namespace db {

class OdbcCursor : public Cursor {
public:
    // Takes a statement that stands on a result with columns.
    explicit OdbcCursor(std::unique_ptr<OdbcHandle> statement);

    QStringList columnNames() const override { return names_; }
    bool fetch() override;
    const Value& value(int column) const override { return row_.at(column); }

private:
    Value readValue(SQLUSMALLINT column, SQLSMALLINT sqlType) const;
    QByteArray readPieces(SQLUSMALLINT column, SQLSMALLINT cType, bool& isNull) const;

    std::unique_ptr<OdbcHandle> statement_;
    QStringList names_;
    std::vector<SQLSMALLINT> types_;
    std::vector<Value> row_;
};

} // namespace db
