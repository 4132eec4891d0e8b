#include "simulator/Parser.h"

#include "simulator/ServerErrors.h"
#include "simulator/Tokenizer.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace sim {

namespace {

using ast::Expr;
using ast::ExprPtr;
using Kind = ast::Expr::Kind;

// Nested parentheses, subqueries and operators beyond these limits are refused
// rather than risking the stack of the thread that runs the batch: about ten
// frames per level, a few hundred bytes each.
constexpr int kMaxNesting = 100;
constexpr int kMaxHeight = 200;

// Words that end an expression or a list: never taken as an alias or a bare name.
constexpr std::array kReserved = {
    "add",      "all",      "alter",       "and",        "any",       "as",         "asc",
    "begin",    "between",  "break",       "by",         "case",      "checkpoint", "close",
    "commit",   "compute",  "continue",    "create",     "cross",     "dbcc",       "deallocate",
    "declare",  "delete",   "desc",        "distinct",   "drop",      "dump",       "else",
    "end",      "exec",     "execute",     "exists",     "fetch",     "for",        "from",
    "full",     "goto",     "grant",       "group",      "having",    "holdlock",   "if",
    "in",       "inner",    "insert",      "into",       "is",        "join",       "kill",
    "left",     "like",     "load",        "noholdlock", "not",       "null",       "on",
    "open",     "or",       "order",       "outer",      "plan",      "print",      "raiserror",
    "readpast", "readtext", "reconfigure", "return",     "revoke",    "right",      "rollback",
    "save",     "select",   "set",         "setuser",    "shared",    "shutdown",   "then",
    "top",      "truncate", "union",       "update",     "use",       "values",     "waitfor",
    "when",     "where",    "while",       "with",       "writetext",
};

// Statements of the language that this server refuses by name.
constexpr std::array kUnsupportedStatements = {
    "alter",     "break",    "checkpoint",  "close",  "continue",  "deallocate", "declare",
    "dump",      "fetch",    "goto",        "grant",  "if",        "load",       "open",
    "raiserror", "readtext", "reconfigure", "return", "revoke",    "save",       "setuser",
    "shutdown",  "truncate", "waitfor",     "while",  "writetext",
};

constexpr std::array kSupportedStatements = {
    "begin",  "commit", "create", "dbcc",     "delete", "drop", "exec",   "execute",
    "insert", "kill",   "print",  "rollback", "select", "set",  "update", "use",
};

template <std::size_t N>
bool contains(const std::array<const char*, N>& words, std::string_view word) {
    return std::any_of(words.begin(), words.end(),
                       [&](const char* candidate) { return equalsIgnoreCase(candidate, word); });
}

bool isReserved(const Token& token) {
    return token.kind == TokenKind::Word && contains(kReserved, token.text);
}

bool startsStatement(const Token& token) {
    return token.kind == TokenKind::Word && (contains(kSupportedStatements, token.text) ||
                                             contains(kUnsupportedStatements, token.text));
}

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return out;
}

int heightOf(const ExprPtr& expr) {
    return expr ? expr->height : 0;
}

class Parser {
public:
    Parser(std::string_view batch, bool quotedIdentifiers)
        : tokens_(tokenize(batch, quotedIdentifiers)) {}

    std::vector<ast::Statement> run() {
        std::vector<ast::Statement> statements;
        skipSeparators();
        while (peek().kind != TokenKind::End) {
            const Token& first = peek();
            ast::Statement statement;
            statement.line = first.line;
            statement.offset = first.offset;
            statement.body = parseStatement(statements.empty());
            statement.end = tokens_[pos_ - 1].end;
            statements.push_back(std::move(statement));
            skipSeparators();
            if (peek().kind != TokenKind::End && !startsStatement(peek()))
                fail();
        }
        return statements;
    }

private:
    // Counts one level of recursion for the lifetime of a parsing call.
    class Nesting {
    public:
        explicit Nesting(int& depth) : depth_(depth) {
            if (++depth_ > kMaxNesting)
                throw errors::tooComplex();
        }
        ~Nesting() { --depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        int& depth_;
    };

