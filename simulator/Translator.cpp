#include "simulator/Translator.h"

#include "simulator/DateTimeText.h"
#include "simulator/ServerErrors.h"
#include "simulator/ServerTypes.h"
#include "simulator/Tokenizer.h"

#include <algorithm>
#include <charconv>

namespace sim {

std::string TranslationScope::newTableName(const ast::ObjectName&) {
    throw errors::unsupported("CREATE TABLE in this database");
}

namespace {

using ast::Expr;
using Kind = ast::Expr::Kind;

// What the translator knows of an expression's values before it runs.
enum class Sort { Unknown, Integer, Real, Text, DateTime };

Sort sortOfKind(SimValue::Kind kind) {
    switch (kind) {
    case SimValue::Kind::Integer:
        return Sort::Integer;
    case SimValue::Kind::Real:
        return Sort::Real;
    case SimValue::Kind::Text:
        return Sort::Text;
    case SimValue::Kind::DateTime:
        return Sort::DateTime;
    default:
        return Sort::Unknown;
    }
}

bool textual(Sort sort) {
    return sort == Sort::Text || sort == Sort::DateTime;
}
bool numeric(Sort sort) {
    return sort == Sort::Integer || sort == Sort::Real;
}
const char* serverTypeOf(Sort sort) {
    switch (sort) {
    case Sort::Real:
        return "FLOAT";
    case Sort::Text:
        return "VARCHAR";
    case Sort::DateTime:
        return "DATETIME";
    default:
        return "INT";
    }
}

// The server converts between strings and numbers only when told to (convert).
void refuseImplicitConversion(Sort a, Sort b) {
    if (textual(a) && !textual(b) && b != Sort::Unknown)
        throw errors::implicitConversion(serverTypeOf(a), serverTypeOf(b));
    if (textual(b) && !textual(a) && a != Sort::Unknown)
        throw errors::implicitConversion(serverTypeOf(b), serverTypeOf(a));
}

// SQLite's quoting: the quote character around the text, doubled inside it.
std::string quoted(std::string_view text, char quote) {
    std::string out(1, quote);
    for (char c : text) {
        out += c;
        if (c == quote)
            out += quote;
    }
    return out + quote;
}

std::string quoteIdentifier(std::string_view name) {
    return quoted(name, '"');
}

std::string quoteText(std::string_view text) {
    return quoted(text, '\'');
}

struct Fragment {
    Fragment(std::string text, Sort valueSort, SimValue::Kind columnKind = SimValue::Kind::Null,
             std::string columnName = {})
        : sql(std::move(text)), sort(valueSort), kind(columnKind), name(std::move(columnName)) {}

    std::string sql;
    Sort sort = Sort::Unknown;
    SimValue::Kind kind = SimValue::Kind::Null; // a plain column's own kind
    std::string name;                           // a plain column's own name
};

// A table of a FROM list: how the statement names it, how SQL names it, its columns.
struct Source {
    std::string reference;
    std::string sqlAlias;
    std::vector<ColumnInfo> columns;
};

// The tables visible to an expression: those of its own select, then the enclosing ones.
struct Frame {
    std::vector<Source> sources;
    const Frame* outer = nullptr;
};

struct Query {
    std::string sql;
    std::vector<ColumnInfo> columns;
};

SimValue::Kind outputKind(const Fragment& fragment) {
    return fragment.sort == Sort::DateTime ? SimValue::Kind::DateTime : fragment.kind;
}

struct SimpleFunction {
    std::string_view name;
    int arguments;
    std::string_view sqlName;
    Sort result; // Unknown: the sort of the first argument
};

constexpr SimpleFunction kSimpleFunctions[] = {
    {"lower", 1, "lower", Sort::Text},
    {"upper", 1, "upper", Sort::Text},
    {"char_length", 1, "length", Sort::Integer},
    {"substring", 3, "substr", Sort::Text},
    {"isnull", 2, "coalesce", Sort::Unknown},
    {"abs", 1, "abs", Sort::Unknown},
    {"ltrim", 1, "ltrim", Sort::Text},
    {"rtrim", 1, "rtrim", Sort::Text},
    {"str_replace", 3, "replace", Sort::Text},
    {"round", 2, "round", Sort::Real},
    {"getdate", 0, "sim_getdate", Sort::DateTime},
};

// The server's own limit, and below the 64 tables SQLite joins at most.
constexpr std::size_t kMaxTablesInQuery = 50;

constexpr std::string_view kAggregates[] = {"count", "sum", "min", "max", "avg"};

class Translator {
public:
    explicit Translator(TranslationScope& scope) : scope_(scope) {}

