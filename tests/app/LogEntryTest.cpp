#include "app/LogEntry.h"

#include <gtest/gtest.h>

using namespace applog;

TEST(LogStamp, IsPaddedToTwentyOneCharacters) {
    struct Case {
        QDateTime when;
        QString stamp;
    } cases[] = {
        {QDateTime(QDate(2013, 1, 1), QTime(0, 0, 0)), "[1/1/2013 0:0:0]     "},
        {QDateTime(QDate(2013, 1, 5), QTime(9, 3, 7)), "[5/1/2013 9:3:7]     "},
        {QDateTime(QDate(2013, 12, 31), QTime(23, 59, 59)), "[31/12/2013 23:59:59]"},
        {QDateTime(QDate(2026, 11, 10), QTime(14, 5, 0)), "[10/11/2026 14:5:0]  "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(logStamp(c.when), c.stamp);
        EXPECT_EQ(logStamp(c.when).size(), 21);
    }
}

TEST(LogEntry, DashesAtTheVeryStartSkipTheEntryAndTheRestIsTrimmed) {
    const QDateTime when(QDate(2013, 1, 5), QTime(9, 3, 7));
    EXPECT_TRUE(logEntryLines("S", when, "--x").isEmpty());
    const QStringList blank = logEntryLines("S", when, " \t ");
    ASSERT_EQ(blank.size(), 3);
    EXPECT_EQ(blank[1], "");
    EXPECT_EQ(blank[2], kSeparatorLine);
    EXPECT_EQ(logEntryLines("S", when, " --x")[1], "--x");
    EXPECT_EQ(logEntryLines("My Srv", when, "x")[0], "Server: My Srv; Time: [5/1/2013 9:3:7]     ");
}