    // ---- tokens ----

    const Token& peek(std::size_t ahead = 0) const {
        return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
    }
    const Token& next() {
        const Token& token = peek();
        if (pos_ < tokens_.size() - 1)
            ++pos_;
        return token;
    }
    bool acceptWord(std::string_view word) {
        if (!peek().isWord(word))
            return false;
        ++pos_;
        return true;
    }
    bool acceptSymbol(std::string_view symbol) {
        if (!peek().isSymbol(symbol))
            return false;
        ++pos_;
        return true;
    }
    void expectWord(std::string_view word) {
        if (!acceptWord(word))
            fail();
    }
    void expectSymbol(std::string_view symbol) {
        if (!acceptSymbol(symbol))
            fail();
    }
    void skipSeparators() {
        while (acceptSymbol(";")) {
        }
    }

    // The server names the token where parsing stopped, or the last one at the end.
    [[noreturn]] void fail() const {
        const Token& at = peek().kind == TokenKind::End && pos_ > 0 ? tokens_[pos_ - 1] : peek();
        if (isReserved(at))
            throw errors::incorrectSyntaxNearKeyword(at.text);
        throw errors::incorrectSyntaxNear(at.text);
    }

    bool isName(const Token& token) const {
        return (token.kind == TokenKind::Word && !isReserved(token)) ||
               token.kind == TokenKind::BracketedName || token.kind == TokenKind::QuotedName;
    }
    static bool isNumber(const Token& token) {
        return token.kind == TokenKind::Integer || token.kind == TokenKind::Decimal ||
               token.kind == TokenKind::Float;
    }

    std::string expectName() {
        if (!isName(peek()))
            fail();
        return next().text;
    }

    std::int64_t expectInteger() {
        const bool negative = acceptSymbol("-");
        const Token& token = peek();
        std::int64_t value = 0;
        if (token.kind != TokenKind::Integer ||
            std::from_chars(token.text.data(), token.text.data() + token.text.size(), value).ec !=
                std::errc())
            fail();
        next();
        return negative ? -value : value;
    }

    // ---- statements ----

    ast::StatementBody parseStatement(bool firstInBatch) {
        const Token& word = peek();
        if (word.kind != TokenKind::Word)
            fail();
        if (contains(kUnsupportedStatements, word.text))
            throw errors::unsupported("the " + upperAscii(word.text) + " statement");
        const std::string keyword = lowerAscii(word.text);
        if (keyword == "select")
            return parseSelectStatement();
        if (keyword == "insert")
            return parseInsert();
        if (keyword == "update")
            return parseUpdate();
        if (keyword == "delete")
            return parseDelete();
        if (keyword == "create")
            return parseCreateTable();
        if (keyword == "drop")
            return parseDropTable();
        if (keyword == "exec" || keyword == "execute") {
            next();
            return parseExecute();
        }
        if (keyword == "kill")
            return parseKill();
        if (keyword == "dbcc")
            return parseDbcc();
        if (keyword == "use")
            return parseUse();
        if (keyword == "set")
            return parseSet();
        if (keyword == "print") {
            next();
            return ast::Print{parseExpression()};
        }
        if (keyword == "begin" || keyword == "commit" || keyword == "rollback")
            return parseTransaction();
        // As on the server, only the first statement of a batch may call a
        // procedure without "exec".
        if (firstInBatch && isName(word))
            return parseExecute();
        fail();
    }

    std::unique_ptr<ast::Select> parseSelectStatement() {
        auto select = parseQuery();
        if (acceptWord("order")) {
            expectWord("by");
            do {
                ast::OrderItem item;
                item.expr = parseExpression();
                if (acceptWord("desc"))
                    item.descending = true;
                else
                    acceptWord("asc");
                select->height = std::max(select->height, item.expr->height + 1);
                select->orderBy.push_back(std::move(item));
            } while (acceptSymbol(","));
        }
        refuseTrailingClauses();
        checkHeight(select->height);
        return select;
    }

