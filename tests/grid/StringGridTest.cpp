#include "platform/toolkit/StringGrid.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

using toolkit::StringGrid;

namespace {

struct TestedGrid {
    StringGrid grid{3, 3};
    QAbstractItemModelTester tester{&grid, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

} // namespace

TEST(StringGrid, CellsCutOffBySmallerCountsComeBackEmpty) {
    TestedGrid t;
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            t.grid.SetCells(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
    t.grid.SetRowCount(2);
    t.grid.SetColCount(2);
    t.grid.SetRowCount(3);
    t.grid.SetColCount(3);
    EXPECT_EQ(t.grid.Cells(1, 1), "1,1");
    EXPECT_EQ(t.grid.Cells(2, 0), "");
    EXPECT_EQ(t.grid.Cells(0, 2), "");
    EXPECT_EQ(t.grid.Cells(5, 9), "");
}

TEST(StringGrid, TitleRowIsTheHeaderAndDataRowsFollow) {
    TestedGrid t;
    t.grid.SetCells(0, 0, "SPID");
    t.grid.SetCells(0, 1, "17");
    EXPECT_EQ(t.grid.rowCount(), 2);
    EXPECT_EQ(t.grid.headerData(0, Qt::Horizontal).toString(), "SPID");
    EXPECT_EQ(t.grid.data(t.grid.index(0, 0)).toString(), "17");
    EXPECT_TRUE(t.grid.setData(t.grid.index(1, 2), "edited"));
    EXPECT_EQ(t.grid.Cells(2, 2), "edited");
}

TEST(StringGrid, MovingTheCurrentCellClicksOnceAndStayingPutDoesNot) {
    TestedGrid t;
    QSignalSpy clicks(&t.grid, &StringGrid::Click);
    t.grid.SetRow(2);
    EXPECT_EQ(clicks.count(), 1);
    t.grid.SetRow(2);
    EXPECT_EQ(clicks.count(), 1);
    t.grid.SetCol(1);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(t.grid.Row(), 2);
    EXPECT_EQ(t.grid.Col(), 1);
}

TEST(StringGrid, GrowingOneRowAtATimeKeepsEarlierRows) {
    TestedGrid t;
    for (int r = 3; r < 500; ++r) {
        t.grid.SetRowCount(r + 1);
        t.grid.SetCells(0, r, QString::number(r));
    }
    EXPECT_EQ(t.grid.RowCount(), 500);
    EXPECT_EQ(t.grid.Cells(0, 3), "3");
    EXPECT_EQ(t.grid.Cells(0, 499), "499");
}
