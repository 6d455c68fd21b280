// The recorder page: the record time, the controls of each mode, and the page's
// activation.
#include "recorder_test_env.h"

#include "app/app_state.h"
#include "resource/panel_ids.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

TEST_F(RecorderTest, RecordTimeDisplaysAndIntervalFloor)
{
    StartWithSim();
    struct Case {
        double interval;
        int values;
        int days, hours, minutes;
        double seconds;
        double intervalShown;
    };
    const Case cases[] = {
        {3600.0, 30, 1, 6, 0, 0.0, 3600.0},
        {0.5, 7, 0, 0, 0, 3.5, 0.5},
        {0.1, 10, 0, 0, 0, 2.5, 0.25},
        {1.0, 65535, 0, 18, 12, 15.0, 1.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.interval);
        Commit(TABREC_VALUES, c.values);
        Commit(TABREC_INTERVAL, c.interval);
        EXPECT_EQ(IntValue(TABREC_DAYS), c.days);
        EXPECT_EQ(IntValue(TABREC_HOURS), c.hours);
        EXPECT_EQ(IntValue(TABREC_MINUTES), c.minutes);
        EXPECT_DOUBLE_EQ(DoubleValue(TABREC_SECONDS), c.seconds);
        EXPECT_DOUBLE_EQ(DoubleValue(TABREC_INTERVAL), c.intervalShown);
        EXPECT_EQ(IntValue(TABREC_RECORDED), 0);
        EXPECT_EQ(IntValue(TABREC_REMAINING), c.values);
    }
}

TEST_F(RecorderTest, EachModeShowsItsControls)
{
    StartWithSim();
    const int controls[] = {TABREC_INTERVAL, TABREC_VALUES,    TABREC_DAYS,         TABREC_SECONDS,
                            TABREC_RECORDED, TABREC_REMAINING, TABREC_FRAMECOUNTER, TABREC_START,
                            TABREC_STOP,     TABREC_STARTTRIG, TABREC_MANUAL};
    const char *const shown[] = {
        "11111101100", // counted
        "10000011100", // open-ended
        "00001000001", // manual
        "00000010110", // triggered
    };
    for (int mode = 3; mode >= 0; --mode) {
        Commit(TABREC_MODE, mode);
        for (size_t i = 0; i < sizeof controls / sizeof controls[0]; ++i)
            EXPECT_EQ(Visible(controls[i]), shown[mode][i] == '1')
                << "mode " << mode << " control " << controls[i];
    }
}

TEST_F(RecorderTest, ActivatingTheRecorderPageShowsTheModeAndItsRecordTime)
{
    StartWithSim();
    SetCtrlVal(Page(), TABREC_MODE, 0);
    SetCtrlVal(Page(), TABREC_INTERVAL, 0.1);
    SetCtrlVal(Page(), TABREC_VALUES, 4);
    SetCtrlAttribute(Page(), TABREC_VALUES, ATTR_VISIBLE, 0);
    ASSERT_TRUE(ShowAndActivate(g_app.mainPanel));
    ASSERT_TRUE(SelectTab(g_app.mainPanel, MAINP_TAB, PAGE_RECORDER));
    EXPECT_TRUE(Visible(TABREC_VALUES));
    EXPECT_DOUBLE_EQ(DoubleValue(TABREC_INTERVAL), 0.25);
    EXPECT_DOUBLE_EQ(DoubleValue(TABREC_SECONDS), 1.0);
}
