// The scope's displays against chromix-sim: cycle time and its precisions, delta X and
// delta Y on cursor moves, ZOOM 1:1, the signal selector, the trigger mode's dims and
// the comment box.
#include "scope_test_env.h"

#include "app/app_state.h"
#include "resource/panel_ids.h"
#include "scope/scope.h"
#include "support/ui_actions.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

namespace
{

double DoubleValue(int panel, int control)
{
    double value = -1.0;
    GetCtrlVal(panel, control, &value);
    return value;
}

int IntValue(int panel, int control)
{
    int value = -1;
    GetCtrlVal(panel, control, &value);
    return value;
}

int Precision(int panel, int control)
{
    int precision = -1;
    GetCtrlAttribute(panel, control, ATTR_PRECISION, &precision);
    return precision;
}

bool Dimmed(int panel, int control)
{
    int dimmed = -1;
    GetCtrlAttribute(panel, control, ATTR_DIMMED, &dimmed);
    return dimmed == 1;
}

// Moves cursor 1 of the analog graph as the mouse does: the runtime reports the change.
void MoveCursors(double x1, double y1, double x2, double y2)
{
    SetGraphCursor(g_app.scopePanel, SCOPEP_GRAPH, 2, x2, y2);
    SetGraphCursor(g_app.scopePanel, SCOPEP_GRAPH, 1, x1, y1);
    DispatchCtrlEvent(g_app.scopePanel, SCOPEP_GRAPH, EVENT_VAL_CHANGED, 1, 0);
}

} // namespace

TEST_F(ScopeProgramTest, CycleTimeGivesFrequencyCycleTimeAndTheirPrecisions)
{
    struct CycleCase {
        const char *reply;
        double frequency, cycleTime;
        int frequencyDigits, cycleDigits;
    };
    const CycleCase cases[] = {
        {"80000/80000", 10000.0, 0.1, 0, 3}, // 80000 scans in 8 s
        {"20000/10000", 20000.0, 0.05, 0, 6}, {"500/10000", 500.0, 2.0, 1, 3}, {"1/20000", 0.5, 2000.0, 2, 0},
        {"0/80000", 0.0, 0.0, 2, 0}, // nothing counted: 0 Hz, never infinity or NaN
        {"80000/0", 0.0, 0.0, 2, 0},          {"-5/80000", 0.0, 0.0, 2, 0},
    };
    Start(Transport::Tcp);
    MoveCursors(20.0, 100.0, 10.0, 50.0);
    for (const CycleCase &c : cases) {
        SCOPED_TRACE(c.reply);
        ASSERT_TRUE(SendSimControl(sim, std::string("cycle-reply ") + c.reply));
        ASSERT_TRUE(ClickButton(ScopePage(), TABSCOPE_GETCYCLE));
        EXPECT_DOUBLE_EQ(DoubleValue(ScopePage(), TABSCOPE_SCANFREQ), c.frequency);
        EXPECT_NEAR(DoubleValue(ScopePage(), TABSCOPE_CYCLETIME), c.cycleTime, 1e-12);
        EXPECT_EQ(Precision(ScopePage(), TABSCOPE_SCANFREQ), c.frequencyDigits);
        EXPECT_EQ(Precision(ScopePage(), TABSCOPE_CYCLETIME), c.cycleDigits);
        // Delta X follows at once: 10 samples at scan rate 1.
        EXPECT_NEAR(DoubleValue(ScopePanel(), SCOPEP_DELTAX), 10.0 * c.cycleTime, 1e-9);
    }
    // A failed request shows 0 as well.
    ASSERT_TRUE(SendSimControl(sim, "cycle-reply 80000/80000"));
    ASSERT_TRUE(ClickButton(ScopePage(), TABSCOPE_GETCYCLE));
    ASSERT_TRUE(SendSimControl(sim, "error-reply 2"));
    ASSERT_TRUE(ClickButton(ScopePage(), TABSCOPE_GETCYCLE));
    EXPECT_EQ(DoubleValue(ScopePage(), TABSCOPE_SCANFREQ), 0.0);
    EXPECT_EQ(g_scope.cycleTime, 0.0);
}

