#include "simulator/SqliteValues.h"

namespace sim {

void bindValue(SqliteStatement& statement, int index, const SimValue& value) {
    switch (value.kind) {
    case SimValue::Kind::Null:
        statement.bindNull(index);
        break;
    case SimValue::Kind::Integer:
        statement.bind(index, value.integer);
        break;
    case SimValue::Kind::Real:
        statement.bind(index, value.real);
        break;
    case SimValue::Kind::Binary:
        sqlite3_bind_blob(statement.handle(), index, value.bytes.data(), int(value.bytes.size()),
                          SQLITE_TRANSIENT);
        break;
    default:
        statement.bind(index, std::string_view(value.text));
        break;
    }
}

SimValue readValue(const SqliteStatement& statement, int column, SimValue::Kind kind) {
    SimValue value;
    const int stored = statement.type(column);
    if (stored == SQLITE_NULL)
        return value;
    if (kind == SimValue::Kind::Null) {
        kind = stored == SQLITE_INTEGER ? SimValue::Kind::Integer
               : stored == SQLITE_FLOAT ? SimValue::Kind::Real
               : stored == SQLITE_BLOB  ? SimValue::Kind::Binary
                                        : SimValue::Kind::Text;
    }
    value.kind = kind;
    switch (kind) {
    case SimValue::Kind::Integer:
        if (stored == SQLITE_FLOAT || stored == SQLITE_INTEGER) {
            value.integer = statement.integer(column);
            break;
        }
        value.kind = SimValue::Kind::Text; // a text the column type did not convert
        value.text = statement.text(column);
        break;
    case SimValue::Kind::Real:
        value.real = statement.real(column);
        break;
    case SimValue::Kind::Binary: {
        const auto* bytes =
            static_cast<const unsigned char*>(sqlite3_column_blob(statement.handle(), column));
        value.bytes.assign(bytes, bytes + sqlite3_column_bytes(statement.handle(), column));
        break;
    }
    default:
        value.text = statement.text(column);
        break;
    }
    return value;
}

std::string placeholders(std::size_t count) {
    std::string text;
    for (std::size_t i = 1; i <= count; ++i)
        text += (i > 1 ? ", ?" : "?") + std::to_string(i);
    return text;
}

} // namespace sim