    SqliteText finish(std::string sql, std::vector<ColumnInfo> columns) {
        return SqliteText{std::move(sql), std::move(columns), std::move(parameters_)};
    }

    Query query(const ast::Select& first, const Frame* outer) {
        const bool compound = first.unionNext != nullptr;
        Query result = core(first, outer, !compound);
        for (const ast::Select* s = &first; s->unionNext; s = s->unionNext.get()) {
            Query next = core(*s->unionNext, outer, false);
            if (next.columns.size() != result.columns.size())
                throw errors::unionListsDiffer();
            result.sql += s->unionAll ? " UNION ALL " : " UNION ";
            result.sql += next.sql;
        }
        if (compound) {
            result.sql += compoundOrderBy(first, result.columns);
            if (first.top)
                result.sql += " LIMIT " + std::to_string(*first.top);
        }
        return result;
    }

    Fragment expression(const Expr& e, const Frame& frame) {
        switch (e.kind) {
        case Kind::Null:
            return {"NULL", Sort::Unknown};
        case Kind::Integer: {
            std::int64_t value = 0;
            const auto parsed =
                std::from_chars(e.text.data(), e.text.data() + e.text.size(), value);
            return {e.text, parsed.ec == std::errc() ? Sort::Integer : Sort::Real};
        }
        case Kind::Real:
            return {e.text, Sort::Real};
        case Kind::String:
            return {bind(SimValue{SimValue::Kind::Text, 0, 0.0, e.text, {}}), Sort::Text};
        case Kind::Column:
            return column(e, frame);
        case Kind::Global: {
            SimValue value = scope_.globalVariable(e.text);
            const Sort sort = sortOfKind(value.kind);
            return {bind(std::move(value)), sort};
        }
        case Kind::Unary: {
            Fragment operand = expression(*e.args[0], frame);
            refuseImplicitConversion(operand.sort, Sort::Integer);
            return {"(" + e.text + operand.sql + ")", e.text == "~" ? Sort::Integer : operand.sort};
        }
        case Kind::Binary:
            return binary(e, frame);
        case Kind::Compare: {
            const Fragment a = expression(*e.args[0], frame);
            const Fragment b = expression(*e.args[1], frame);
            refuseImplicitConversion(a.sort, b.sort);
            return {"(" + a.sql + " " + e.text + " " + b.sql + ")", Sort::Integer};
        }
        case Kind::And:
        case Kind::Or:
            return {"(" + expression(*e.args[0], frame).sql +
                        (e.kind == Kind::And ? " AND " : " OR ") +
                        expression(*e.args[1], frame).sql + ")",
                    Sort::Integer};
        case Kind::Not:
            return {"(NOT " + expression(*e.args[0], frame).sql + ")", Sort::Integer};
        case Kind::Call:
            return call(e, frame);
        case Kind::CountStar:
            requireAggregatesAllowed();
            return {"count(*)", Sort::Integer};
        case Kind::Convert:
            return convert(e, frame);
        case Kind::Case:
            return caseExpression(e, frame);
        case Kind::Subquery: {
            Query inner = nested(*e.query, frame);
            const Sort sort =
                inner.columns.size() == 1 ? sortOfKind(inner.columns[0].kind) : Sort::Unknown;
            return {"(" + inner.sql + ")", sort};
        }
        case Kind::Exists:
            return {"(EXISTS (" + nested(*e.query, frame).sql + "))", Sort::Integer};
        case Kind::InList:
        case Kind::InSelect:
            return in(e, frame);
        case Kind::Between:
            return {"(" + expression(*e.args[0], frame).sql + (e.negated ? " NOT" : "") +
                        " BETWEEN " + expression(*e.args[1], frame).sql + " AND " +
                        expression(*e.args[2], frame).sql + ")",
                    Sort::Integer};
        case Kind::Like:
            return like(e, frame);
        case Kind::IsNull:
            return {"(" + expression(*e.args[0], frame).sql +
                        (e.negated ? " IS NOT NULL)" : " IS NULL)"),
                    Sort::Integer};
        }
        throw errors::unsupported("this expression");
    }

