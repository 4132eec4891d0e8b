#include "simulator/Logins.h"

#include "simulator/EngineErrors.h"
#include "simulator/ServerErrors.h"

namespace sim {

void authenticate(SqliteDatabase& db, const std::string& login, const std::string& password) {
    auto query = db.prepare("select password from sim_login where name = ?1");
    query.bind(1, login);
    if (!query.step() || query.textView(0) != password)
        throw errors::loginFailed();
}

void addLogin(SqliteDatabase& db, const std::string& login, const std::string& password) {
    SqliteTransaction transaction(db);
    auto exists = db.prepare("select 1 from sim_login where name = ?1");
    exists.bind(1, login);
    if (exists.step())
        throw errors::loginExists(login);
    auto insert = db.prepare("insert into sim_login select ?1, ?2, coalesce(max(suid), 1) + 1 "
                             "from sim_login");
    insert.bind(1, login).bind(2, password).run();
    transaction.commit();
}

} // namespace sim
