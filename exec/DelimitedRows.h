#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace toolkit {
class StringGrid;
}

// Grid rows as delimited text, for the results file and for the Log tab.
namespace exec {

// The cells of one grid row, column 0 to the last.
QStringList gridRowCells(const toolkit::StringGrid& grid, int row);

// The delimiter typed beside "Delim.": trimmed, and "," when nothing is left.
QString delimiterFromSeparator(const QString& separatorText);

// A results-file line (without its CR LF): the cells joined unchanged, or
// nothing when the row holds only blanks and control characters.
std::optional<QString> resultsFileLine(const QStringList& cells, const QString& delimiter);

// A Log line: the joined row trimmed as a whole, or nothing when that is empty.
std::optional<QString> resultsLogLine(const QStringList& cells, const QString& delimiter);

} // namespace exec
