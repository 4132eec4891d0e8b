#include "simulator/Configuration.h"

#include "simulator/StoredTables.h"
#include "simulator/Tokenizer.h"

namespace sim {

namespace {

std::string parameterQuery() {
    return "select c.config, c.name, g.name, k.value, k.value2, k.defvalue, k.minimum_value, "
           "k.maximum_value, k.type, k.unit from " +
           storedTableName("master", "sysconfigures") + " c join " +
           storedTableName("master", "syscurconfigs") + " k on k.config = c.config join " +
           storedTableName("master", "sysconfigures") + " g on g.config = c.parent";
}

ConfigValue readRow(const SqliteStatement& row) {
    ConfigValue v;
    v.config = row.integer(0);
    v.name = row.text(1);
    v.group = row.text(2);
    v.value = row.integer(3);
    v.value2 = row.integer(4);
    v.defaultValue = row.integer(5);
    v.minimum = row.integer(6);
    v.maximum = row.integer(7);
    v.dynamic = row.textView(8) == "dynamic";
    v.unit = row.text(9);
    return v;
}

} // namespace

std::int64_t runValue(SqliteDatabase& db, const std::string& name) {
    auto query = db.prepare("select k.value2 from " + storedTableName("master", "sysconfigures") +
                            " c join " + storedTableName("master", "syscurconfigs") +
                            " k on k.config = c.config where c.name = ?1");
    query.bind(1, name);
    return query.step() ? query.integer(0) : 0;
}

std::vector<ConfigValue> findParameters(SqliteDatabase& db, const std::string& text) {
    auto query = db.prepare(parameterQuery() + " order by g.name, c.name");
    const std::string wanted = lowerAscii(text);
    std::vector<ConfigValue> matches;
    while (query.step()) {
        ConfigValue v = readRow(query);
        const std::string name = lowerAscii(v.name);
        if (name == wanted)
            return {v};
        if (name.find(wanted) != std::string::npos)
            matches.push_back(std::move(v));
    }
    return matches;
}

void storeValue(SqliteDatabase& db, const ConfigValue& parameter, std::int64_t value) {
    SqliteTransaction transaction(db);
    auto configured = db.prepare("update " + storedTableName("master", "sysconfigures") +
                                 " set value = ?2, value2 = ?3 where config = ?1");
    configured.bind(1, parameter.config).bind(2, value).bind(3, std::to_string(value)).run();
    auto current = db.prepare("update " + storedTableName("master", "syscurconfigs") +
                              " set value = ?2, value2 = case when type = 'dynamic' then ?2 "
                              "else value2 end where config = ?1");
    current.bind(1, parameter.config).bind(2, value).run();
    transaction.commit();
}

bool requirementMet(SqliteDatabase& db, const std::string& parameter) {
    return runValue(db, parameter) > 0;
}

} // namespace sim
