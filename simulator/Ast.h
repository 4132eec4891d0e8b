#pragma once

// Parsed form of the supported T-SQL subset: expressions, SELECT and the
// other statements a batch may hold.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace sim::ast {

struct Select;

// A type named in convert() or create table: int, varchar(30), numeric(10,2)...
struct TypeName {
    std::string name; // lower case
    int length = -1;  // or precision
    int scale = -1;
};

struct Expr;
using ExprPtr = std::unique_ptr<Expr>;

struct Expr {
    enum class Kind {
        Null,
        Integer,
        Real,
        String,
        Column,  // qualifier.text
        Global,  // @@text
        Unary,   // text is the operator: - + ~
        Binary,  // text is the operator: + - * / % & | ^
        Compare, // text is the operator: = <> < > <= >=
        And,
        Or,
        Not,
        Call,      // text is the function name (lower case)
        CountStar, // count(*)
        Convert,   // convert(type, args[0] [, args[1] style])
        Case,      // [args[0] base] then when/then pairs, optional else last
        Subquery,  // (select ...)
        Exists,
        InList,   // args[0] in (args[1..])
        InSelect, // args[0] in (select)
        Between,  // args[0] between args[1] and args[2]
        Like,     // args[0] like args[1] [escape args[2]]
        IsNull,   // args[0] is [not] null
    };
    Kind kind = Kind::Null;
    std::string text;
    std::string qualifier;
    bool negated = false;  // not in / not like / not between / is not null
    bool distinct = false; // count(distinct x)
    bool caseHasBase = false;
    bool caseHasElse = false;
    std::vector<ExprPtr> args;
    std::unique_ptr<Select> query;
    TypeName type;
    // Levels of nodes below and including this one: the parser refuses trees
    // deeper than the translator may walk recursively.
    int height = 1;
};

struct SelectItem {
    enum class Kind { Expression, Star, QualifiedStar };
    Kind kind = Kind::Expression;
    ExprPtr expr;
    std::optional<std::string> alias;
    std::string qualifier; // for QualifiedStar
};

struct ObjectName {
    std::string database; // empty: the current database
    std::string owner;
    std::string name;
    std::string written; // as the statement spelled it, for messages
};

struct TableRef {
    enum class Join { First, Comma, Inner, Left, Right, Cross };
    Join join = Join::First;
    ObjectName object;
    std::unique_ptr<Select> derived;
    std::string alias;
    ExprPtr on;
};

struct OrderItem {
    ExprPtr expr;
    bool descending = false;
};

struct Select {
    bool distinct = false;
    std::optional<std::int64_t> top;
    std::vector<SelectItem> items;
    std::vector<TableRef> from;
    ExprPtr where;
    std::vector<ExprPtr> groupBy;
    ExprPtr having;
    std::unique_ptr<Select> unionNext;
    bool unionAll = false;
    std::vector<OrderItem> orderBy; // on the first select of a union chain
    int height = 1;                 // as Expr::height, union chain included
};

struct Insert {
    ObjectName table;
    std::vector<std::string> columns;
    std::vector<ExprPtr> values; // empty when source is set
    std::unique_ptr<Select> source;
};

struct Assignment {
    std::string column;
    ExprPtr value;
};

struct Update {
    ObjectName table;
    std::vector<Assignment> assignments;
    ExprPtr where;
};

struct Delete {
    ObjectName table;
    ExprPtr where;
};

struct ColumnDefinition {
    std::string name;
    TypeName type;
    bool nullable = false;
    bool identity = false;
};

struct CreateTable {
    ObjectName table;
    std::vector<ColumnDefinition> columns;
};

struct DropTable {
    ObjectName table;
};

// A procedure argument: positional or @name = value. Bare words count as strings.
struct ProcedureArgument {
    std::string name; // without the "@", empty when positional
    ExprPtr value;
};

struct Execute {
    ObjectName procedure;
    std::vector<ProcedureArgument> arguments;
};

struct Kill {
    std::int64_t spid = 0;
};

struct Dbcc {
    std::string command; // lower case
    std::vector<ExprPtr> arguments;
};

struct Use {
    std::string database;
};

struct Set {
    std::vector<std::string> words; // lower case
};

struct Print {
    ExprPtr text;
};

// begin tran, commit, rollback: accepted, each statement commits on its own.
struct Transaction {
    std::string word;
};

using StatementBody = std::variant<std::unique_ptr<Select>, Insert, Update, Delete, CreateTable,
                                   DropTable, Execute, Kill, Dbcc, Use, Set, Print, Transaction>;

struct Statement {
    int line = 1;
    std::size_t offset = 0; // where its text starts in the batch
    std::size_t end = 0;    // one past its last token
    StatementBody body;
};

} // namespace sim::ast
