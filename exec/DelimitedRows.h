#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

namespace toolkit {
class StringGrid;
}

// Grid rows as delimited text, for the results file and for the Log tab.
namespace exec {

// The cells of one grid row, column 0 to the last.
QStringList gridRowCells(const toolkit::StringGrid& grid, int row);

// The delimiter typed beside "Delim.": trimmed, and "," when nothing is left.
QString delimiterFromSeparator(const QString& separatorText);

// Appends a row's results-file line to out in UTF-8: the cells joined unchanged
// by the delimiter, then CR LF. A row holding only blanks and control characters
// is skipped; returns whether the line was written.
bool appendResultsFileLine(QByteArray& out, std::span<const QString> cells,
                           const QByteArray& delimiter);

// A Log line: the joined row trimmed as a whole, or nothing when that is empty.
std::optional<QString> resultsLogLine(const QStringList& cells, const QString& delimiter);

} // namespace exec