TEST_F(ScopeProgramTest, CursorMovesGiveDeltaXAndDeltaYAndMoveTheDigitalCursors)
{
    Start(Transport::Tcp, {"--cycle-reply", "2/10"}); // 2000 Hz: 0.5 ms
    ASSERT_TRUE(ClickButton(ScopePage(), TABSCOPE_GETCYCLE));
    ASSERT_TRUE(CommitNumeric(ScopePage(), TABSCOPE_SCANRATE, "4"));
    MoveCursors(10.9, 1000.7, 3.2, 2000.2);
    EXPECT_DOUBLE_EQ(DoubleValue(ScopePanel(), SCOPEP_DELTAX), 14.0); // 7 samples x 0.5 ms x 4
    EXPECT_EQ(Precision(ScopePanel(), SCOPEP_DELTAX), 3);
    EXPECT_EQ(IntValue(ScopePanel(), SCOPEP_DELTAY), 1000);
    double x = -1.0, y = -1.0;
    GetGraphCursor(ScopePanel(), SCOPEP_DIGGRAPH, 1, &x, &y);
    EXPECT_DOUBLE_EQ(x, 10.9);
    GetGraphCursor(ScopePanel(), SCOPEP_DIGGRAPH, 2, &x, &y);
    EXPECT_DOUBLE_EQ(x, 3.2);

    // Committing the scan rate recomputes at once; the precision follows the value.
    ASSERT_TRUE(CommitNumeric(ScopePage(), TABSCOPE_SCANRATE, "400"));
    EXPECT_DOUBLE_EQ(DoubleValue(ScopePanel(), SCOPEP_DELTAX), 1400.0);
    EXPECT_EQ(Precision(ScopePanel(), SCOPEP_DELTAX), 0);
    MoveCursors(3.0, 0.0, 3.9, 0.0);
    EXPECT_EQ(DoubleValue(ScopePanel(), SCOPEP_DELTAX), 0.0);
    EXPECT_EQ(Precision(ScopePanel(), SCOPEP_DELTAX), 6);
}

TEST_F(ScopeProgramTest, ZoomSignalSelectorTriggerModeAndComment)
{
    Start(Transport::Tcp, {"--scope-ring", "0"});
    SetScanSettings(2000, 0, 0, 1);
    Scan();
    SetAxisScalingMode(ScopePanel(), SCOPEP_GRAPH, VAL_XAXIS, VAL_MANUAL, 20.0, 30.0);
    ASSERT_TRUE(ClickButton(ScopePanel(), SCOPEP_ZOOM11));
    int mode = -1;
    double min = -1.0, max = -1.0;
    GetAxisScalingMode(ScopePanel(), SCOPEP_GRAPH, VAL_XAXIS, &mode, &min, &max);
    EXPECT_EQ(mode, VAL_MANUAL);
    EXPECT_EQ(min, 0.0);
    EXPECT_EQ(max, 128.0);
    GetAxisScalingMode(ScopePanel(), SCOPEP_GRAPH, VAL_LEFT_YAXIS, &mode, &min, &max);
    EXPECT_EQ(max, 4100.0);

    const int plots[] = {2, 1, 1}; // CH0 + SIG, CH0, SIG
    for (int selection = 2; selection >= 0; --selection) {
        ASSERT_TRUE(CommitRing(ScopePanel(), SCOPEP_SIGNAL, selection));
        EXPECT_EQ(PlotCount(SCOPEP_GRAPH), plots[selection]) << selection;
        EXPECT_EQ(PlotCount(SCOPEP_DIGGRAPH), 4);
    }

    struct DimCase {
        int mode;
        bool levelDimmed, preTriggerDimmed;
    };
    const DimCase dims[] = {
        {0, true, true}, {1, false, false}, {2, false, false}, {3, true, false}, {4, true, false}};
    for (const DimCase &d : dims) {
        ASSERT_TRUE(CommitRing(ScopePage(), TABSCOPE_TRIGMODE, d.mode));
        EXPECT_EQ(Dimmed(ScopePage(), TABSCOPE_TRIGLEVEL), d.levelDimmed) << d.mode;
        EXPECT_EQ(Dimmed(ScopePage(), TABSCOPE_PRETRIG), d.preTriggerDimmed) << d.mode;
    }

    SetCtrlVal(ScopePage(), TABSCOPE_COMMENT, "a note");
    ASSERT_TRUE(RightDoubleClick(ScopePage(), TABSCOPE_COMMENT));
    char comment[64] = "x";
    GetCtrlVal(ScopePage(), TABSCOPE_COMMENT, comment, sizeof comment);
    EXPECT_STREQ(comment, "");

    ASSERT_TRUE(ClickButton(ScopePanel(), SCOPEP_CLOSE));
    int visible = -1;
    GetPanelAttribute(g_app.dataPanel, ATTR_VISIBLE, &visible);
    EXPECT_EQ(visible, 1);
    GetPanelAttribute(ScopePanel(), ATTR_VISIBLE, &visible);
    EXPECT_EQ(visible, 0);
}
