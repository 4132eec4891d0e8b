#include "ExecWindowFixture.h"

TEST_F(ExecWindowTest, TheIntervalFollowsTheBoxKeystrokeByKeystroke) {
    TfmBrindle& w = open();
    struct Step {
        const char* text;
        int interval;
        bool ticking;
    };
    const Step steps[] = {
        {"3", 3000, true},    {"30", 30000, true},   {"", 15000, true},
        {"1.5", 15000, true}, {"abc", 15000, true},  {"  +7", 7000, true},
        {"$1F", 31000, true}, {"0x10", 16000, true}, {"0", 0, false},
        {"-5", 0, false},     {"4", 4000, true},     {"99999999", 2147483647, true},
    };
    for (const Step& step : steps) {
        w.edInterval->setText(step.text);
        EXPECT_EQ(w.tmRunSQL->isActive(), step.ticking) << step.text;
        if (step.ticking) {
            EXPECT_EQ(w.tmRunSQL->interval(), step.interval) << step.text;
        }
    }
}

TEST_F(ExecWindowTest, EveryTickWritesTheTimeEvenWhenNothingRuns) {
    TfmBrindle& w = open();
    w.cbAutoRun->setChecked(true);
    w.SetPanelText(0, "...Rows: 5...");
    w.tmRunSQLTimer();
    EXPECT_EQ(w.PanelText(0), "ET: 09:03:07");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(w.cbAutoRun->isChecked());

    w.cbAutoRun->setChecked(false);
    w.SetPanelText(0, "kept");
    w.tmRunSQLTimer();
    EXPECT_EQ(w.PanelText(0), "kept");
}

TEST_F(ExecWindowTest, CheckingLineByLineUnchecksOneTitleButNotTheOtherWayRound) {
    TfmBrindle& w = open();
    EXPECT_TRUE(w.cbKeepTitle->isChecked());
    w.cbOneByOne->setChecked(true);
    EXPECT_FALSE(w.cbKeepTitle->isChecked());
    w.cbKeepTitle->setChecked(true);
    w.cbOneByOne->setChecked(false);
    EXPECT_TRUE(w.cbKeepTitle->isChecked());
}