    void refuseTrailingClauses() {
        if (peek().isWord("compute"))
            throw errors::unsupported("COMPUTE clauses");
        if (peek().isWord("for"))
            throw errors::unsupported("FOR BROWSE and FOR UPDATE clauses");
        if (peek().isWord("plan"))
            throw errors::unsupported("abstract plans");
        if (peek().isWord("at"))
            throw errors::unsupported("isolation level clauses");
    }

    // select ... [union [all] select ...]: the chain hangs off the first select.
    std::unique_ptr<ast::Select> parseQuery() {
        auto first = parseSelectCore();
        ast::Select* last = first.get();
        while (acceptWord("union")) {
            last->unionAll = acceptWord("all");
            last->unionNext = parseSelectCore();
            last = last->unionNext.get();
            first->height = std::max(first->height, last->height) + 1;
            checkHeight(first->height);
        }
        return first;
    }

    std::unique_ptr<ast::Select> parseSelectCore() {
        Nesting nesting(depth_);
        expectWord("select");
        auto select = std::make_unique<ast::Select>();
        if (acceptWord("distinct"))
            select->distinct = true;
        else
            acceptWord("all");
        if (acceptWord("top")) {
            if (peek().isSymbol("-"))
                fail();
            select->top = expectInteger();
        }
        do {
            select->items.push_back(parseSelectItem());
        } while (acceptSymbol(","));
        if (peek().isWord("into"))
            throw errors::unsupported("SELECT INTO");
        if (acceptWord("from"))
            parseFromList(*select);
        if (acceptWord("where"))
            select->where = parseExpression();
        if (acceptWord("group")) {
            expectWord("by");
            if (peek().isWord("all"))
                throw errors::unsupported("GROUP BY ALL");
            do {
                select->groupBy.push_back(parseExpression());
            } while (acceptSymbol(","));
        }
        if (acceptWord("having"))
            select->having = parseExpression();
        select->height = selectHeight(*select);
        return select;
    }

    int selectHeight(const ast::Select& select) const {
        int height = std::max(heightOf(select.where), heightOf(select.having));
        for (const auto& item : select.items)
            height = std::max(height, heightOf(item.expr));
        for (const auto& ref : select.from)
            height = std::max({height, heightOf(ref.on), ref.derived ? ref.derived->height : 0});
        for (const auto& expr : select.groupBy)
            height = std::max(height, heightOf(expr));
        checkHeight(height + 1);
        return height + 1;
    }

    // An alias written as a string becomes a name in the SQL text, where a NUL
    // character would cut the statement short.
    static std::string aliasText(const Token& token) {
        const std::size_t nul = token.text.find('\0');
        if (nul != std::string::npos)
            throw errors::incorrectSyntaxNear(token.text.substr(0, nul));
        return token.text;
    }

    ast::SelectItem parseSelectItem() {
        ast::SelectItem item;
        if (acceptSymbol("*")) {
            item.kind = ast::SelectItem::Kind::Star;
            return item;
        }
        if (isName(peek()) && peek(1).isSymbol(".") && peek(2).isSymbol("*")) {
            item.kind = ast::SelectItem::Kind::QualifiedStar;
            item.qualifier = next().text;
            pos_ += 2;
            return item;
        }
        if (peek().kind == TokenKind::Variable && peek(1).isSymbol("="))
            throw errors::unsupported("local variables");
        const bool aliasFirst =
            (isName(peek()) || peek().kind == TokenKind::String) && peek(1).isSymbol("=");
        if (aliasFirst) {
            item.alias = aliasText(next());
            next();
            item.expr = parseExpression();
            return item;
        }
        item.expr = parseExpression();
        item.alias = parseAlias();
        return item;
    }

