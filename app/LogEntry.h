#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The activity log's entry: a header naming the server and the time, the
// statement trimmed, and a separator line.
namespace applog {

inline const QString kSeparatorLine = QString(43, u'+');

// "[d/m/yyyy h:n:s]" without leading zeros, padded with blanks to 21 characters.
QString logStamp(const QDateTime& when);

// The lines of one entry, or none when the statement starts with "--".
QStringList logEntryLines(const QString& server, const QDateTime& when, const QString& statement);

} // namespace applog
