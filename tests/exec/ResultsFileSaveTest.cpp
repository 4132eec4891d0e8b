#include "exec/ResultsFileSave.h"
#include "platform/toolkit/StringGrid.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace exec;
using toolkit::StringGrid;

namespace {

class ResultsFileSave : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("results.xls");
    StringGrid grid{3, 1};
    std::vector<bool> opened;

    void addRow(const QStringList& cells) {
        const int r = grid.RowCount();
        grid.SetRowCount(r + 1);
        for (int c = 0; c < cells.size(); ++c)
            grid.SetCells(c, r, cells[c]);
    }
    ResultsSaveOutcome save(int from, const QString& delimiter = "^", int abortAtRow = -1) {
        ResultsSaveHooks hooks{[this](bool appending) { opened.push_back(appending); },
                               [abortAtRow](int row, int) { return row == abortAtRow; }};
        return appendResultsRows(path, delimiter, grid, from, hooks);
    }
    QByteArray contents() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

} // namespace

TEST_F(ResultsFileSave, SuccessiveSavesAppendOnlyTheNewRows) {
    grid.SetCells(0, 0, "X");
    grid.SetCells(1, 0, "Y");
    grid.SetCells(2, 0, "Z");
    addRow({"1", "2", "3"});
    ResultsSaveOutcome first = save(0);
    EXPECT_EQ(first.nextRow, 2);
    EXPECT_FALSE(first.error);
    addRow({"", "", ""});
    addRow({"a^b", "", "c\r\nd"});
    ResultsSaveOutcome second = save(first.nextRow);
    EXPECT_EQ(second.nextRow, 4);
    EXPECT_EQ(save(second.nextRow).nextRow, 4);
    EXPECT_EQ(contents(), "X^Y^Z\r\n1^2^3\r\na^b^^c\r\nd\r\n");
    EXPECT_EQ(opened, (std::vector<bool>{false, true, true}));
}

TEST_F(ResultsFileSave, AnEmptyDelimiterIsTheCaret) {
    addRow({"1", "2", "3"});
    save(1, "");
    EXPECT_EQ(contents(), "1^2^3\r\n");
}

TEST_F(ResultsFileSave, AnAbortStopsAfterTheCurrentRowAndTheNextSaveResumes) {
    for (int i = 1; i <= 5; ++i)
        addRow({QString::number(i)});
    EXPECT_EQ(save(1, "^", 2).nextRow, 3);
    EXPECT_EQ(save(3).nextRow, 6);
    EXPECT_EQ(contents(), "1^^\r\n2^^\r\n3^^\r\n4^^\r\n5^^\r\n");
}

TEST_F(ResultsFileSave, AnUnwritablePathReportsAndKeepsThePosition) {
    addRow({"1"});
    path = dir.filePath("no/such/dir/results.xls");
    const ResultsSaveOutcome outcome = save(1);
    EXPECT_TRUE(outcome.error);
    EXPECT_EQ(outcome.nextRow, 1);
    EXPECT_TRUE(opened.empty());
    path = dir.path(); // a directory cannot be opened for appending
    EXPECT_TRUE(save(1).error);
}

TEST_F(ResultsFileSave, AWriteCutShortKeepsTheWholeRowsAndTheNextSaveRewritesTheCutOne) {
    for (int i = 1; i <= 4; ++i)
        addRow({QString::number(i), "abc", ""});
    // The disk fills up in the middle of row 3's line ("3^abc^\r\n", 8 bytes a line).
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit capped = limit;
    capped.rlim_cur = 8 * 2 + 3;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &capped), 0);
    const ResultsSaveOutcome cut = save(1);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(cut.error);
    EXPECT_EQ(*cut.error, QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(cut.nextRow, 3);
    const ResultsSaveOutcome resumed = save(cut.nextRow);
    EXPECT_FALSE(resumed.error);
    EXPECT_EQ(resumed.nextRow, 5);
    EXPECT_EQ(contents(), "1^abc^\r\n2^abc^\r\n3^a3^abc^\r\n4^abc^\r\n");
}
