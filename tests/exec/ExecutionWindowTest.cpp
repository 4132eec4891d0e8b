#include "ExecWindowFixture.h"

namespace {

// Rows 1..count of tempdb..t, inserted a few hundred to a batch.
QStringList insertBatches(int first, int count) {
    QStringList batches;
    QString batch;
    for (int n = first; n < first + count; ++n) {
        batch += QStringLiteral("insert into tempdb..t (n, s) values (%1, \"row %1\")\n").arg(n);
        if ((n - first) % 500 == 499 || n == first + count - 1) {
            batches.append(batch);
            batch.clear();
        }
    }
    return batches;
}

} // namespace

class ExecutionWindowTest : public ExecWindowTest {
protected:
    TfmBrindle& withTable(int rows) {
        TfmBrindle& w = connected();
        prepare("create table tempdb..t (n int, s varchar(20))");
        addRows(1, rows);
        return w;
    }
    void addRows(int first, int count) {
        for (const QString& batch : insertBatches(first, count))
            prepare(batch);
    }
};

TEST_F(ExecutionWindowTest, AutomaticRunsPlaceRowsAsTheTwoOptionsSay) {
    struct Case {
        bool sumResults;
        bool oneTitle;
        QStringList grid; // after three runs over a table that gains a row before each
    };
    const Case cases[] = {
        {false, true, {"n|s", "1|row 1", "2|row 2", "3|row 3"}},
        {false, false, {"n|s", "1|row 1", "2|row 2", "3|row 3"}},
        {true, true, {"n|s", "1|row 1", "1|row 1", "2|row 2", "1|row 1", "2|row 2", "3|row 3"}},
        {true,
         false,
         {"n|s", "1|row 1", "n|s", "1|row 1", "2|row 2", "n|s", "1|row 1", "2|row 2", "3|row 3"}},
    };
    for (const Case& c : cases) {
        TfmBrindle& w = withTable(0);
        w.cbAppend->setChecked(c.sumResults);
        w.cbKeepTitle->setChecked(c.oneTitle);
        w.cbAutoRun->setChecked(true);
        w.reSQLs->setPlainText("select n, s\nfrom tempdb..t\norder by n");
        for (int run = 1; run <= 3; ++run) {
            addRows(run, 1);
            w.tmRunSQLTimer();
        }
        EXPECT_EQ(gridRows(), c.grid) << c.sumResults << c.oneTitle;
        EXPECT_EQ(w.PanelText(0), "ET: 09:03:07");
        EXPECT_EQ(w.PanelText(1), "Done.");
        EXPECT_EQ(grid().Row(), grid().RowCount() - 1);
        EXPECT_EQ(w.PanelText(2), QStringLiteral("At row: %1").arg(grid().RowCount() - 1));
        EXPECT_EQ(w.qryDynamic.SQL(),
                  QStringList({"/**/", "select n, s", "from tempdb..t", "order by n"}));
        EXPECT_TRUE(dialogs.messages.empty());
        window.reset();
    }
}

TEST_F(ExecutionWindowTest, AnAppendingRunStartsAtTheFirstRowWhoseFirstCellIsEmpty) {
    TfmBrindle& w = withTable(2);
    w.cbAppend->setChecked(true);

    // A full grid gains an empty row; an empty result leaves it for the next run.
    fillGrid({{"n", "s"}, {"9", "old"}});
    execute("select n, s from tempdb..t where n > 5");
    EXPECT_EQ(grid().RowCount(), 3);
    EXPECT_EQ(gridRows(), QStringList({"n|s", "9|old"}));
    execute("select n, s from tempdb..t where n = 2");
    EXPECT_EQ(gridRows(), QStringList({"n|s", "9|old", "2|row 2"}));

    // An empty first cell inside earlier rows is free: the run writes over it and on.
    fillGrid({{"n", "s"}, {"7", "a"}, {"", "b"}, {"8", "c"}, {"9", "d"}});
    execute("select n, s from tempdb..t order by n");
    EXPECT_EQ(gridRows(), QStringList({"n|s", "7|a", "1|row 1", "2|row 2", "9|d"}));

    // A wider result widens the grid; a narrower one never narrows it.
    execute("select n, s, n as m from tempdb..t where n = 1");
    EXPECT_EQ(grid().ColCount(), 3);
    execute("select n from tempdb..t where n = 2");
    EXPECT_EQ(grid().ColCount(), 3);
    EXPECT_EQ(gridRows().mid(5), QStringList({"1|row 1|1", "2||"}));
}

