#include "exec/ResultsPopup.h"

#include <gtest/gtest.h>

using namespace exec;

TEST(ResultsPopup, ProcessItemsFollowTheColumnTitleTheCellAndTheUser) {
    struct Case {
        QString title, cell, user;
        QString spid;
        bool plan, killAndStack;
    } cases[] = {
        {"SPID", "23", "sa", "23", true, true},
        {"spid", "23", "SA", "23", true, false},
        {"BlockingSPID", "7", "sa", "7", true, true},
        {"SPID", "23", "probe", "23", true, false},
        {"SPID", "", "sa", "", false, false},
        {"SPID", "1; shutdown", "sa", "", false, false},
        {"SPID", " 23", "sa", "", false, false},
        {"KPID", "23", "sa", "", false, false},
    };
    for (const auto& c : cases) {
        const ResultsPopupState s = resultsPopupState(c.title, c.cell, c.user, false);
        SCOPED_TRACE((c.title + "/" + c.cell + "/" + c.user).toStdString());
        EXPECT_EQ(s.spid, c.spid);
        EXPECT_EQ(s.showPlanEnabled, c.plan);
        EXPECT_EQ(s.killAndStackEnabled, c.killAndStack);
        EXPECT_EQ(s.showPlanCaption, "&Show Spid Plan [" + c.spid + "]");
        EXPECT_EQ(s.killCaption, "&Kill the Spid [" + c.spid + "]");
        EXPECT_EQ(s.showStackCaption, "&Spid StackTrace [" + c.spid + "]");
    }
}

TEST(ResultsPopup, AddColumnFollowsTheTitleAndTheUpperCaseBox) {
    EXPECT_EQ(resultsPopupState("SPID", "1", "sa", false).addColCaption, "&Add Col to SQL [SPID]");
    const ResultsPopupState lower = resultsPopupState("cpu_é", "", "sa", true);
    EXPECT_EQ(lower.addColCaption, QString::fromUtf8("&Add Col to SQL [CPU_é]"));
    EXPECT_TRUE(lower.addColEnabled);
    const ResultsPopupState none = resultsPopupState("", "", "sa", false);
    EXPECT_EQ(none.addColCaption, "&Add Col to SQL []");
    EXPECT_FALSE(none.addColEnabled);
    EXPECT_EQ(addColumnLine("WaitTime", true), "--WAITTIME");
    EXPECT_EQ(addColumnLine("WaitTime", false), "--WaitTime");
}
