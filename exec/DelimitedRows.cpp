#include "exec/DelimitedRows.h"

#include "platform/toolkit/StringGrid.h"
#include "platform/toolkit/TextRules.h"

namespace exec {

using toolkit::trimText;

QStringList gridRowCells(const toolkit::StringGrid& grid, int row) {
    QStringList cells;
    cells.reserve(grid.ColCount());
    for (int c = 0; c < grid.ColCount(); ++c)
        cells.append(grid.Cells(c, row));
    return cells;
}

QString delimiterFromSeparator(const QString& separatorText) {
    const QString delimiter = trimText(separatorText);
    return delimiter.isEmpty() ? QStringLiteral(",") : delimiter;
}

std::optional<QString> resultsFileLine(const QStringList& cells, const QString& delimiter) {
    if (trimText(cells.join(QString())).isEmpty())
        return std::nullopt;
    return cells.join(delimiter);
}

std::optional<QString> resultsLogLine(const QStringList& cells, const QString& delimiter) {
    QString line = trimText(cells.join(delimiter));
    if (line.isEmpty())
        return std::nullopt;
    return line;
}

} // namespace exec
