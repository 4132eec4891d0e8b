#include "simulator/isql/IsqlScript.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace isql {

namespace {

std::string trimmed(const std::string& line) {
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    const auto first = std::find_if_not(line.begin(), line.end(), blank);
    const auto last = std::find_if_not(line.rbegin(), line.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

bool sameWord(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

bool hasText(const std::string& batch) {
    return !trimmed(batch).empty();
}

} // namespace

std::vector<std::string> splitBatches(const std::string& script, const std::string& terminator) {
    std::vector<std::string> batches;
    std::istringstream lines(script);
    std::string line;
    std::string batch;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (sameWord(trimmed(line), terminator)) {
            if (hasText(batch))
                batches.push_back(batch);
            batch.clear();
            continue;
        }
        batch += line;
        batch += '\n';
    }
    // A script that does not end with the terminator still runs its last batch.
    if (hasText(batch))
        batches.push_back(batch);
    return batches;
}

} // namespace isql
