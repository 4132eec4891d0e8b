#pragma once

// Turns parsed statements into SQLite statements. The engine owns the storage:
// the translator asks it, through TranslationScope, where a named table lives,
// which columns it has and what a global variable holds.

#include "simulator/Ast.h"
#include "simulator/SimServer.h"

#include <string>
#include <string_view>
#include <vector>

namespace sim {

struct ColumnInfo {
    std::string name; // as the client sees it; "" for an unnamed expression
    // The server type's kind. Null: not known from the statement, so each value
    // keeps the kind SQLite stores it with.
    SimValue::Kind kind = SimValue::Kind::Null;
};

class TranslationScope {
public:
    virtual ~TranslationScope() = default;
    // The SQLite name (ready to splice, quoted) of a table the statement reads or
    // writes. Throws SimError: 208 for an unknown object, the monitoring errors
    // for a monitoring table that cannot be read now. Called once per reference,
    // before the statement runs, so the engine may refresh live rows here.
    virtual std::string resolveTable(const ast::ObjectName& name) = 0;
    // The table's columns in order, for "*" and for checking column names.
    virtual std::vector<ColumnInfo> tableColumns(const ast::ObjectName& name) = 0;
    // @@spid, @@servername, @@version...: throws SimError for an unknown one.
    virtual SimValue globalVariable(std::string_view name) = 0;
    // The SQLite name (quoted) under which create table makes a new table. The
    // default refuses: an engine that lets users create tables overrides it,
    // throwing SimError when the name is taken or the database is not writable.
    virtual std::string newTableName(const ast::ObjectName& name);
};

struct SqliteText {
    std::string sql;                  // exactly one SQLite statement
    std::vector<ColumnInfo> columns;  // the result's columns; empty for DML and DDL
    std::vector<SimValue> parameters; // bound to ?1, ?2... in order
};

// Each throws SimError (invalid column 207, ambiguous column 209, unknown
// function, unsupported construct...) and never anything else.
SqliteText translateSelect(const ast::Select& select, TranslationScope& scope);
SqliteText translateInsert(const ast::Insert& insert, TranslationScope& scope);
SqliteText translateUpdate(const ast::Update& update, TranslationScope& scope);
SqliteText translateDelete(const ast::Delete& erase, TranslationScope& scope);
SqliteText translateCreateTable(const ast::CreateTable& create, TranslationScope& scope);
// "select <expr>": for print, procedure arguments and other single values.
SqliteText translateScalar(const ast::Expr& expr, TranslationScope& scope);

// The kind of values a column of a server type holds ("int", "varchar(30)",
// "datetime"...), as create table declares them: lets the engine describe the
// columns of a table it created from the declared types SQLite reports.
SimValue::Kind kindOfServerType(std::string_view declaredType);

} // namespace sim