    // [as] alias, where the alias is a name or, as the server allows, a string.
    std::optional<std::string> parseAlias() {
        const bool as = acceptWord("as");
        if (isName(peek()) || peek().kind == TokenKind::String)
            return aliasText(next());
        if (as)
            fail();
        return std::nullopt;
    }

    void parseFromList(ast::Select& select) {
        select.from.push_back(parseTableRef(ast::TableRef::Join::First));
        for (;;) {
            using Join = ast::TableRef::Join;
            Join join;
            if (acceptSymbol(",")) {
                join = Join::Comma;
            } else if (acceptWord("join")) {
                join = Join::Inner;
            } else if (acceptWord("inner")) {
                expectWord("join");
                join = Join::Inner;
            } else if (acceptWord("left") || acceptWord("right")) {
                join = tokens_[pos_ - 1].isWord("left") ? Join::Left : Join::Right;
                acceptWord("outer");
                expectWord("join");
            } else if (acceptWord("cross")) {
                expectWord("join");
                join = Join::Cross;
            } else if (peek().isWord("full")) {
                throw errors::unsupported("FULL OUTER JOIN");
            } else {
                return;
            }
            auto ref = parseTableRef(join);
            if (join == Join::Inner || join == Join::Left || join == Join::Right) {
                expectWord("on");
                ref.on = parseExpression();
            }
            select.from.push_back(std::move(ref));
        }
    }

    ast::TableRef parseTableRef(ast::TableRef::Join join) {
        ast::TableRef ref;
        ref.join = join;
        if (acceptSymbol("(")) {
            if (!peek().isWord("select"))
                fail();
            ref.derived = parseQuery();
            expectSymbol(")");
            ref.alias = parseAlias().value_or("");
            if (ref.alias.empty())
                fail();
            return ref;
        }
        ref.object = parseObjectName();
        if (peek().isWord("holdlock") || peek().isWord("noholdlock") || peek().isWord("readpast") ||
            peek().isWord("shared") || (peek().isSymbol("(") && peek(1).isWord("index")))
            throw errors::unsupported("table hints");
        ref.alias = parseAlias().value_or("");
        return ref;
    }

    // name, owner.name, database..name or database.owner.name.
    ast::ObjectName parseObjectName() {
        std::vector<std::string> parts{expectName()};
        std::string written = parts.back();
        while (parts.size() < 3 && acceptSymbol(".")) {
            written += ".";
            if (peek().isSymbol(".")) {
                parts.emplace_back();
                continue;
            }
            parts.push_back(expectName());
            written += parts.back();
        }
        if (parts.back().empty())
            fail();
        ast::ObjectName name;
        name.written = written;
        name.name = parts.back();
        if (parts.size() >= 2)
            name.owner = parts[parts.size() - 2];
        if (parts.size() == 3)
            name.database = parts[0];
        return name;
    }

    ast::Insert parseInsert() {
        next();
        acceptWord("into");
        ast::Insert insert;
        insert.table = parseObjectName();
        if (acceptSymbol("(")) {
            do {
                insert.columns.push_back(expectName());
            } while (acceptSymbol(","));
            expectSymbol(")");
        }
        if (peek().isWord("select")) {
            insert.source = parseQuery();
            checkHeight(insert.source->height);
            return insert;
        }
        expectWord("values");
        expectSymbol("(");
        do {
            insert.values.push_back(parseExpression());
        } while (acceptSymbol(","));
        expectSymbol(")");
        return insert;
    }

    ast::Update parseUpdate() {
        next();
        ast::Update update;
        update.table = parseObjectName();
        expectWord("set");
        do {
            ast::Assignment assignment;
            if (peek().kind == TokenKind::Variable)
                throw errors::unsupported("local variables");
            assignment.column = expectName();
            expectSymbol("=");
            assignment.value = parseExpression();
            update.assignments.push_back(std::move(assignment));
        } while (acceptSymbol(","));
        if (peek().isWord("from"))
            throw errors::unsupported("UPDATE with a FROM clause");
        if (acceptWord("where"))
            update.where = parseExpression();
        return update;
    }

