#include "exec/DelimitedRows.h"

#include <gtest/gtest.h>

using namespace exec;

TEST(DelimitedRows, DelimiterIsTrimmedAndFallsBackToComma) {
    EXPECT_EQ(delimiterFromSeparator("^"), "^");
    EXPECT_EQ(delimiterFromSeparator("   "), ",");
    EXPECT_EQ(delimiterFromSeparator(""), ",");
    EXPECT_EQ(delimiterFromSeparator(" ;; "), ";;");
}

TEST(DelimitedRows, FileLinesAreUnquotedUtf8AndBlankRowsSkipped) {
    struct Case {
        QStringList cells;
        QByteArray line; // empty: skipped
    } cases[] = {
        {{"X", "Y", "Z"}, "X^Y^Z\r\n"},
        {{"a^b", "c,d", "e\r\nf"}, "a^b^c,d^e\r\nf\r\n"},
        {{"", "", ""}, ""},
        {{" ", "\t", "\r\n"}, ""},
        {{"", " 1", ""}, "^ 1^\r\n"},
        {{"caf\u00e9", "\u20ac", "x"}, "caf\xc3\xa9^\xe2\x82\xac^x\r\n"},
    };
    for (const auto& c : cases) {
        QByteArray out = "before\n";
        EXPECT_EQ(appendResultsFileLine(out, std::span(c.cells.cbegin(), c.cells.cend()), "^"),
                  !c.line.isEmpty());
        EXPECT_EQ(out, "before\n" + c.line) << c.cells.join('|').toStdString();
    }
}

TEST(DelimitedRows, LogLinesAreTrimmedAsAWhole) {
    EXPECT_EQ(resultsLogLine({"X", "Y"}, "^"), "X^Y");
    EXPECT_EQ(resultsLogLine({"", "", ""}, "^"), "^^");
    EXPECT_EQ(resultsLogLine({""}, "^"), std::nullopt);
    EXPECT_EQ(resultsLogLine({" a", "b "}, "^"), "a^b");
}
