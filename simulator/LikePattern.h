#pragma once

// The server's LIKE: "%" any run of characters, "_" one character, "[abc]",
// "[a-f]" and "[^abc]" one character of (or not of) a set, and an optional
// escape character that makes the next pattern character literal. Letter case
// counts, as under the server's default binary sort order.

#include <optional>
#include <string_view>

namespace sim {

// Both texts in UTF-8; matching is by character, and takes time proportional to
// the product of the lengths at worst (no backtracking blow-up).
bool likeMatches(std::string_view text, std::string_view pattern,
                 std::optional<char32_t> escape = std::nullopt);

// The first character of a UTF-8 text, for the escape argument.
std::optional<char32_t> firstCharacter(std::string_view text);

} // namespace sim
