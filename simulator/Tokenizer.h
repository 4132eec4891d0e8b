#pragma once

// Splits a T-SQL batch into tokens. Comments ("--" to the end of the line,
// "/* */" nested) are dropped; string literals come back unescaped.

#include <string>
#include <string_view>
#include <vector>

namespace sim {

enum class TokenKind {
    Word,           // identifier or keyword, as written
    BracketedName,  // [name]: always an identifier
    QuotedName,     // "name" under set quoted_identifier on
    Variable,       // @name
    GlobalVariable, // @@name
    String,         // 'text' or "text"; text holds the value
    Integer,
    Decimal, // digits with a point
    Float,   // digits with an exponent
    Hex,     // 0x...
    Symbol,  // operators and punctuation, one or two characters
    End,
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;
    std::size_t offset = 0;
    std::size_t end = 0; // one past its last character in the batch
    int line = 1;

    bool isSymbol(std::string_view symbol) const {
        return kind == TokenKind::Symbol && text == symbol;
    }
    bool isWord(std::string_view keyword) const; // letter case ignored
};

// Throws SimError for an unclosed quote or comment, or a character outside the language.
std::vector<Token> tokenize(std::string_view batch, bool quotedIdentifiers);

bool equalsIgnoreCase(std::string_view a, std::string_view b);
std::string lowerAscii(std::string_view text);

} // namespace sim
