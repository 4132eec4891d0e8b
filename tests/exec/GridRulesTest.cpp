#include "exec/ResultPlacement.h"
#include "exec/ResultsSearch.h"
#include "platform/toolkit/StringGrid.h"

#include <gtest/gtest.h>

using namespace exec;
using toolkit::StringGrid;

namespace {

// A grid from rows of cells; row 0 is the title row.
void fill(StringGrid& grid, const std::vector<QStringList>& rows) {
    grid.SetRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        if (rows[r].size() > grid.ColCount())
            grid.SetColCount(int(rows[r].size()));
        for (int c = 0; c < rows[r].size(); ++c)
            grid.SetCells(c, r, rows[r][c]);
    }
}

} // namespace

TEST(NextFreeRow, IsTheFirstRowWithAnEmptyFirstCell) {
    struct Case {
        std::vector<QStringList> rows;
        int free;
    } cases[] = {
        {{{""}, {""}}, 0},
        {{{"A"}, {""}}, 1},
        {{{"A"}, {"1"}}, 2},
        {{{"A", "B"}, {"1", "x"}, {"", "y"}, {"3", "z"}}, 2},
    };
    for (const auto& c : cases) {
        StringGrid grid;
        fill(grid, c.rows);
        EXPECT_EQ(nextFreeRow(grid), c.free);
    }
}

TEST(NextFreeRow, AppendingToAFullGridAddsOneRowAndOnlyWidens) {
    StringGrid grid;
    fill(grid, {{"A", "B", "C"}, {"1", "2", "3"}});
    EXPECT_EQ(prepareAppend(grid, 2), 2);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(prepareAppend(grid, 5), 2);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.ColCount(), 5);
}

TEST(ResultsSearch, StartsBelowTheCurrentRowAtTheCurrentColumn) {
    StringGrid grid;
    fill(grid,
         {{"A", "B", "C"}, {"x", "needle", "x"}, {"Needle", "x", "x"}, {"x", "x", "NEEDLE!"}});
    grid.SetRow(1);
    grid.SetCol(1);
    std::vector<int> rows;
    const auto hit = findInResults(grid, "  needle ", [&](int r) { rows.push_back(r); });
    ASSERT_TRUE(hit);
    EXPECT_EQ(*hit, (GridCell{2, 3})); // column 0 of row 2 is left of the current column
    EXPECT_EQ(rows, (std::vector<int>{2, 3}));
}

TEST(ResultsSearch, BlanksOnlyOrTheLastRowFindNothing) {
    StringGrid grid;
    fill(grid, {{"A"}, {" "}, {"b"}});
    grid.SetRow(0);
    EXPECT_FALSE(findInResults(grid, "   ", [](int) {}));
    grid.SetRow(2);
    int visited = 0;
    EXPECT_FALSE(findInResults(grid, "b", [&](int) { ++visited; }));
    EXPECT_EQ(visited, 0);
}
