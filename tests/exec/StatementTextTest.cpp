#include "exec/StatementText.h"

#include <gtest/gtest.h>

using namespace exec;

namespace {
const QStringList kEditor = {
    "-- select 1", "  select name from master..monTables  ", "", " --select 2", "\tsp_who\t",
};
}

TEST(StatementText, SingleRunKeepsEmptyLinesAndBlankPrefixedDashes) {
    EXPECT_EQ(singleRunLines(kEditor, QString()),
              (QStringList{"select name from master..monTables", "", "--select 2", "sp_who"}));
}

TEST(StatementText, SelectionIsSentWholeAndTrimmed) {
    EXPECT_EQ(singleRunLines(kEditor, " -- note\n select 1 \n"), QStringList{"-- note\n select 1"});
    EXPECT_EQ(lineByLineStatements(kEditor, " -- note\n select 1 \n"),
              QStringList{"-- note\n select 1"});
}

TEST(StatementText, BlankSelectionSendsAnEmptyStatementButIsIgnoredLineByLine) {
    EXPECT_EQ(singleRunLines(kEditor, "   "), QStringList{""});
    EXPECT_EQ(lineByLineStatements(kEditor, "   "),
              (QStringList{"select name from master..monTables", "--select 2", "sp_who"}));
}

TEST(StatementText, RunsReadAtMostTheSixteenBitLineCount) {
    const QStringList many(kMaxRunLines + 5, QStringLiteral("select 1"));
    EXPECT_EQ(singleRunLines(many, QString()).size(), kMaxRunLines);
    EXPECT_EQ(lineByLineStatements(many, QString()).size(), kMaxRunLines);
}
