#include "simulator/StateFile.h"

#include "simulator/EngineErrors.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace sim {

namespace {

constexpr std::string_view kPrefix = "sim:";
constexpr std::string_view kMemory = "sim::memory:";
constexpr int kBusyTimeoutMs = 3000;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string fileStem(const std::string& path) {
    const auto slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

bool isPlainName(std::string_view name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

} // namespace

std::string temporaryDirectory() {
    const std::string temp = environment("TEMP");
    if (!temp.empty())
        return temp;
    std::string base = environment("TMPDIR");
    if (base.empty())
        base = "/tmp";
    const std::string dir = base + "/farrowdale-" + std::to_string(getuid());
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        throw errors::stateFileUnusable(dir, "the temporary directory cannot be created");
    return dir;
}

StateLocation locateState(const std::string& dataSource) {
    if (dataSource == kMemory)
        return {":memory:", "SIMSERVER"};
    if (dataSource.rfind(kPrefix, 0) != 0)
        throw errors::badDataSource(dataSource);
    const std::string rest = dataSource.substr(kPrefix.size());
    if (!rest.empty() && rest.front() == '/')
        return {rest, fileStem(rest)};
    if (!isPlainName(rest))
        throw errors::badDataSource(dataSource);
    return {temporaryDirectory() + "/" + rest + ".asesim", rest};
}

SimError stateFileError(const SqliteError& failure, const std::string& path) {
    switch (failure.code() & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return errors::stateFileLocked(path);
    case SQLITE_READONLY:
        return errors::stateFileReadOnly(path);
    default:
        return errors::stateFileUnusable(path, failure.what());
    }
}

std::unique_ptr<SqliteDatabase> openStateFile(const std::string& path) {
    try {
        auto db = std::make_unique<SqliteDatabase>(path, true);
        if (db->readOnly())
            throw errors::stateFileReadOnly(path);
        sqlite3_busy_timeout(db->handle(), kBusyTimeoutMs);
        // Reading the schema proves the file is a database before anything is written.
        db->exec("PRAGMA schema_version");
        if (path != ":memory:")
            db->exec("PRAGMA journal_mode=WAL");
        db->exec("PRAGMA synchronous=NORMAL");
        return db;
    } catch (const SqliteError& failure) {
        throw stateFileError(failure, path);
    }
}

} // namespace sim
