#include "exec/DelimitedRows.h"

#include <gtest/gtest.h>

using namespace exec;

TEST(DelimitedRows, DelimiterIsTrimmedAndFallsBackToComma) {
    EXPECT_EQ(delimiterFromSeparator("^"), "^");
    EXPECT_EQ(delimiterFromSeparator("   "), ",");
    EXPECT_EQ(delimiterFromSeparator(""), ",");
    EXPECT_EQ(delimiterFromSeparator(" ;; "), ";;");
}

TEST(DelimitedRows, FileLinesAreUnquotedAndBlankRowsSkipped) {
    struct Case {
        QStringList cells;
        std::optional<QString> line;
    } cases[] = {
        {{"X", "Y", "Z"}, "X^Y^Z"},   {{"a^b", "c,d", "e\r\nf"}, "a^b^c,d^e\r\nf"},
        {{"", "", ""}, std::nullopt}, {{" ", "\t", "\r\n"}, std::nullopt},
        {{"", " 1", ""}, "^ 1^"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(resultsFileLine(c.cells, "^"), c.line) << c.cells.join('|').toStdString();
}

TEST(DelimitedRows, LogLinesAreTrimmedAsAWhole) {
    EXPECT_EQ(resultsLogLine({"X", "Y"}, "^"), "X^Y");
    EXPECT_EQ(resultsLogLine({"", "", ""}, "^"), "^^");
    EXPECT_EQ(resultsLogLine({""}, "^"), std::nullopt);
    EXPECT_EQ(resultsLogLine({" a", "b "}, "^"), "a^b");
}
