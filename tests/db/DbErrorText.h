#pragma once

#include "platform/db/Ado.h"

#include <QString>

namespace dbtest {

// The message of the DbError that `action` throws, or "" when none.
template <typename Action> QString errorOf(Action action) {
    try {
        action();
    } catch (const db::DbError& error) {
        return error.text();
    }
    return {};
}

} // namespace dbtest