TEST_F(ExecutionWindowTest, ASingleRunWithoutSumResultsResetsTheGridToTheResult) {
    TfmBrindle& w = withTable(0);
    fillGrid({{"a", "b", "c", "d"}, {"1", "2", "3", "4"}, {"5", "6", "7", "8"}});
    w.reSQLs->setPlainText("--a comment line\nselect n, s\n   from tempdb..t");
    w.cbLog->setChecked(true);
    w.btSQLExec->click();
    EXPECT_EQ(grid().RowCount(), 2);
    EXPECT_EQ(grid().ColCount(), 2);
    EXPECT_EQ(gridRows(), QStringList({"n|s"}));
    EXPECT_EQ(w.qryDynamic.SQL(), QStringList({"/**/", "select n, s", "from tempdb..t"}));
    EXPECT_TRUE(w.reLog->toPlainText().contains("/**/\nselect n, s\nfrom tempdb..t\n+++"));
}

TEST_F(ExecutionWindowTest, LineByLineRunsEachLineAndSkipsOnlyLinesThatStartWithTheComment) {
    TfmBrindle& w = withTable(2);
    w.cbOneByOne->setChecked(true);
    w.cbLog->setChecked(true);
    execute("select n from tempdb..t where n = 1\n--select s from tempdb..t\n\n  select s as x "
            "from tempdb..t where n = 2  ");
    EXPECT_EQ(grid().ColCount(), 7);
    EXPECT_EQ(gridRows(), QStringList({"n||||||", "1||||||", "x||||||", "row 2||||||"}));
    EXPECT_EQ(w.meOneByOne->toPlainText(),
              "select n from tempdb..t where n = 1\nselect s as x from tempdb..t where n = 2");
    EXPECT_EQ(w.reLog->toPlainText().count("/**/"), 2);
    EXPECT_EQ(w.PanelText(1), "Done.");

    // Blanks before "--" make a statement of it; the server finds nothing to run and the
    // run stops there.
    w.cbAutoRun->setChecked(true);
    execute("select n from tempdb..t where n = 1\n  --select s from tempdb..t\nselect 3 as c");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Oups... "));
    EXPECT_FALSE(w.cbAutoRun->isChecked());
    EXPECT_EQ(gridRows(), QStringList({"n||||||", "1||||||"}));
    EXPECT_EQ(w.PanelText(1), "Executing: --select s from tempdb..t");
    EXPECT_EQ(w.reLog->toPlainText().count("/**/"), 3);
}

TEST_F(ExecutionWindowTest, ARejectedStatementUnchecksAutoExecAndKeepsTheGrid) {
    TfmBrindle& w = connected();
    fillGrid({{"A", "B"}, {"1", "2"}});
    w.cbAutoRun->setChecked(true);
    w.cbLog->setChecked(true);
    w.reSQLs->setPlainText("select * from nosuchtable");
    w.tmRunSQLTimer();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, toolkit::MsgKind::Error);
    EXPECT_EQ(dialogs.messages[0].buttons, toolkit::MsgButtons::Ok);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Oups... "));
    EXPECT_GT(dialogs.messages[0].text.size(), 8);
    EXPECT_FALSE(w.cbAutoRun->isChecked());
    EXPECT_EQ(gridRows(), QStringList({"A|B", "1|2"}));
    EXPECT_EQ(w.PanelText(0), "ET: 09:03:07");
    EXPECT_EQ(w.PanelText(1), "Executing Query.  Please be patient...");
    EXPECT_TRUE(w.reLog->toPlainText().isEmpty());

    w.tmRunSQLTimer(); // unchecked: nothing more is sent
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(ExecutionWindowTest, EscapeStopsPlacingALargeResult) {
    TfmBrindle& w = withTable(20000);
    pressEscapeAtNextPump(w);
    execute("select n, s from tempdb..t order by n");
    const int placed = grid().RowCount() - 1;
    EXPECT_GT(placed, 0);
    EXPECT_LT(placed, 20000);
    EXPECT_EQ(w.PanelText(0), QStringLiteral("...Rows: %1... [aborted]").arg(placed));
    EXPECT_EQ(w.PanelText(1), "Done.");
    EXPECT_EQ(grid().Cells(0, placed), QString::number(placed));
    EXPECT_FALSE(w.qryDynamic.Active());

    // Line by line, the abort holds for the rest of the run: every later statement
    // is still sent, and stops at its first row that grows the grid.
    w.cbOneByOne->setChecked(true);
    pressEscapeAtNextPump(w);
    execute("select n, s from tempdb..t order by n\nselect s, n from tempdb..t order by n");
    const int secondTitle = int(gridRows().indexOf("s|n|||||"));
    ASSERT_GT(secondTitle, 1);
    EXPECT_EQ(grid().RowCount(), secondTitle + 2);
    EXPECT_EQ(grid().Cells(0, secondTitle + 1), "row 1");
    EXPECT_EQ(w.PanelText(0), QStringLiteral("...Rows: %1... [aborted]").arg(secondTitle + 1));
    EXPECT_EQ(w.PanelText(1), "Done.");
}

