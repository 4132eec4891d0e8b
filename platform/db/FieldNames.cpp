#include "platform/db/FieldNames.h"

namespace db {

namespace {

QString firstFreeName(const QStringList& taken, const QString& prefix) {
    for (int n = 1;; ++n) {
        const QString candidate = prefix + QString::number(n);
        if (!taken.contains(candidate, Qt::CaseInsensitive))
            return candidate;
    }
}

} // namespace

QStringList uniqueFieldNames(const QStringList& columnNames) {
    QStringList names;
    names.reserve(columnNames.size());
    for (const QString& name : columnNames) {
        if (name.isEmpty())
            names.append(firstFreeName(names, QStringLiteral("COLUMN")));
        else if (names.contains(name, Qt::CaseInsensitive))
            names.append(firstFreeName(names, name + u'_'));
        else
            names.append(name);
    }
    return names;
}

} // namespace db