    // A value for a column of the given kind: date-times are stored in the one text form.
    std::string storedValue(const Fragment& value, SimValue::Kind columnKind) {
        if (columnKind != SimValue::Kind::DateTime || value.sort == Sort::DateTime)
            return value.sql;
        return "sim_convert('datetime', -1, -1, NULL, 0, " + value.sql + ")";
    }

    bool aggregatesAllowed = true;

private:
    std::string bind(SimValue value) {
        parameters_.push_back(std::move(value));
        return "?" + std::to_string(parameters_.size());
    }

    std::string newAlias() { return "t" + std::to_string(aliasCount_++); }

    void requireAggregatesAllowed() const {
        if (!aggregatesAllowed)
            throw errors::aggregateInWhere();
    }

    // A select inside another statement: aggregates are its own business again.
    Query nested(const ast::Select& select, const Frame& frame) {
        const bool saved = aggregatesAllowed;
        aggregatesAllowed = true;
        Query inner = query(select, &frame);
        aggregatesAllowed = saved;
        return inner;
    }

    Query core(const ast::Select& select, const Frame* outer, bool ownsOrderBy) {
        Frame frame{{}, outer};
        const std::string from = fromList(select, frame);
        Query result;
        result.sql = select.distinct ? "SELECT DISTINCT " : "SELECT ";
        std::vector<std::string> items;
        for (const auto& item : select.items)
            selectItem(item, frame, items, result.columns);
        result.sql += join(items, ", ");
        if (!from.empty())
            result.sql += " FROM " + from;
        aggregatesAllowed = false;
        if (select.where)
            result.sql += " WHERE " + expression(*select.where, frame).sql;
        if (!select.groupBy.empty()) {
            std::vector<std::string> groups;
            for (const auto& expr : select.groupBy)
                groups.push_back(expression(*expr, frame).sql);
            result.sql += " GROUP BY " + join(groups, ", ");
        }
        aggregatesAllowed = true;
        if (select.having)
            result.sql += " HAVING " + expression(*select.having, frame).sql;
        if (ownsOrderBy) {
            result.sql += orderBy(select, frame, result.columns);
            if (select.top)
                result.sql += " LIMIT " + std::to_string(*select.top);
        }
        return result;
    }

    static std::string join(const std::vector<std::string>& parts, std::string_view separator) {
        std::string out;
        for (const auto& part : parts) {
            if (!out.empty())
                out += separator;
            out += part;
        }
        return out;
    }

