#include "platform/toolkit/TextRules.h"

#include <gtest/gtest.h>

using toolkit::lowerAZ;
using toolkit::trimText;
using toolkit::upperAZ;

TEST(TextRules, TrimDropsBlanksAndControlCharactersAtBothEndsOnly) {
    struct Case {
        QString in, out;
    } cases[] = {
        {"", ""},
        {"  \t\r\n", ""},
        {" a b ", "a b"},
        {"\x01x\x1f", "x"},
        {" line1\n  line2 ", "line1\n  line2"},
        {QString::fromUtf8("\u00a0x"), QString::fromUtf8("\u00a0x")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(trimText(c.in), c.out) << c.in.toStdString();
}

TEST(TextRules, CaseConversionTouchesOnlyAsciiLetters) {
    EXPECT_EQ(upperAZ(QString::fromUtf8("spid_é1z")), QString::fromUtf8("SPID_é1Z"));
    EXPECT_EQ(lowerAZ(QString::fromUtf8("BlockingSPID_É")), QString::fromUtf8("blockingspid_É"));
}