    ast::Delete parseDelete() {
        next();
        acceptWord("from");
        ast::Delete erase;
        erase.table = parseObjectName();
        if (peek().isWord("from"))
            throw errors::unsupported("DELETE with a FROM clause");
        if (acceptWord("where"))
            erase.where = parseExpression();
        return erase;
    }

    ast::CreateTable parseCreateTable() {
        next();
        if (!peek().isWord("table"))
            throw errors::unsupported("CREATE " + upperAscii(peek().text));
        next();
        ast::CreateTable create;
        create.table = parseObjectName();
        expectSymbol("(");
        do {
            create.columns.push_back(parseColumnDefinition());
        } while (acceptSymbol(","));
        expectSymbol(")");
        return create;
    }

    ast::ColumnDefinition parseColumnDefinition() {
        if (peek().isWord("constraint") || peek().isWord("primary") || peek().isWord("unique") ||
            peek().isWord("foreign") || peek().isWord("check"))
            throw errors::unsupported("table constraints");
        ast::ColumnDefinition column;
        column.name = expectName();
        column.type = parseTypeName();
        if (acceptWord("null")) {
            column.nullable = true;
        } else if (acceptWord("not")) {
            expectWord("null");
        } else if (peek().isWord("identity")) {
            throw errors::unsupported("identity columns");
        }
        if (peek().kind == TokenKind::Word && !isReserved(peek()))
            throw errors::unsupported("column defaults and constraints");
        return column;
    }

    ast::DropTable parseDropTable() {
        next();
        if (!peek().isWord("table"))
            throw errors::unsupported("DROP " + upperAscii(peek().text));
        next();
        return ast::DropTable{parseObjectName()};
    }

    ast::Execute parseExecute() {
        if (peek().kind == TokenKind::Variable)
            throw errors::unsupported("procedure return status variables");
        ast::Execute execute;
        execute.procedure = parseObjectName();
        const auto argumentFollows = [this] {
            const Token& token = peek();
            return token.kind != TokenKind::End && !token.isSymbol(";") && !startsStatement(token);
        };
        if (!argumentFollows())
            return execute;
        do {
            execute.arguments.push_back(parseProcedureArgument());
        } while (acceptSymbol(","));
        return execute;
    }

    ast::ProcedureArgument parseProcedureArgument() {
        ast::ProcedureArgument argument;
        if (peek().kind == TokenKind::Variable) {
            if (!peek(1).isSymbol("="))
                throw errors::unsupported("local variables");
            argument.name = next().text;
            next();
        }
        auto value = std::make_unique<Expr>();
        const Token& token = peek();
        if (token.isWord("null")) {
            value->kind = Kind::Null;
        } else if (token.kind == TokenKind::String || isName(token)) {
            value->kind = Kind::String;
            value->text = token.text;
        } else if (isNumber(token) ||
                   ((token.isSymbol("-") || token.isSymbol("+")) && isNumber(peek(1)))) {
            // A signed number stays one literal, so the procedure reads its value directly.
            const std::string sign = token.isSymbol("-") ? "-" : "";
            if (!isNumber(token))
                next();
            value->kind = peek().kind == TokenKind::Integer ? Kind::Integer : Kind::Real;
            value->text = sign + peek().text;
        } else if (token.kind == TokenKind::Variable) {
            throw errors::unsupported("local variables");
        } else {
            fail();
        }
        next();
        argument.value = std::move(value);
        return argument;
    }

    ast::Kill parseKill() {
        next();
        ast::Kill kill{expectInteger()};
        if (peek().isWord("with"))
            throw errors::unsupported("KILL WITH options");
        return kill;
    }

