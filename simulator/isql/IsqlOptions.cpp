#include "simulator/isql/IsqlOptions.h"

#include <charconv>
#include <map>
#include <string_view>

namespace isql {

namespace {

// isql flags that take no value; every other flag takes one.
constexpr std::string_view kSwitches = "bepnvFQWXYx";

bool parseWidth(const std::string& text, int& width) {
    const char* end = text.data() + text.size();
    const auto [rest, failure] = std::from_chars(text.data(), end, width);
    return failure == std::errc() && rest == end && width >= 10 && width <= 1048576;
}

} // namespace

std::string usageText() {
    return "usage: farrowdale-isql -U user -P password -S server -i script -o output [-w width]\n"
           "       (-Pvalue or -P value; an empty password is -P alone. Other isql options are\n"
           "       accepted; -D database and -c terminator are honoured.)\n";
}

ParsedOptions parseOptions(const std::vector<std::string>& arguments) {
    std::map<char, std::string> values;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() < 2 || argument[0] != '-')
            return {std::nullopt, "unexpected argument '" + argument + "'"};
        const char flag = argument[1];
        if (kSwitches.find(flag) != std::string_view::npos) {
            values[flag];
            continue;
        }
        if (argument.size() > 2) {
            values[flag] = argument.substr(2);
            continue;
        }
        // A flag alone takes the next argument unless that is another flag:
        // "-P -Sserver" gives an empty password.
        const bool nextIsValue = i + 1 < arguments.size() &&
                                 !(arguments[i + 1].size() > 1 && arguments[i + 1][0] == '-');
        values[flag] = nextIsValue ? arguments[++i] : std::string();
    }
    for (const char required : std::string_view("UPSio"))
        if (!values.contains(required))
            return {std::nullopt, std::string("missing option -") + required};
    Options options;
    options.user = values['U'];
    options.password = values['P'];
    options.server = values['S'];
    options.input = values['i'];
    options.output = values['o'];
    if (options.user.empty() || options.server.empty() || options.input.empty() ||
        options.output.empty())
        return {std::nullopt, "options -U, -S, -i and -o need a value"};
    if (values.contains('w') && !parseWidth(values['w'], options.width))
        return {std::nullopt, "-w needs a width of at least 10"};
    if (values.contains('D'))
        options.database = values['D'];
    if (values.contains('c') && !values['c'].empty())
        options.terminator = values['c'];
    return {options, {}};
}

} // namespace isql
