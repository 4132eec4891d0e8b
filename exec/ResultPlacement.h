#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace db {
class AdoQuery;
}
namespace toolkit {
class StringGrid;
class Pump;
} // namespace toolkit

// How a result lands in the results grid.
namespace exec {

// The highest row an execution may fill: grid rows are counted in 16 bits.
inline constexpr int kMaxGridRow = 32767;

// The first row whose first cell is empty, or the row count when every first cell holds text.
int nextFreeRow(const toolkit::StringGrid& grid);

// Makes room for an appended result of `columns` columns and returns the row it starts at.
int prepareAppend(toolkit::StringGrid& grid, int columns);

struct PlacementHooks {
    std::function<bool()> abortRequested;
    std::function<void(const QString&)> showProgress; // status panel 0
};

// Copies the open query's rows into the grid from row r, the title first unless
// keepTitle holds and r is past row 0. The grid grows one row at a time; each
// growth may pump and tests for an abort, which closes the query. Returns false
// when aborted. fieldNames receives the result's column names.
bool placeResult(db::AdoQuery& query, toolkit::StringGrid& grid, int r, bool keepTitle,
                 QStringList& fieldNames, toolkit::Pump& pump, const PlacementHooks& hooks);

} // namespace exec