    ast::Dbcc parseDbcc() {
        next();
        ast::Dbcc dbcc;
        if (peek().kind != TokenKind::Word)
            fail();
        dbcc.command = lowerAscii(next().text);
        if (acceptSymbol("(")) {
            if (!acceptSymbol(")")) {
                do {
                    dbcc.arguments.push_back(parseExpression());
                } while (acceptSymbol(","));
                expectSymbol(")");
            }
        }
        return dbcc;
    }

    ast::Use parseUse() {
        next();
        return ast::Use{expectName()};
    }

    // set option[, option...] value: the engine decides what the words mean.
    ast::Set parseSet() {
        next();
        if (peek().kind == TokenKind::Variable)
            throw errors::unsupported("local variables");
        ast::Set set;
        for (;;) {
            const Token& token = peek();
            if (token.isSymbol(",")) {
                next();
                continue;
            }
            const bool word = token.kind == TokenKind::Word && !startsStatement(token);
            if (!word && token.kind != TokenKind::Integer && token.kind != TokenKind::String)
                break;
            set.words.push_back(lowerAscii(next().text));
        }
        if (set.words.empty())
            fail();
        return set;
    }

    ast::Transaction parseTransaction() {
        ast::Transaction transaction{lowerAscii(next().text)};
        const bool named = acceptWord("tran") || acceptWord("transaction") ||
                           (transaction.word != "begin" && acceptWord("work"));
        if (transaction.word == "begin" && !named)
            throw errors::unsupported("BEGIN...END blocks");
        if (named && isName(peek()) && !startsStatement(peek()))
            next();
        return transaction;
    }

    // ---- expressions ----

    void checkHeight(int height) const {
        if (height > kMaxHeight)
            throw errors::tooComplex();
    }

    ExprPtr node(Kind kind, std::string text = {}) {
        auto expr = std::make_unique<Expr>();
        expr->kind = kind;
        expr->text = std::move(text);
        return expr;
    }

    // Fixes the height of a finished node from its children.
    ExprPtr seal(ExprPtr expr) {
        int height = expr->query ? expr->query->height : 0;
        for (const auto& arg : expr->args)
            height = std::max(height, heightOf(arg));
        expr->height = height + 1;
        checkHeight(expr->height);
        return expr;
    }

    ExprPtr combine(Kind kind, std::string op, ExprPtr left, ExprPtr right) {
        auto expr = node(kind, std::move(op));
        expr->args.push_back(std::move(left));
        expr->args.push_back(std::move(right));
        return seal(std::move(expr));
    }

    ExprPtr parseExpression() {
        Nesting nesting(depth_);
        auto left = parseAnd();
        while (acceptWord("or"))
            left = combine(Kind::Or, "or", std::move(left), parseAnd());
        return left;
    }

    ExprPtr parseAnd() {
        auto left = parseNot();
        while (acceptWord("and"))
            left = combine(Kind::And, "and", std::move(left), parseNot());
        return left;
    }

    ExprPtr parseNot() {
        if (!acceptWord("not"))
            return parsePredicate();
        Nesting nesting(depth_);
        auto expr = node(Kind::Not);
        expr->args.push_back(parseNot());
        return seal(std::move(expr));
    }

    ExprPtr parsePredicate() {
        auto left = parseAdditive();
        static constexpr std::array comparisons = {"=",  "<>", "!=", "<", ">",
                                                   "<=", ">=", "!<", "!>"};
        for (const char* op : comparisons) {
            if (acceptSymbol(op)) {
                const std::string_view written = op;
                const std::string normal = written == "!="   ? "<>"
                                           : written == "!<" ? ">="
                                           : written == "!>" ? "<="
                                                             : std::string(written);
                return combine(Kind::Compare, normal, std::move(left), parseAdditive());
            }
        }
        if (peek().isSymbol("*="))
            throw errors::unsupported("outer joins written with *=");
        if (acceptWord("is")) {
            auto expr = node(Kind::IsNull);
            expr->negated = acceptWord("not");
            expectWord("null");
            expr->args.push_back(std::move(left));
            return seal(std::move(expr));
        }
        const bool negated =
            peek().isWord("not") &&
            (peek(1).isWord("like") || peek(1).isWord("in") || peek(1).isWord("between"));
        if (negated)
            next();
        if (acceptWord("like"))
            return parseLike(std::move(left), negated);
        if (acceptWord("in"))
            return parseIn(std::move(left), negated);
        if (acceptWord("between"))
            return parseBetween(std::move(left), negated);
        return left;
    }

