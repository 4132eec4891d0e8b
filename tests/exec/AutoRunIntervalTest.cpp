#include "exec/AutoRunInterval.h"

#include <gtest/gtest.h>

using exec::autoRunIntervalMs;

TEST(AutoRunInterval, ReadsWholeSecondsOrFallsBack) {
    struct Case {
        const char* text;
        int ms;
    } cases[] = {
        {"15", 15000},
        {"3", 3000},
        {"30", 30000},
        {"  7", 7000},
        {"+2", 2000},
        {"$10", 16000},
        {"0x1F", 31000},
        {"0X0a", 10000},
        {"", 15000},
        {"1.5", 15000},
        {"abc", 15000},
        {"7 ", 15000},
        {"$", 15000},
        {"0x", 15000},
        {"-", 15000},
        {"0", 0},
        {"-5", 0},
        {"2147484", INT_MAX},
        {"99999999999999999999", INT_MAX},
        {"2147483", 2147483000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(autoRunIntervalMs(QString::fromLatin1(c.text)), c.ms) << c.text;
}
