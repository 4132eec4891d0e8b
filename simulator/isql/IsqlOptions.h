#pragma once

// The isql command line: -U user -P password -S server -i script -o output
// -w width, each value glued to its flag or in the next argument. Other isql
// options are accepted and, but for -D and -c, ignored.

#include <optional>
#include <string>
#include <vector>

namespace isql {

struct Options {
    std::string user;
    std::string password;
    std::string server;
    std::string input;
    std::string output;
    int width = 80;
    std::string database;          // -D: used before the script runs
    std::string terminator = "go"; // -c
};

struct ParsedOptions {
    std::optional<Options> options;
    std::string error; // set when options is empty: what is wrong, for the usage text
};

ParsedOptions parseOptions(const std::vector<std::string>& arguments);

std::string usageText();

} // namespace isql