    ExprPtr parseLike(ExprPtr left, bool negated) {
        auto expr = node(Kind::Like);
        expr->negated = negated;
        expr->args.push_back(std::move(left));
        expr->args.push_back(parseAdditive());
        if (acceptWord("escape"))
            expr->args.push_back(parseAdditive());
        return seal(std::move(expr));
    }

    ExprPtr parseIn(ExprPtr left, bool negated) {
        expectSymbol("(");
        ExprPtr expr;
        if (peek().isWord("select")) {
            expr = node(Kind::InSelect);
            expr->args.push_back(std::move(left));
            expr->query = parseQuery();
        } else {
            expr = node(Kind::InList);
            expr->args.push_back(std::move(left));
            do {
                expr->args.push_back(parseExpression());
            } while (acceptSymbol(","));
        }
        expectSymbol(")");
        expr->negated = negated;
        return seal(std::move(expr));
    }

    ExprPtr parseBetween(ExprPtr left, bool negated) {
        auto expr = node(Kind::Between);
        expr->negated = negated;
        expr->args.push_back(std::move(left));
        expr->args.push_back(parseAdditive());
        expectWord("and");
        expr->args.push_back(parseAdditive());
        return seal(std::move(expr));
    }

    ExprPtr parseAdditive() {
        auto left = parseMultiplicative();
        for (;;) {
            const Token& token = peek();
            const bool additive = token.isSymbol("+") || token.isSymbol("-") ||
                                  token.isSymbol("&") || token.isSymbol("|") || token.isSymbol("^");
            if (!additive)
                return left;
            const std::string op = next().text;
            left = combine(Kind::Binary, op, std::move(left), parseMultiplicative());
        }
    }

    ExprPtr parseMultiplicative() {
        auto left = parseUnary();
        while (peek().isSymbol("*") || peek().isSymbol("/") || peek().isSymbol("%")) {
            const std::string op = next().text;
            left = combine(Kind::Binary, op, std::move(left), parseUnary());
        }
        return left;
    }

    ExprPtr parseUnary() {
        if (!(peek().isSymbol("-") || peek().isSymbol("+") || peek().isSymbol("~")))
            return parsePrimary();
        Nesting nesting(depth_);
        auto expr = node(Kind::Unary, next().text);
        expr->args.push_back(parseUnary());
        return seal(std::move(expr));
    }

    ExprPtr parsePrimary() {
        const Token& token = peek();
        switch (token.kind) {
        case TokenKind::Integer:
            return seal(node(Kind::Integer, next().text));
        case TokenKind::Decimal:
        case TokenKind::Float:
            return seal(node(Kind::Real, next().text));
        case TokenKind::String:
            return seal(node(Kind::String, next().text));
        case TokenKind::GlobalVariable:
            return seal(node(Kind::Global, lowerAscii(next().text)));
        case TokenKind::Variable:
            throw errors::unsupported("local variables");
        case TokenKind::Hex:
            throw errors::unsupported("binary literals");
        case TokenKind::BracketedName:
        case TokenKind::QuotedName:
            return parseColumn();
        case TokenKind::Symbol:
            if (token.isSymbol("("))
                return parseParenthesized();
            fail();
        case TokenKind::Word:
            return parseWordPrimary();
        case TokenKind::End:
            break;
        }
        fail();
    }