    void selectItem(const ast::SelectItem& item, const Frame& frame,
                    std::vector<std::string>& items, std::vector<ColumnInfo>& columns) {
        if (item.kind == ast::SelectItem::Kind::Expression) {
            Fragment value = expression(*item.expr, frame);
            ColumnInfo info{item.alias.value_or(value.name), outputKind(value)};
            items.push_back(info.name.empty() ? value.sql
                                              : value.sql + " AS " + quoteIdentifier(info.name));
            columns.push_back(std::move(info));
            return;
        }
        if (frame.sources.empty())
            throw errors::make(263, 16, "Must specify table to select from.");
        bool found = false;
        for (const Source& source : frame.sources) {
            if (item.kind == ast::SelectItem::Kind::QualifiedStar &&
                source.reference != item.qualifier)
                continue;
            found = true;
            for (const ColumnInfo& column : source.columns) {
                items.push_back(source.sqlAlias + "." + quoteIdentifier(column.name) + " AS " +
                                quoteIdentifier(column.name));
                columns.push_back(column);
            }
        }
        if (!found)
            throw errors::columnPrefixMismatch(item.qualifier);
    }

    std::string fromList(const ast::Select& select, Frame& frame) {
        if (select.from.size() > kMaxTablesInQuery)
            throw errors::make(106, 16,
                               "Too many table names in the query. The maximum allowable is " +
                                   std::to_string(kMaxTablesInQuery) + ".");
        std::string sql;
        for (const ast::TableRef& ref : select.from) {
            using Join = ast::TableRef::Join;
            static constexpr const char* joins[] = {
                "", ", ", " JOIN ", " LEFT JOIN ", " RIGHT JOIN ", " CROSS JOIN "};
            Source source;
            source.sqlAlias = newAlias();
            sql += joins[static_cast<int>(ref.join)];
            if (ref.derived) {
                const bool saved = aggregatesAllowed;
                aggregatesAllowed = true;
                Query inner = query(*ref.derived, nullptr);
                aggregatesAllowed = saved;
                sql += "(" + inner.sql + ")";
                const auto unnamed = [](const ColumnInfo& c) { return c.name.empty(); };
                if (std::any_of(inner.columns.begin(), inner.columns.end(), unnamed))
                    throw errors::unsupported("unnamed columns in a derived table");
                source.columns = std::move(inner.columns);
                source.reference = ref.alias;
            } else {
                sql += scope_.resolveTable(ref.object);
                source.columns = scope_.tableColumns(ref.object);
                source.reference = ref.alias.empty() ? ref.object.name : ref.alias;
            }
            sql += " AS " + source.sqlAlias;
            frame.sources.push_back(std::move(source));
            if (ref.on && ref.join != Join::Cross) {
                const bool saved = aggregatesAllowed;
                aggregatesAllowed = false;
                sql += " ON " + expression(*ref.on, frame).sql;
                aggregatesAllowed = saved;
            }
        }
        return sql;
    }

    // ORDER BY a position, a name of the select list, or any expression over the tables.
    std::string orderBy(const ast::Select& select, const Frame& frame,
                        const std::vector<ColumnInfo>& columns) {
        std::vector<std::string> terms;
        for (const ast::OrderItem& item : select.orderBy) {
            std::string term;
            if (const auto position = listPosition(*item.expr, columns))
                term = std::to_string(*position);
            else
                term = expression(*item.expr, frame).sql;
            terms.push_back(term + (item.descending ? " DESC" : ""));
        }
        return terms.empty() ? "" : " ORDER BY " + join(terms, ", ");
    }

    std::string compoundOrderBy(const ast::Select& first, const std::vector<ColumnInfo>& columns) {
        std::vector<std::string> terms;
        for (const ast::OrderItem& item : first.orderBy) {
            const auto position = listPosition(*item.expr, columns);
            if (!position)
                throw errors::orderByNotInUnionList();
            terms.push_back(std::to_string(*position) + (item.descending ? " DESC" : ""));
        }
        return terms.empty() ? "" : " ORDER BY " + join(terms, ", ");
    }

    static std::optional<std::int64_t> listPosition(const Expr& e,
                                                    const std::vector<ColumnInfo>& columns) {
        if (e.kind == Kind::Integer) {
            std::int64_t position = 0;
            std::from_chars(e.text.data(), e.text.data() + e.text.size(), position);
            if (position < 1 || position > static_cast<std::int64_t>(columns.size()))
                throw errors::orderByPositionOutOfRange(position);
            return position;
        }
        if (e.kind != Kind::Column || !e.qualifier.empty())
            return std::nullopt;
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (columns[i].name == e.text)
                return static_cast<std::int64_t>(i + 1);
        return std::nullopt;
    }

