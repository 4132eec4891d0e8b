#include "exec/ResultPlacement.h"

#include "platform/db/Ado.h"
#include "platform/toolkit/Pump.h"
#include "platform/toolkit/StringGrid.h"

#include <stdexcept>

namespace exec {

namespace {

QString rowsText(const toolkit::StringGrid& grid) {
    return QStringLiteral("...Rows: %1...").arg(grid.RowCount() - 1);
}

void growTo(toolkit::StringGrid& grid, int row) {
    if (row > kMaxGridRow)
        throw std::runtime_error("Grid index out of range");
    grid.SetRowCount(row + 1);
}

} // namespace

int nextFreeRow(const toolkit::StringGrid& grid) {
    const int rows = grid.RowCount();
    for (int r = 0; r < rows; ++r)
        if (grid.Cells(0, r).isEmpty())
            return r;
    return rows;
}

int prepareAppend(toolkit::StringGrid& grid, int columns) {
    const int r = nextFreeRow(grid);
    if (grid.RowCount() == r)
        growTo(grid, r);
    if (columns > grid.ColCount())
        grid.SetColCount(columns);
    return r;
}

bool placeResult(db::AdoQuery& query, toolkit::StringGrid& grid, int r, bool keepTitle,
                 QStringList& fieldNames, toolkit::Pump& pump, const PlacementHooks& hooks) {
    fieldNames = query.FieldNames();
    const int columns = int(fieldNames.size());
    if (!keepTitle || r == 0)
        for (int c = 0; c < columns; ++c)
            grid.SetCells(c, r, fieldNames[c]);
    if (keepTitle && r > 0)
        --r;
    bool grew = false;
    while (!query.Eof()) {
        ++r;
        const bool grows = r >= grid.RowCount();
        if (grows)
            growTo(grid, r);
        for (int c = 0; c < columns; ++c)
            grid.SetCells(c, r, query.FieldText(c));
        if (grows) {
            grew = true;
            if (pump.Tick())
                hooks.showProgress(rowsText(grid));
            if (hooks.abortRequested()) {
                query.Close();
                hooks.showProgress(rowsText(grid) + QStringLiteral(" [aborted]"));
                return false;
            }
        }
        query.Next();
    }
    if (grew)
        hooks.showProgress(rowsText(grid));
    return true;
}

} // namespace exec
