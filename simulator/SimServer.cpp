#include "simulator/SimServer.h"

#include "simulator/EngineSession.h"
#include "simulator/Logins.h"
#include "simulator/Processes.h"
#include "simulator/ServerSeed.h"
#include "simulator/Simulation.h"
#include "simulator/SqlFunctions.h"
#include "simulator/StateFile.h"
#include "simulator/TimeText.h"

#include <unistd.h>

namespace sim {

namespace {

std::string hostName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return "localhost";
    return name;
}

std::int64_t connect(SqliteDatabase& db, const std::string& login, std::int64_t nowMs) {
    SqliteTransaction transaction(db);
    removeOrphanedClients(db);
    ProcessInfo client;
    client.kind = ProcessKind::Client;
    client.login = login;
    client.program = "farrowdale";
    client.host = hostName();
    client.database = "master";
    client.command = "AWAITING COMMAND";
    client.status = "recv sleep";
    client.loginMs = nowMs;
    client.seed = std::int64_t(mix(std::uint64_t(nowMs), std::uint64_t(getpid())) >> 1);
    const std::int64_t spid = addProcess(db, client);
    transaction.commit();
    return spid;
}

} // namespace

std::unique_ptr<SimSession> SimSession::open(const std::string& dataSource, const std::string& user,
                                             const std::string& password) {
    return open(dataSource, user, password, [] { return std::chrono::system_clock::now(); });
}

std::unique_ptr<SimSession> SimSession::open(const std::string& dataSource, const std::string& user,
                                             const std::string& password, SimClock clock) {
    StateLocation location = locateState(dataSource);
    std::unique_ptr<SqliteDatabase> db = openStateFile(location.path);
    try {
        registerSqlFunctions(db->handle(), clock);
        const std::int64_t now = millisecondsSinceEpoch(clock());
        ensureSeeded(*db, now);
        authenticate(*db, user, password);
        const std::int64_t spid = connect(*db, user, now);
        advanceServer(*db, now);
        return std::make_unique<EngineSession>(std::move(db), std::move(location), std::move(clock),
                                               user, spid);
    } catch (const SqliteError& failure) {
        throw stateFileError(failure, location.path);
    }
}

} // namespace sim
