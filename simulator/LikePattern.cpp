#include "simulator/LikePattern.h"

#include <utility>
#include <vector>

namespace sim {

namespace {

// Decodes UTF-8, reading a malformed byte as the character of its own value.
std::vector<char32_t> decode(std::string_view text) {
    std::vector<char32_t> out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t value = extra == 0 ? lead : lead & (0x3F >> extra);
        bool wellFormed = i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; wellFormed && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            wellFormed = (next & 0xC0) == 0x80;
            value = (value << 6) | (next & 0x3F);
        }
        if (!wellFormed) {
            out.push_back(lead);
            ++i;
            continue;
        }
        out.push_back(value);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

struct Element {
    enum class Kind { Literal, AnyOne, AnyRun, Set };
    Kind kind = Kind::Literal;
    char32_t literal = 0;
    bool negated = false;
    std::vector<std::pair<char32_t, char32_t>> ranges;

    bool matches(char32_t c) const {
        switch (kind) {
        case Kind::Literal:
            return c == literal;
        case Kind::AnyOne:
            return true;
        case Kind::AnyRun:
            return false;
        case Kind::Set:
            break;
        }
        bool inSet = false;
        for (const auto& [low, high] : ranges)
            inSet = inSet || (c >= low && c <= high);
        return inSet != negated;
    }
};

// Reads "[...]" starting at position i (on the "["); returns false when the
// bracket is never closed, and the "[" then stands for itself.
bool readSet(const std::vector<char32_t>& pattern, std::size_t& i, Element& out) {
    std::size_t j = i + 1;
    out.kind = Element::Kind::Set;
    if (j < pattern.size() && pattern[j] == U'^') {
        out.negated = true;
        ++j;
    }
    for (; j < pattern.size() && pattern[j] != U']'; ++j) {
        if (j + 2 < pattern.size() && pattern[j + 1] == U'-' && pattern[j + 2] != U']') {
            out.ranges.emplace_back(pattern[j], pattern[j + 2]);
            j += 2;
        } else {
            out.ranges.emplace_back(pattern[j], pattern[j]);
        }
    }
    if (j >= pattern.size())
        return false;
    i = j;
    return true;
}

std::vector<Element> compile(std::string_view text, std::optional<char32_t> escape) {
    const std::vector<char32_t> pattern = decode(text);
    std::vector<Element> elements;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        Element element;
        const char32_t c = pattern[i];
        if (escape && c == *escape && i + 1 < pattern.size()) {
            element.literal = pattern[++i];
        } else if (c == U'%') {
            element.kind = Element::Kind::AnyRun;
            if (!elements.empty() && elements.back().kind == Element::Kind::AnyRun)
                continue;
        } else if (c == U'_') {
            element.kind = Element::Kind::AnyOne;
        } else if (c != U'[' || !readSet(pattern, i, element)) {
            element = Element{};
            element.literal = c;
        }
        elements.push_back(std::move(element));
    }
    return elements;
}

} // namespace

bool likeMatches(std::string_view textUtf8, std::string_view pattern,
                 std::optional<char32_t> escape) {
    const std::vector<Element> elements = compile(pattern, escape);
    const std::vector<char32_t> text = decode(textUtf8);
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    std::size_t t = 0, p = 0, runAt = none, runResume = 0;
    // On a mismatch, let the latest "%" swallow one more character and retry.
    while (t < text.size()) {
        if (p < elements.size() && elements[p].kind == Element::Kind::AnyRun) {
            runAt = p++;
            runResume = t;
        } else if (p < elements.size() && elements[p].matches(text[t])) {
            ++p;
            ++t;
        } else if (runAt != none) {
            p = runAt + 1;
            t = ++runResume;
        } else {
            return false;
        }
    }
    while (p < elements.size() && elements[p].kind == Element::Kind::AnyRun)
        ++p;
    return p == elements.size();
}

std::optional<char32_t> firstCharacter(std::string_view text) {
    const std::vector<char32_t> characters = decode(text.substr(0, 4));
    if (characters.empty())
        return std::nullopt;
    return characters.front();
}

} // namespace sim
