#include "ExecWindowFixture.h"

#include <QDir>

namespace {

QList<QStringList> numberedRows(int count) {
    QList<QStringList> rows{{"N", "Square", "Note"}};
    for (int i = 1; i < count; ++i)
        rows.append(
            {QString::number(i), QString::number(qint64(i) * i), "row " + QString::number(i)});
    return rows;
}

QByteArray fileOfRows(const QList<QStringList>& rows, int from, int to) {
    QByteArray bytes;
    for (int r = from; r < to; ++r)
        bytes += rows[r].join(u'^').toUtf8() + "\r\n";
    return bytes;
}

} // namespace

TEST_F(ExecWindowTest, SuccessiveSavesAppendOnlyTheNewRowsToTheResultsFile) {
    TfmBrindle& w = connected();
    const QString file = path("results.xls");
    fillGrid({{"X", "Y", "Z"}, {"1", "2", "3"}});
    dialogs.fileAnswers = {file};
    dialogs.answers = {toolkit::MsgResult::Yes};
    w.btSaveSQLRes->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].initialDir, QDir::currentPath());
    EXPECT_EQ(dialogs.fileRequests[0].fileName, "*.xls");
    EXPECT_EQ(fileBytes(file), "X^Y^Z\r\n1^2^3\r\n");
    EXPECT_EQ(w.PanelText(2), "New File");
    EXPECT_EQ(w.PanelText(1), "[ET: 09:03:07] Data Saved to " + file);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Performance Data Saved to " + file + "\r\nOpen File?");
    EXPECT_EQ(dialogs.shellOpened, QStringList{file});

    // Rows arrive; Auto Save takes them on each tick without asking anything.
    grid().SetRowCount(6);
    const QStringList added[] = {{" ", "\t", ""}, {"a,b^c", "", "line\nbreak"}, {"4", "5", "6"}};
    for (int i = 0; i < 3; ++i)
        for (int c = 0; c < 3; ++c)
            grid().SetCells(c, 2 + i, added[i][c]);
    w.cbAutoSaveResult->setChecked(true);
    EXPECT_EQ(w.PanelText(1), "Results file is " + file);
    w.tmRunSQLTimer();
    w.tmRunSQLTimer();
    EXPECT_EQ(fileBytes(file), "X^Y^Z\r\n1^2^3\r\na,b^c^^line\nbreak\r\n4^5^6\r\n");
    EXPECT_EQ(w.PanelText(2), "Appending");
    EXPECT_EQ(w.iSaveFromRow, 6);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);

    // Choosing the same file again resumes; a cancelled dialog still saves into it.
    w.cbAutoSaveResult->setChecked(false);
    dialogs.fileAnswers = {file, ""};
    w.btSaveSQLRes->click();
    w.btSaveSQLRes->click();
    EXPECT_EQ(fileBytes(file), "X^Y^Z\r\n1^2^3\r\na,b^c^^line\nbreak\r\n4^5^6\r\n");
    EXPECT_EQ(dialogs.messages.size(), 3u); // "Open File?" each time, even with nothing new

    // Another file starts again from the title row, with the delimiter typed.
    const QString other = path("other.txt");
    dialogs.fileAnswers = {other};
    w.edSeparator->setText(" ;; ");
    w.btSaveSQLRes->click();
    EXPECT_EQ(fileBytes(other), "X;;Y;;Z\r\n1;;2;;3\r\na,b^c;;;;line\nbreak\r\n4;;5;;6\r\n");
}

TEST_F(ExecWindowTest, AFileThatCannotBeWrittenReportsAndLosesNothing) {
    TfmBrindle& w = connected();
    fillGrid({{"X"}, {"1"}});
    QDir(dir.path()).mkdir("aDirectory");
    for (const QString& bad : {path("missing/results.xls"), path("aDirectory")}) {
        dialogs.fileAnswers = {bad};
        w.btSaveSQLRes->click();
        EXPECT_TRUE(w.PanelText(1).startsWith("SaveToFile Error: "))
            << w.PanelText(1).toStdString();
        EXPECT_EQ(w.iSaveFromRow, 0);
        EXPECT_TRUE(dialogs.messages.empty()); // no question, no error box
    }
    EXPECT_FALSE(QDir(path("missing")).exists());

    // The grid is untouched, so the next good file gets every row.
    const QString good = path("good.xls");
    dialogs.fileAnswers = {good};
    w.btSaveSQLRes->click();
    EXPECT_EQ(fileBytes(good), "X\r\n1\r\n");
}

TEST_F(ExecWindowTest, EscapeStopsALongSaveAndTheNextSaveResumesAfterTheLastRowWritten) {
    TfmBrindle& w = connected();
    const QList<QStringList> rows = numberedRows(300000);
    fillGrid(rows);
    const QString file = path("long.xls");
    dialogs.fileAnswers = {file};
    w.cbAutoSaveResult->setChecked(true);
    pressEscapeAtNextPump(w);
    w.tmRunSQLTimer();
    const int stoppedAt = w.iSaveFromRow;
    ASSERT_GT(stoppedAt, 0);
    ASSERT_LT(stoppedAt, int(rows.size()));
    EXPECT_EQ(fileBytes(file), fileOfRows(rows, 0, stoppedAt));
    EXPECT_EQ(w.PanelText(1), "[ET: 09:03:07] Data Saved to " + file);

    w.tmRunSQLTimer();
    EXPECT_EQ(w.iSaveFromRow, int(rows.size()));
    EXPECT_EQ(fileBytes(file), fileOfRows(rows, 0, int(rows.size())));
}

TEST_F(ExecWindowTest, ARunOrAClearPressedFromThePumpWhileASaveIsWritingIsSkipped) {
    TfmBrindle& w = connected();
    const QList<QStringList> rows = numberedRows(300000);
    fillGrid(rows);
    w.cbAutoRun->setChecked(true);
    dialogs.fileAnswers = {path("busy.xls")};
    w.cbAutoSaveResult->setChecked(true);
    w.reSQLs->setPlainText("select from nowhere"); // would fail if it were sent
    bool pressed = false;
    QTimer::singleShot(0, &w, [&] {
        pressed = true;
        w.btSQLExec->click();
        w.bbtClearaResults->click();
    });
    w.btSaveSQLRes->click();
    EXPECT_TRUE(pressed);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(w.cbAutoRun->isChecked());
    EXPECT_EQ(grid().RowCount(), int(rows.size()));
    EXPECT_EQ(grid().ColCount(), 3);
    EXPECT_EQ(w.iSaveFromRow, int(rows.size()));
    EXPECT_EQ(fileBytes(path("busy.xls")), fileOfRows(rows, 0, int(rows.size())));
}

TEST_F(ExecWindowTest, AutoSaveWithoutAFileAsksWhenTickedAndAtEveryTickOnceLoggedIn) {
    TfmBrindle& w = open();
    w.cbAutoSaveResult->setChecked(true);
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(w.PanelText(1), "Results file is ");
    w.tmRunSQLTimer();
    EXPECT_EQ(dialogs.fileRequests.size(), 1u); // not logged in: Save Results does nothing
    w.bLoggedIn = true;
    w.tmRunSQLTimer();
    w.tmRunSQLTimer();
    EXPECT_EQ(dialogs.fileRequests.size(), 3u);
    EXPECT_TRUE(w.sResultsFile.isEmpty());
}