TEST_F(ExecutionWindowTest, WideLongAndNullValuesReachTheGridAndTheFileWhole) {
    TfmBrindle& w = connected();
    QStringList columns;
    for (int c = 1; c <= 300; ++c)
        columns.append(QStringLiteral("%1 as c%1").arg(c));
    execute("select " + columns.join(", "));
    ASSERT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(grid().ColCount(), 300);
    EXPECT_EQ(grid().Cells(299, 0), "c300");
    EXPECT_EQ(grid().Cells(299, 1), "300");

    const QString longText(100000, u'x');
    prepare("create table tempdb..big (v text null, w int null)");
    prepare("insert into tempdb..big (v, w) values (\"" + longText + "\", 1)");
    prepare("insert into tempdb..big (v, w) values (null, null)");
    execute("select v, w from tempdb..big");
    ASSERT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(gridRows(), QStringList({"v|w", longText + "|1"}));
    EXPECT_EQ(grid().RowCount(), 3); // the NULL row is there, empty

    const QString file = path("big.xls");
    dialogs.fileAnswers = {file};
    w.cbAutoSaveResult->setChecked(true);
    w.btSaveSQLRes->click();
    EXPECT_EQ(fileBytes(file), "v^w\r\n" + longText.toUtf8() + "^1\r\n"); // the NULL row is blank
}

TEST_F(ExecutionWindowTest, TimedRunsStreamExactlyTheNewRowsIntoTheResultsFile) {
    TfmBrindle& w = withTable(0);
    const QString file = path("stream.csv");
    dialogs.fileAnswers = {file};
    w.cbAppend->setChecked(true);
    w.cbAutoRun->setChecked(true);
    w.cbAutoSaveResult->setChecked(true);
    w.reSQLs->setPlainText("select n, s from tempdb..t where n = (select max(n) from tempdb..t)");
    QByteArray expected = "n^s\r\n";
    for (int run = 1; run <= 3; ++run) {
        addRows(run, 1);
        w.tmRunSQLTimer();
        expected += QStringLiteral("%1^row %1\r\n").arg(run).toUtf8();
        EXPECT_EQ(fileBytes(file), expected) << run;
    }
    EXPECT_EQ(w.iSaveFromRow, 4);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ExecutionWindowTest, ARunSaveLogClearOrConnectPressedWhileRowsArePlacedIsSkipped) {
    TfmBrindle& w = withTable(20000);
    const QString file = path("skipped.xls");
    dialogs.fileAnswers = {file};
    w.cbAutoSaveResult->setChecked(true);
    bool pressed = false;
    QTimer::singleShot(0, &w, [&] {
        pressed = true;
        w.btSQLExec->click();
        w.btSaveSQLRes->click();
        w.btLogSQLResults->click();
        w.bbtClearaResults->click();
        w.btOk->click();
    });
    execute("select n, s from tempdb..t order by n");
    EXPECT_TRUE(pressed);
    EXPECT_EQ(grid().RowCount(), 20001);
    EXPECT_EQ(grid().Cells(0, 1), "1");
    EXPECT_EQ(grid().Cells(1, 20000), "row 20000");
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(w.reLog->toPlainText().isEmpty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ExecutionWindowTest, RowsPastTheSixteenBitLimitEndTheRunAndKeepWhatWasPlaced) {
    TfmBrindle& w = withTable(10);
    grid().SetRowCount(32760);
    for (int r = 0; r < 32760; ++r)
        grid().SetCells(0, r, QString::number(r));
    w.cbAppend->setChecked(true);
    w.cbAutoRun->setChecked(true);
    execute("select n from tempdb..t order by n");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Oups... "));
    EXPECT_FALSE(w.cbAutoRun->isChecked());
    EXPECT_EQ(grid().RowCount(), 32768);
    EXPECT_EQ(grid().Cells(0, 32759), "32759");
    EXPECT_EQ(grid().Cells(0, 32760), "1");
    EXPECT_EQ(grid().Cells(0, 32767), "8");
}