    Fragment column(const Expr& e, const Frame& frame) {
        for (const Frame* f = &frame; f; f = f->outer) {
            const Source* hit = nullptr;
            const ColumnInfo* hitColumn = nullptr;
            bool prefixSeen = false;
            for (const Source& source : f->sources) {
                if (!e.qualifier.empty() && source.reference != e.qualifier)
                    continue;
                prefixSeen = true;
                const auto found =
                    std::find_if(source.columns.begin(), source.columns.end(),
                                 [&](const ColumnInfo& c) { return c.name == e.text; });
                if (found == source.columns.end())
                    continue;
                if (hit)
                    throw errors::ambiguousColumn(e.text);
                hit = &source;
                hitColumn = &*found;
            }
            if (hit)
                return {hit->sqlAlias + "." + quoteIdentifier(hitColumn->name),
                        sortOfKind(hitColumn->kind), hitColumn->kind, hitColumn->name};
            if (prefixSeen && !e.qualifier.empty())
                throw errors::invalidColumn(e.text);
        }
        if (!e.qualifier.empty())
            throw errors::columnPrefixMismatch(e.qualifier);
        throw errors::invalidColumn(e.text);
    }

    Fragment binary(const Expr& e, const Frame& frame) {
        const Fragment a = expression(*e.args[0], frame);
        const Fragment b = expression(*e.args[1], frame);
        const auto call = [&](std::string_view function, Sort sort) {
            return Fragment{std::string(function) + "(" + a.sql + ", " + b.sql + ")", sort};
        };
        const Sort arithmetic = a.sort == Sort::Integer && b.sort == Sort::Integer ? Sort::Integer
                                : numeric(a.sort) && numeric(b.sort)               ? Sort::Real
                                                                                   : Sort::Unknown;
        refuseImplicitConversion(a.sort, b.sort);
        if (e.text == "+") {
            if (textual(a.sort) && textual(b.sort))
                return call("sim_concat", Sort::Text);
            if (numeric(a.sort) && numeric(b.sort))
                return {"(" + a.sql + " + " + b.sql + ")", arithmetic};
            return call("sim_plus",
                        textual(a.sort) || textual(b.sort) ? Sort::Text : Sort::Unknown);
        }
        refuseImplicitConversion(a.sort, Sort::Integer);
        refuseImplicitConversion(b.sort, Sort::Integer);
        if (e.text == "/")
            return call("sim_divide", arithmetic);
        if (e.text == "%")
            return call("sim_modulo", arithmetic);
        if (e.text == "^")
            return call("sim_bitxor", Sort::Integer);
        const bool bitwise = e.text == "&" || e.text == "|";
        return {"(" + a.sql + " " + e.text + " " + b.sql + ")",
                bitwise ? Sort::Integer : arithmetic};
    }

    Fragment call(const Expr& e, const Frame& frame) {
        const std::string& name = e.text;
        if (std::find(std::begin(kAggregates), std::end(kAggregates), name) !=
            std::end(kAggregates))
            return aggregate(e, frame);
        if (e.distinct)
            throw errors::incorrectSyntaxNearKeyword("distinct");
        if (name == "dateadd" || name == "datediff" || name == "datepart")
            return dateFunction(e, frame);
        if (name == "charindex") {
            requireArguments(e, 2);
            return {"instr(" + expression(*e.args[1], frame).sql + ", " +
                        expression(*e.args[0], frame).sql + ")",
                    Sort::Integer};
        }
        if (name == "datalength") {
            requireArguments(e, 1);
            return {"length(CAST(" + expression(*e.args[0], frame).sql + " AS BLOB))",
                    Sort::Integer};
        }
        for (const SimpleFunction& function : kSimpleFunctions) {
            if (function.name != name)
                continue;
            requireArguments(e, function.arguments);
            std::vector<std::string> arguments;
            Sort sort = function.result;
            for (const auto& arg : e.args) {
                Fragment value = expression(*arg, frame);
                if (sort == Sort::Unknown)
                    sort = value.sort;
                arguments.push_back(std::move(value.sql));
            }
            return {std::string(function.sqlName) + "(" + join(arguments, ", ") + ")", sort};
        }
        throw errors::functionNotFound(name);
    }

