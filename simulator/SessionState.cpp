#include "simulator/SessionState.h"

#include "simulator/EngineErrors.h"
#include "simulator/ServerErrors.h"
#include "simulator/TimeText.h"

#include <charconv>
#include <cmath>

namespace sim {

std::int64_t SessionState::nowMs() const {
    return millisecondsSinceEpoch(clock());
}

void SessionState::requireSystemAdministrator() const {
    if (login != "sa")
        throw errors::permissionDenied("sa_role");
}

SimMessage infoMessage(std::string text, int number) {
    return SimMessage{number, 10, 1, 1, std::move(text)};
}

std::int64_t integerArgument(const SimValue& value) {
    switch (value.kind) {
    case SimValue::Kind::Integer:
        return value.integer;
    case SimValue::Kind::Real:
        if (std::isfinite(value.real) && std::abs(value.real) < 9.2e18)
            return static_cast<std::int64_t>(value.real);
        break;
    case SimValue::Kind::Text: {
        std::int64_t number = 0;
        const char* end = value.text.data() + value.text.size();
        const auto [rest, failure] = std::from_chars(value.text.data(), end, number);
        if (failure == std::errc() && rest == end)
            return number;
        break;
    }
    default:
        break;
    }
    throw errors::configurationValueNotNumber(textArgument(value));
}

std::string textArgument(const SimValue& value) {
    switch (value.kind) {
    case SimValue::Kind::Null:
        return {};
    case SimValue::Kind::Integer:
        return std::to_string(value.integer);
    case SimValue::Kind::Real: {
        char text[40];
        std::snprintf(text, sizeof text, "%g", value.real);
        return text;
    }
    case SimValue::Kind::Binary:
        return std::string(value.bytes.begin(), value.bytes.end());
    default:
        return value.text;
    }
}

} // namespace sim
