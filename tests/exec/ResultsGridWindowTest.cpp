#include "ExecWindowFixture.h"

#include <QAction>
#include <QTest>

namespace {

struct PopupCase {
    const char* title;
    const char* cell;
    const char* user;
    const char* spid; // expected in the captions and in sSPID
    bool planEnabled;
    bool killAndStackEnabled;
};

} // namespace

TEST_F(ExecWindowTest, RightClickOffersTheProcessItemsForAnIntegerIdInASpidColumn) {
    const PopupCase cases[] = {
        {"SPID", "23", "sa", "23", true, true},
        {"spid", "23", "SA", "23", true, false},
        {"BlockingSPID", "7", "sa", "7", true, true},
        {"BlockingSPID", "7", "operator", "7", true, false},
        {"SPID", "", "sa", "", false, false},
        {"SPID", "23; shutdown", "sa", "", false, false}, // never a statement
        {"SPID", "-1", "sa", "", false, false},
        {"Name", "23", "sa", "", false, false},
    };
    TfmBrindle& w = connected();
    for (const PopupCase& c : cases) {
        fillGrid({{"Host", c.title}, {"pc1", c.cell}, {"pc2", "99"}});
        grid().SetCurrent(1, 1);
        w.edUser->setText(c.user);
        // The pointer is over another cell: the menu still works on the current one.
        QTest::mouseClick(w.sgSQL->viewport(), Qt::RightButton, {}, QPoint(5, 30));
        ASSERT_FALSE(dialogs.popups.empty());
        const auto& shown = dialogs.popups.back();
        const QString spid = c.spid;
        EXPECT_EQ(w.sSPID, spid) << c.title << c.cell;
        EXPECT_EQ(shown.captions,
                  QStringList({QStringLiteral("&Add Col to SQL [%1]").arg(c.title),
                               "&Show Spid Plan [" + spid + "]", "&Kill the Spid [" + spid + "]",
                               "&Spid StackTrace [" + spid + "]"}));
        EXPECT_EQ(shown.enabled, std::vector<bool>({true, c.planEnabled, c.killAndStackEnabled,
                                                    c.killAndStackEnabled}))
            << c.title << " " << c.cell << " " << c.user;
    }
}

TEST_F(ExecWindowTest, AddColumnAppendsTheTitleAsACommentLineInCapitalsWhenAsked) {
    TfmBrindle& w = connected();
    fillGrid({{"SPID", "cpuTime"}, {"1", "2"}});
    grid().SetCurrent(1, 1);
    w.reSQLs->setPlainText("select 1");
    w.cbLC->setChecked(true);
    QTest::mouseClick(w.sgSQL->viewport(), Qt::RightButton);
    EXPECT_EQ(dialogs.popups.back().captions.front(), "&Add Col to SQL [CPUTIME]");
    w.AddtoSQL1->trigger();
    EXPECT_EQ(w.reSQLs->toPlainText(), "select 1\n--CPUTIME");

    fillGrid({{"", "x"}, {"1", "2"}});
    grid().SetCurrent(0, 1);
    QTest::mouseClick(w.sgSQL->viewport(), Qt::RightButton);
    EXPECT_EQ(dialogs.popups.back().captions.front(), "&Add Col to SQL []");
    EXPECT_FALSE(dialogs.popups.back().enabled.front());
}

TEST_F(ExecWindowTest, SearchGoesDownFromTheRowBelowAndRightFromTheCurrentColumn) {
    TfmBrindle& w = connected();
    fillGrid({{"A", "B", "C"},
              {"x", "needle", "hay"},
              {"needle", "hay", "hay"},    // left of the current column: never searched
              {"hay", "NeEdLe", "needle"}, // the second match in this row is skipped
              {"hay", "hay", "a needle"}});
    grid().SetCurrent(1, 1);
    w.edFind->setText("  needle ");
    QList<QPoint> found;
    for (int press = 0; press < 3; ++press) {
        w.btFind->click();
        found.append(QPoint(grid().Col(), grid().Row()));
    }
    EXPECT_EQ(found, QList<QPoint>({{1, 3}, {2, 4}, {2, 4}}));
    EXPECT_EQ(w.PanelText(0), "Search Done");
    EXPECT_EQ(w.PanelText(2), "At row: 4");

    grid().SetCurrent(0, 0);
    w.edFind->setText("   ");
    w.btFind->click();
    EXPECT_EQ(QPoint(grid().Col(), grid().Row()), QPoint(0, 0));
    EXPECT_EQ(w.PanelText(0), "Search Done");

    w.edFind->clear();
    w.SetPanelText(0, "kept");
    w.btFind->click();
    EXPECT_EQ(w.PanelText(0), "kept");
}

TEST_F(ExecWindowTest, ClearResultsEmptiesTheGridToItsFirstShapeAndKeepsTheSavePosition) {
    TfmBrindle& w = connected();
    fillGrid({{"A", "B"}, {"1", "2"}, {"3", "4"}});
    w.iSaveFromRow = 3;
    w.bbtClearaResults->click();
    EXPECT_EQ(grid().RowCount(), 2);
    EXPECT_EQ(grid().ColCount(), 1);
    grid().SetRowCount(3);
    grid().SetColCount(2);
    EXPECT_TRUE(gridRows().isEmpty()); // nothing comes back when the grid grows again
    EXPECT_EQ(w.iSaveFromRow, 3);
}