    ExprPtr parseParenthesized() {
        next();
        ExprPtr expr;
        if (peek().isWord("select")) {
            expr = node(Kind::Subquery);
            expr->query = parseQuery();
            expr = seal(std::move(expr));
        } else {
            expr = parseExpression();
        }
        expectSymbol(")");
        return expr;
    }

    ExprPtr parseWordPrimary() {
        const Token& token = peek();
        if (token.isWord("null")) {
            next();
            return seal(node(Kind::Null));
        }
        if (token.isWord("case"))
            return parseCase();
        if (token.isWord("exists")) {
            next();
            expectSymbol("(");
            auto expr = node(Kind::Exists);
            expr->query = parseQuery();
            expectSymbol(")");
            return seal(std::move(expr));
        }
        if (isReserved(token))
            fail();
        if (peek(1).isSymbol("("))
            return parseCall();
        return parseColumn();
    }

    // name or qualifier.name; longer prefixes (owner, database) are accepted
    // and the table part kept as the qualifier.
    ExprPtr parseColumn() {
        std::vector<std::string> parts{expectName()};
        while (acceptSymbol("."))
            parts.push_back(expectName());
        auto expr = node(Kind::Column, parts.back());
        if (parts.size() > 1)
            expr->qualifier = parts[parts.size() - 2];
        return seal(std::move(expr));
    }

    ExprPtr parseCall() {
        const std::string name = lowerAscii(next().text);
        next(); // (
        if (name == "convert")
            return parseConvert();
        if (name == "cast")
            return parseCast();
        auto expr = node(Kind::Call, name);
        if (name == "count" && acceptSymbol("*")) {
            expr->kind = Kind::CountStar;
        } else if (!peek().isSymbol(")")) {
            expr->distinct = acceptWord("distinct");
            if (!expr->distinct)
                acceptWord("all");
            do {
                expr->args.push_back(parseExpression());
            } while (acceptSymbol(","));
        }
        expectSymbol(")");
        return seal(std::move(expr));
    }

    ExprPtr parseConvert() {
        auto expr = node(Kind::Convert);
        expr->type = parseTypeName();
        expectSymbol(",");
        expr->args.push_back(parseExpression());
        if (acceptSymbol(","))
            expr->args.push_back(parseExpression());
        expectSymbol(")");
        return seal(std::move(expr));
    }

    ExprPtr parseCast() {
        auto expr = node(Kind::Convert);
        expr->args.push_back(parseExpression());
        expectWord("as");
        expr->type = parseTypeName();
        expectSymbol(")");
        return seal(std::move(expr));
    }

    ast::TypeName parseTypeName() {
        ast::TypeName type;
        if (peek().kind != TokenKind::Word)
            fail();
        type.name = lowerAscii(next().text);
        if (type.name == "double" && acceptWord("precision"))
            type.name = "double precision";
        if (acceptSymbol("(")) {
            type.length = static_cast<int>(std::clamp<std::int64_t>(expectInteger(), 0, 1 << 30));
            if (acceptSymbol(","))
                type.scale =
                    static_cast<int>(std::clamp<std::int64_t>(expectInteger(), 0, 1 << 30));
            expectSymbol(")");
        }
        return type;
    }

    ExprPtr parseCase() {
        next();
        auto expr = node(Kind::Case);
        if (!peek().isWord("when")) {
            expr->caseHasBase = true;
            expr->args.push_back(parseExpression());
        }
        if (!peek().isWord("when"))
            fail();
        while (acceptWord("when")) {
            expr->args.push_back(parseExpression());
            expectWord("then");
            expr->args.push_back(parseExpression());
        }
        if (acceptWord("else")) {
            expr->caseHasElse = true;
            expr->args.push_back(parseExpression());
        }
        expectWord("end");
        return seal(std::move(expr));
    }

    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    int depth_ = 0;
};

} // namespace

std::vector<ast::Statement> parseBatch(std::string_view batch, bool quotedIdentifiers) {
    return Parser(batch, quotedIdentifiers).run();
}

} // namespace sim