    static void requireArguments(const Expr& e, int count) {
        if (static_cast<int>(e.args.size()) != count)
            throw errors::wrongArgumentCount(e.text, count);
    }

    Fragment aggregate(const Expr& e, const Frame& frame) {
        requireAggregatesAllowed();
        requireArguments(e, 1);
        aggregatesAllowed = false; // no aggregate inside an aggregate
        Fragment value = expression(*e.args[0], frame);
        aggregatesAllowed = true;
        const std::string argument = (e.distinct ? "DISTINCT " : "") + value.sql;
        if (e.text == "count")
            return {"count(" + argument + ")", Sort::Integer};
        if (e.text == "avg" && value.sort == Sort::Integer) // the server keeps the integer type
            return {"CAST(avg(" + argument + ") AS INTEGER)", Sort::Integer};
        Fragment result{e.text + "(" + argument + ")", e.text == "avg" ? Sort::Real : value.sort};
        if (e.text == "min" || e.text == "max")
            result.kind = value.kind;
        return result;
    }

    Fragment dateFunction(const Expr& e, const Frame& frame) {
        const int count = e.text == "datepart" ? 2 : 3;
        requireArguments(e, count);
        const Expr& partArgument = *e.args[0];
        const bool word = (partArgument.kind == Kind::Column && partArgument.qualifier.empty()) ||
                          partArgument.kind == Kind::String;
        const auto part = word ? datePartNamed(partArgument.text) : std::nullopt;
        if (!part)
            throw errors::unknownDatePart(partArgument.text);
        std::string sql = "sim_" + e.text + "(" + quoteText(datePartName(*part));
        for (int i = 1; i < count; ++i)
            sql += ", " + expression(*e.args[static_cast<std::size_t>(i)], frame).sql;
        return {sql + ")", e.text == "dateadd" ? Sort::DateTime : Sort::Integer};
    }

    Fragment convert(const Expr& e, const Frame& frame) {
        const auto target = typeClassNamed(e.type.name);
        if (!target)
            throw errors::unknownType(e.type.name);
        if (*target == TypeClass::Binary)
            throw errors::unsupported("conversion to " + e.type.name);
        const Fragment value = expression(*e.args[0], frame);
        const std::string style = e.args.size() > 1 ? expression(*e.args[1], frame).sql : "NULL";
        Sort sort = Sort::Text;
        switch (*target) {
        case TypeClass::Integer:
        case TypeClass::Bit:
            sort = Sort::Integer;
            break;
        case TypeClass::Exact:
            sort = e.type.scale > 0 ? Sort::Real : Sort::Integer;
            break;
        case TypeClass::Float:
        case TypeClass::Money:
            sort = Sort::Real;
            break;
        case TypeClass::DateTime:
        case TypeClass::SmallDateTime:
            sort = Sort::DateTime;
            break;
        default:
            break;
        }
        return {"sim_convert(" + quoteText(e.type.name) + ", " + std::to_string(e.type.length) +
                    ", " + std::to_string(e.type.scale) + ", " + style + ", " +
                    (value.sort == Sort::DateTime ? "1" : "0") + ", " + value.sql + ")",
                sort};
    }

