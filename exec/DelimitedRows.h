#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Grid rows as delimited text, for the results file and for the Log tab.
namespace exec {

// The delimiter typed beside "Delim.": trimmed, and "," when nothing is left.
QString delimiterFromSeparator(const QString& separatorText);

// A results-file line (without its CR LF): the cells joined unchanged, or
// nothing when the row holds only blanks and control characters.
std::optional<QString> resultsFileLine(const QStringList& cells, const QString& delimiter);

// A Log line: the joined row trimmed as a whole, or nothing when that is empty.
std::optional<QString> resultsLogLine(const QStringList& cells, const QString& delimiter);

} // namespace exec
