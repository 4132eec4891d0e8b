#pragma once

// The statements the simulated user sessions run: their text, what they touch
// and how the server executes them, so that SQL text, plans and stacks agree.

#include <cstddef>
#include <string_view>
#include <vector>

namespace sim {

struct WorkItem {
    std::string_view command; // sysprocesses.cmd while it runs
    std::string_view sql;
    std::string_view database;
    std::string_view table;
    std::string_view index;     // empty: table scan
    std::string_view procedure; // empty: a plain batch
};

const std::vector<WorkItem>& workload();
const WorkItem& workItem(std::size_t index); // wraps around

struct UserProfile {
    std::string_view login;
    std::string_view program;
    std::string_view host;
};

const std::vector<UserProfile>& userProfiles();

// The user databases and tables the simulated applications use.
struct UserObject {
    std::string_view database;
    std::string_view table;
    int objectId;
    int databaseId;
};

const std::vector<UserObject>& userObjects();
// The table a work item uses.
const UserObject& objectOf(const WorkItem& item);

struct DatabaseInfo {
    std::string_view name;
    int id;
};

const std::vector<DatabaseInfo>& databases();
int databaseId(std::string_view name); // 0 when unknown

} // namespace sim
