#include "exec/ResultsSearch.h"

#include "platform/toolkit/StringGrid.h"
#include "platform/toolkit/TextRules.h"

namespace exec {

std::optional<GridCell> findInResults(const toolkit::StringGrid& grid, const QString& findText,
                                      const std::function<void(int row)>& onRow) {
    const QString wanted = toolkit::upperAZ(toolkit::trimText(findText));
    for (int r = grid.Row() + 1; r < grid.RowCount(); ++r) {
        onRow(r);
        if (wanted.isEmpty())
            continue;
        for (int c = grid.Col(); c < grid.ColCount(); ++c)
            if (toolkit::upperAZ(grid.Cells(c, r)).contains(wanted))
                return GridCell{c, r};
    }
    return std::nullopt;
}

} // namespace exec