    Fragment caseExpression(const Expr& e, const Frame& frame) {
        std::string sql = "CASE";
        std::size_t i = 0;
        if (e.caseHasBase)
            sql += " " + expression(*e.args[i++], frame).sql;
        const std::size_t whenEnd = e.args.size() - (e.caseHasElse ? 1 : 0);
        Sort sort = Sort::Unknown;
        for (; i + 1 < whenEnd; i += 2) {
            sql += " WHEN " + expression(*e.args[i], frame).sql;
            Fragment then = expression(*e.args[i + 1], frame);
            if (sort == Sort::Unknown)
                sort = then.sort;
            sql += " THEN " + then.sql;
        }
        if (e.caseHasElse)
            sql += " ELSE " + expression(*e.args.back(), frame).sql;
        return {sql + " END", sort};
    }

    Fragment in(const Expr& e, const Frame& frame) {
        std::string sql =
            "(" + expression(*e.args[0], frame).sql + (e.negated ? " NOT IN (" : " IN (");
        if (e.kind == Kind::InSelect) {
            sql += nested(*e.query, frame).sql;
        } else {
            std::vector<std::string> values;
            for (std::size_t i = 1; i < e.args.size(); ++i)
                values.push_back(expression(*e.args[i], frame).sql);
            sql += join(values, ", ");
        }
        return {sql + "))", Sort::Integer};
    }

    Fragment like(const Expr& e, const Frame& frame) {
        std::vector<std::string> arguments;
        for (const auto& arg : e.args)
            arguments.push_back(expression(*arg, frame).sql);
        return {std::string(e.negated ? "(NOT " : "(") + "sim_like(" + join(arguments, ", ") + "))",
                Sort::Integer};
    }

