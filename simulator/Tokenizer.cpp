#include "simulator/Tokenizer.h"

#include "simulator/ServerErrors.h"

namespace sim {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isNameStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '#' ||
           static_cast<unsigned char>(c) >= 0x80;
}
bool isNamePart(char c) {
    return isNameStart(c) || isDigit(c) || c == '$' || c == '@';
}
bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

class Scanner {
public:
    Scanner(std::string_view text, bool quotedIdentifiers)
        : text_(text), quotedIdentifiers_(quotedIdentifiers) {}

    std::vector<Token> run() {
        std::vector<Token> tokens;
        for (;;) {
            skipBlanksAndComments();
            Token token;
            token.offset = pos_;
            token.line = line_;
            if (pos_ >= text_.size()) {
                token.end = pos_;
                tokens.push_back(std::move(token));
                return tokens;
            }
            scanOne(token);
            token.end = pos_;
            tokens.push_back(std::move(token));
        }
    }

private:
    char at(std::size_t i) const { return i < text_.size() ? text_[i] : '\0'; }

    void advance() {
        if (text_[pos_] == '\n')
            ++line_;
        ++pos_;
    }

    void skipBlanksAndComments() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
                advance();
            } else if (c == '-' && at(pos_ + 1) == '-') {
                while (pos_ < text_.size() && text_[pos_] != '\n')
                    advance();
            } else if (c == '/' && at(pos_ + 1) == '*') {
                skipBlockComment();
            } else {
                return;
            }
        }
    }

    void skipBlockComment() {
        int depth = 0;
        while (pos_ < text_.size()) {
            if (text_[pos_] == '/' && at(pos_ + 1) == '*') {
                ++depth;
                pos_ += 2;
            } else if (text_[pos_] == '*' && at(pos_ + 1) == '/') {
                pos_ += 2;
                if (--depth == 0)
                    return;
            } else {
                advance();
            }
        }
        throw errors::missingEndComment();
    }

    void scanOne(Token& token) {
        const char c = text_[pos_];
        if (c == '\'' || c == '"')
            return scanQuoted(token, c);
        if (c == '[')
            return scanBracketed(token);
        if (c == '@')
            return scanVariable(token);
        if (isDigit(c) || (c == '.' && isDigit(at(pos_ + 1))))
            return scanNumber(token);
        if (isNameStart(c))
            return scanWord(token);
        scanSymbol(token);
    }

    void scanQuoted(Token& token, char quote) {
        const std::size_t start = pos_;
        advance();
        for (;;) {
            if (pos_ >= text_.size())
                throw errors::unclosedQuote(text_.substr(start + 1, 80));
            if (text_[pos_] == quote) {
                if (at(pos_ + 1) != quote)
                    break;
                advance();
            }
            token.text += text_[pos_];
            advance();
        }
        advance();
        token.kind =
            (quote == '"' && quotedIdentifiers_) ? TokenKind::QuotedName : TokenKind::String;
        refuseNulInName(token);
    }

    void scanBracketed(Token& token) {
        const std::size_t start = pos_;
        advance();
        while (pos_ < text_.size() && text_[pos_] != ']') {
            token.text += text_[pos_];
            advance();
        }
        if (pos_ >= text_.size())
            throw errors::unclosedQuote(text_.substr(start + 1, 80));
        advance();
        token.kind = TokenKind::BracketedName;
        refuseNulInName(token);
    }

    // Names end up inside SQL text, where a NUL character would cut the statement short.
    static void refuseNulInName(const Token& token) {
        if (token.kind != TokenKind::String && token.text.find('\0') != std::string::npos)
            throw errors::incorrectSyntaxNear(token.text.substr(0, token.text.find('\0')));
    }

    void scanVariable(Token& token) {
        token.kind = TokenKind::Variable;
        advance();
        if (at(pos_) == '@') {
            token.kind = TokenKind::GlobalVariable;
            advance();
        }
        while (pos_ < text_.size() && isNamePart(text_[pos_])) {
            token.text += text_[pos_];
            advance();
        }
        if (token.text.empty())
            throw errors::incorrectSyntaxNear("@");
    }

    void scanNumber(Token& token) {
        const std::size_t start = pos_;
        token.kind = TokenKind::Integer;
        if (text_[pos_] == '0' && (at(pos_ + 1) == 'x' || at(pos_ + 1) == 'X')) {
            pos_ += 2;
            while (isHexDigit(at(pos_)))
                ++pos_;
            token.kind = TokenKind::Hex;
            token.text = std::string(text_.substr(start, pos_ - start));
            return;
        }
        while (isDigit(at(pos_)))
            ++pos_;
        if (at(pos_) == '.') {
            token.kind = TokenKind::Decimal;
            ++pos_;
            while (isDigit(at(pos_)))
                ++pos_;
        }
        const bool signedExponent =
            (at(pos_ + 1) == '+' || at(pos_ + 1) == '-') && isDigit(at(pos_ + 2));
        if ((at(pos_) == 'e' || at(pos_) == 'E') && (isDigit(at(pos_ + 1)) || signedExponent)) {
            token.kind = TokenKind::Float;
            pos_ += signedExponent ? 2 : 1;
            while (isDigit(at(pos_)))
                ++pos_;
        }
        token.text = std::string(text_.substr(start, pos_ - start));
    }

    void scanWord(Token& token) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && isNamePart(text_[pos_]))
            ++pos_;
        token.kind = TokenKind::Word;
        token.text = std::string(text_.substr(start, pos_ - start));
    }

    void scanSymbol(Token& token) {
        static constexpr std::string_view pairs[] = {"<=", ">=", "<>", "!=", "!<", "!>", "*="};
        static constexpr std::string_view singles = ",.()*+-/%&|^~=<>;";
        token.kind = TokenKind::Symbol;
        const std::string_view two = text_.substr(pos_, 2);
        for (std::string_view pair : pairs) {
            if (two == pair) {
                token.text = std::string(pair);
                pos_ += 2;
                return;
            }
        }
        if (singles.find(text_[pos_]) == std::string_view::npos)
            throw errors::incorrectSyntaxNear(text_.substr(pos_, 1));
        token.text = std::string(1, text_[pos_]);
        ++pos_;
    }

    std::string_view text_;
    bool quotedIdentifiers_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

} // namespace

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = char(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

bool Token::isWord(std::string_view keyword) const {
    return kind == TokenKind::Word && equalsIgnoreCase(text, keyword);
}

std::vector<Token> tokenize(std::string_view batch, bool quotedIdentifiers) {
    return Scanner(batch, quotedIdentifiers).run();
}

} // namespace sim
