#include "ExecWindowFixture.h"

namespace {

const QString kSeparator(43, u'+');

QStringList logLines(const TfmBrindle& w) {
    return w.reLog->toPlainText().split(u'\n');
}

} // namespace

TEST_F(ExecWindowTest, LogResultsWritesTheStatementAndEveryRowTrimmed) {
    TfmBrindle& w = connected();
    w.qryDynamic.SetSQL({"/**/", "select X, Y, Z from t"});
    fillGrid({{"X", "Y", "Z"}, {"1", "2", " 3 "}, {"", "", ""}, {"a\nb", "", ""}});
    w.btLogSQLResults->click();
    const QStringList expected{"Server: Existing DSN Name...; Time: [5/1/2013 9:3:7]     ",
                               "Logging SQL Resultset:",
                               kSeparator,
                               "SQL Submitted:",
                               "/**/",
                               "select X, Y, Z from t",
                               "",
                               "SQL Resultset:",
                               "X^Y^Z",
                               "1^2^ 3",
                               "^^",
                               "a",
                               "b^^",
                               kSeparator};
    EXPECT_EQ(logLines(w), expected);
    EXPECT_EQ(w.PanelText(1), "SQL Result Logged to the LOG Tab.");
}

TEST_F(ExecWindowTest, LogResultsDoesNothingBeforeConnectingOrAwayFromTheSqlTab) {
    TfmBrindle& w = open();
    fillGrid({{"X"}, {"1"}});
    w.btLogSQLResults->click();
    w.bLoggedIn = true;
    w.tbTabStrip->setCurrentIndex(3);
    w.btLogSQLResults->click();
    EXPECT_TRUE(w.reLog->toPlainText().isEmpty());
    EXPECT_TRUE(w.PanelText(1).isEmpty());
}

TEST_F(ExecWindowTest, EscapeEndsALongLoggingRunWithTheAbortLines) {
    TfmBrindle& w = connected();
    QList<QStringList> rows{{"N"}};
    for (int i = 1; i < 200000; ++i)
        rows.append({QString::number(i)});
    fillGrid(rows);
    pressEscapeAtNextPump(w);
    w.btLogSQLResults->click();
    const QStringList lines = logLines(w);
    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines.mid(lines.size() - 2), QStringList({"Logging Aborted.", kSeparator}));
    const qsizetype firstRow = lines.indexOf("SQL Resultset:") + 1;
    const qsizetype logged = lines.size() - 2 - firstRow;
    EXPECT_GT(logged, 0);
    EXPECT_LT(logged, rows.size());
    EXPECT_EQ(lines[firstRow + logged - 1], rows[logged - 1].front()); // rows in order, none lost
    EXPECT_EQ(w.PanelText(1), "Logging Aborted.");
}
