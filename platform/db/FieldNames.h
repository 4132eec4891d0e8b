#pragma once

// Field names unique within one result, in column order: an unnamed column
// becomes "COLUMN<n>", a name already taken becomes "<name>_<n>", n counting
// from 1 to the first name not yet taken. Names are compared without regard
// to letter case, as field lookups are.

#include <QStringList>

namespace db {

QStringList uniqueFieldNames(const QStringList& columnNames);

} // namespace db
