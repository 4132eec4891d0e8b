#include "simulator/ServerTypes.h"

#include <array>
#include <utility>

namespace sim {

std::optional<TypeClass> typeClassNamed(std::string_view lowerCaseName) {
    static constexpr std::array<std::pair<std::string_view, TypeClass>, 32> types = {{
        {"int", TypeClass::Integer},
        {"integer", TypeClass::Integer},
        {"smallint", TypeClass::Integer},
        {"tinyint", TypeClass::Integer},
        {"bigint", TypeClass::Integer},
        {"unsigned", TypeClass::Integer},
        {"numeric", TypeClass::Exact},
        {"decimal", TypeClass::Exact},
        {"dec", TypeClass::Exact},
        {"float", TypeClass::Float},
        {"real", TypeClass::Float},
        {"double precision", TypeClass::Float},
        {"money", TypeClass::Money},
        {"smallmoney", TypeClass::Money},
        {"char", TypeClass::FixedChar},
        {"nchar", TypeClass::FixedChar},
        {"unichar", TypeClass::FixedChar},
        {"varchar", TypeClass::VarChar},
        {"nvarchar", TypeClass::VarChar},
        {"univarchar", TypeClass::VarChar},
        {"text", TypeClass::VarChar},
        {"unitext", TypeClass::VarChar},
        {"sysname", TypeClass::VarChar},
        {"datetime", TypeClass::DateTime},
        {"bigdatetime", TypeClass::DateTime},
        {"smalldatetime", TypeClass::SmallDateTime},
        {"date", TypeClass::Date},
        {"time", TypeClass::Time},
        {"bit", TypeClass::Bit},
        {"binary", TypeClass::Binary},
        {"varbinary", TypeClass::Binary},
        {"image", TypeClass::Binary},
    }};
    for (const auto& [name, typeClass] : types)
        if (name == lowerCaseName)
            return typeClass;
    return std::nullopt;
}

} // namespace sim