    TranslationScope& scope_;
    std::vector<SimValue> parameters_;
    int aliasCount_ = 0;
};

// The target table of insert, update and delete, seen by their expressions under its own name.
Source targetTable(const ast::ObjectName& name, TranslationScope& scope, std::string& sqlName) {
    sqlName = scope.resolveTable(name);
    return Source{name.name, "t0", scope.tableColumns(name)};
}

const ColumnInfo& targetColumn(const Source& table, std::string_view name) {
    const auto found = std::find_if(table.columns.begin(), table.columns.end(),
                                    [&](const ColumnInfo& c) { return c.name == name; });
    if (found == table.columns.end())
        throw errors::invalidColumn(name);
    return *found;
}

std::string declaredType(const ast::TypeName& type) {
    std::string out = type.name;
    if (type.length >= 0) {
        out += "(" + std::to_string(type.length);
        if (type.scale >= 0)
            out += "," + std::to_string(type.scale);
        out += ")";
    }
    return out;
}

} // namespace

SqliteText translateSelect(const ast::Select& select, TranslationScope& scope) {
    Translator translator(scope);
    Query query = translator.query(select, nullptr);
    return translator.finish(std::move(query.sql), std::move(query.columns));
}

SqliteText translateScalar(const ast::Expr& expr, TranslationScope& scope) {
    Translator translator(scope);
    const Frame empty;
    Fragment value = translator.expression(expr, empty);
    return translator.finish("SELECT " + value.sql, {ColumnInfo{"", outputKind(value)}});
}

SqliteText translateInsert(const ast::Insert& insert, TranslationScope& scope) {
    Translator translator(scope);
    std::string table;
    const Source target = targetTable(insert.table, scope, table);
    std::vector<const ColumnInfo*> columns;
    if (insert.columns.empty())
        for (const ColumnInfo& column : target.columns)
            columns.push_back(&column);
    for (const std::string& name : insert.columns)
        columns.push_back(&targetColumn(target, name));
    std::string sql = "INSERT INTO " + table + " (";
    for (std::size_t i = 0; i < columns.size(); ++i)
        sql += (i ? ", " : "") + quoteIdentifier(columns[i]->name);
    sql += ") ";
    if (insert.source) {
        Query source = translator.query(*insert.source, nullptr);
        if (source.columns.size() != columns.size())
            throw errors::insertCountMismatch();
        return translator.finish(sql + source.sql, {});
    }
    if (insert.values.size() != columns.size())
        throw errors::insertCountMismatch();
    const Frame noTables;
    translator.aggregatesAllowed = false;
    sql += "VALUES (";
    for (std::size_t i = 0; i < columns.size(); ++i)
        sql += (i ? ", " : "") +
               translator.storedValue(translator.expression(*insert.values[i], noTables),
                                      columns[i]->kind);
    return translator.finish(sql + ")", {});
}

SqliteText translateUpdate(const ast::Update& update, TranslationScope& scope) {
    Translator translator(scope);
    std::string table;
    Frame frame;
    frame.sources.push_back(targetTable(update.table, scope, table));
    translator.aggregatesAllowed = false;
    std::string sql = "UPDATE " + table + " AS t0 SET ";
    for (std::size_t i = 0; i < update.assignments.size(); ++i) {
        const ast::Assignment& assignment = update.assignments[i];
        const ColumnInfo& column = targetColumn(frame.sources[0], assignment.column);
        sql += (i ? ", " : "") + quoteIdentifier(column.name) + " = " +
               translator.storedValue(translator.expression(*assignment.value, frame), column.kind);
    }
    if (update.where)
        sql += " WHERE " + translator.expression(*update.where, frame).sql;
    return translator.finish(sql, {});
}

SqliteText translateDelete(const ast::Delete& erase, TranslationScope& scope) {
    Translator translator(scope);
    std::string table;
    Frame frame;
    frame.sources.push_back(targetTable(erase.table, scope, table));
    translator.aggregatesAllowed = false;
    std::string sql = "DELETE FROM " + table + " AS t0";
    if (erase.where)
        sql += " WHERE " + translator.expression(*erase.where, frame).sql;
    return translator.finish(sql, {});
}

SqliteText translateCreateTable(const ast::CreateTable& create, TranslationScope& scope) {
    std::vector<std::string> seen;
    std::string columns;
    for (const ast::ColumnDefinition& column : create.columns) {
        const auto type = typeClassNamed(column.type.name);
        if (!type)
            throw errors::unknownType(column.type.name);
        if (*type == TypeClass::Binary)
            throw errors::unsupported("binary columns");
        if (std::find(seen.begin(), seen.end(), column.name) != seen.end())
            throw errors::make(2705, 16,
                               "Column names in each table must be unique. Column "
                               "name '" +
                                   column.name + "' in table '" + create.table.name +
                                   "' is specified more than once.");
        seen.push_back(column.name);
        // The type name is one the server knows, so it is safe to splice as written.
        columns += (columns.empty() ? "" : ", ") + quoteIdentifier(column.name) + " " +
                   declaredType(column.type) + (column.nullable ? "" : " NOT NULL");
    }
    const std::string table = scope.newTableName(create.table);
    return SqliteText{"CREATE TABLE " + table + " (" + columns + ")", {}, {}};
}

SimValue::Kind kindOfServerType(std::string_view declaredType) {
    const std::string name = lowerAscii(declaredType.substr(0, declaredType.find('(')));
    const auto type = typeClassNamed(name);
    if (!type)
        return SimValue::Kind::Null;
    switch (*type) {
    case TypeClass::Integer:
    case TypeClass::Bit:
        return SimValue::Kind::Integer;
    case TypeClass::Exact: {
        const auto comma = declaredType.find(',');
        const bool hasScale =
            comma != declaredType.npos && declaredType.substr(comma + 1, 1) != "0";
        return hasScale ? SimValue::Kind::Real : SimValue::Kind::Integer;
    }
    case TypeClass::Float:
    case TypeClass::Money:
        return SimValue::Kind::Real;
    case TypeClass::DateTime:
    case TypeClass::SmallDateTime:
        return SimValue::Kind::DateTime;
    case TypeClass::Binary:
        return SimValue::Kind::Binary;
    default:
        return SimValue::Kind::Text;
    }
}

} // namespace sim
