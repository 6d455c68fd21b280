// The table on the conversion table page and the curve: reset, typed cells, ASSIGN,
// the calculation with its inconsistent rows, CALCULATE, ZOOM 1:1, CLOSE and the live Sig.
#include "conv_test_env.h"

#include "app/app_state.h"
#include "app/child_panels.h"
#include "convtable/conv_table.h"
#include "live/live_state.h"
#include "resource/panel_ids.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

#include <cstring>
#include <vector>

namespace
{

const char *const kWrongCellText = "Wrong cell selected! \nOnly cells in column ACTUAL VALUE can be "
                                   "selected! \nFirst and last row in column "
                                   "ACTUAL VALUE can not be changed!";

std::vector<double> Curve()
{
    return std::vector<double>(g_conv.curve, g_conv.curve + kConvCurvePoints);
}

int Cell(int row, int column)
{
    int value = 0;
    GetTableCellVal(g_app.mainPages[PAGE_CONVERSION_TABLE], TABCONV_TABLE, MakePoint(column, row), &value);
    return value;
}

int PlotCount()
{
    int count = -1;
    GetNumGraphPlots(g_app.convPanel, CONVP_GRAPH, &count);
    return count;
}

} // namespace

class ConvCalcTest : public ConvProgramTest
{
  protected:
    void SetUp() override
    {
        ConvProgramTest::SetUp();
        StartOffline();
    }
};

TEST_F(ConvCalcTest, StartsInTheResetStateAndItsCurveIsTheStraightLine)
{
    std::vector<short> expected(128, -1);
    expected[0] = 0;
    expected[1] = 0;
    expected[126] = 4095;
    expected[127] = 10000;
    EXPECT_EQ(Cells(), expected);

    SetRow(5, 100, 100);
    Press(Page(), TABCONV_RESET);
    EXPECT_EQ(Cells(), expected);

    Press(Page(), TABCONV_CALC);
    ASSERT_EQ(g_conv.dataValid, 1);
    const double slope = 10000.0 / 4095.0;
    for (int i = 0; i < kConvCurvePoints; ++i)
        ASSERT_DOUBLE_EQ(g_conv.curve[i], i * slope) << i;
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{
                  "Calculation successful. \nConversion data can be saved to EEPROM of sensor."}));
    EXPECT_EQ(PlotCount(), 2);
}

TEST_F(ConvCalcTest, SupportPointsInAnyOrderAndTheLaterOfTwoEqualActualValues)
{
    SetRow(2, 2000, 8000);
    CalcConvData();
    ASSERT_EQ(g_conv.dataValid, 1);
    EXPECT_DOUBLE_EQ(g_conv.curve[2000], 8000.0);
    EXPECT_DOUBLE_EQ(g_conv.curve[1000], 4000.0);
    EXPECT_DOUBLE_EQ(g_conv.curve[4095], 10000.0);

    // Ascending, then the same points descending: one curve.
    SetRow(2, 1000, 300);
    SetRow(3, 2000, 5000);
    SetRow(4, 3000, 9000);
    CalcConvData();
    std::vector<double> ascending = Curve();
    SetRow(2, 3000, 9000);
    SetRow(4, 1000, 300);
    CalcConvData();
    EXPECT_EQ(Curve(), ascending);

    // (-1, -7) is disabled, (-3, 100) ignored, and of two rows at 1500 the later wins.
    Press(Page(), TABCONV_RESET);
    SetRow(10, 1500, 2000);
    SetRow(20, -1, -7);
    SetRow(30, -3, 100);
    SetRow(40, 1500, 7000);
    CalcConvData();
    ASSERT_EQ(g_conv.dataValid, 1);
    EXPECT_DOUBLE_EQ(g_conv.curve[1500], 7000.0);
    EXPECT_DOUBLE_EQ(g_conv.curve[750], 3500.0);
}

// An inconsistent row, and an actual value beyond the curve with its own reason, is
// reported with the row selected; the curve keeps what the last good calculation made
// of it.
TEST_F(ConvCalcTest, InconsistentRowsAreReportedAndChangeNothing)
{
    struct Case {
        int actual, set;
        const char *message;
    };
    const Case cases[] = {
        {-1, 500, kRowInconsistentText},
        {1000, -1, kRowInconsistentText},
        {5000, 10, "Row 12: the actual value 5000 lies above 4095; the calculation cannot use it."},
        {32767, 0, "Row 12: the actual value 32767 lies above 4095; the calculation cannot use it."}};
    Press(Page(), TABCONV_CALC);
    ASSERT_EQ(g_conv.dataValid, 1);
    const std::vector<double> good = Curve();
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.actual) + ", " + std::to_string(c.set));
        Press(Page(), TABCONV_RESET);
        SetRow(7, 100, 2000);
        SetRow(12, c.actual, c.set);
        SetRow(20, -1, 300); // not read: only the first inconsistent row counts
        ResetPopups();
        Press(Page(), TABCONV_CALC);
        EXPECT_EQ(g_conv.dataValid, 0);
        EXPECT_EQ(Curve(), good);
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        UiRect selection{};
        GetTableSelection(Page(), TABCONV_TABLE, &selection);
        EXPECT_EQ(selection.top, 12);
        EXPECT_EQ(selection.height, 1);
        EXPECT_EQ(selection.left, 1);
        EXPECT_EQ(selection.width, 2);
        int active = 0;
        GetActiveCtrl(Page(), &active);
        EXPECT_EQ(active, TABCONV_TABLE);
    }
}

// ASSIGN takes the Sig the page shows: a newer frame not shown yet (displays follow the
// frames at the screen's pace) does not count.
TEST_F(ConvCalcTest, AssignTakesTheShownLiveSignalOnlyIntoInnerActualValues)
{
    g_live.frame.Sig = 1234;
    ShowConvLiveSignal();
    g_live.frame.Sig = 1237;
    struct Case {
        int row, column;
        bool allowed;
    };
    const Case cases[] = {{1, 1, false}, {64, 1, false}, {10, 2, false}, {10, 1, true}, {63, 1, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.column));
        Press(Page(), TABCONV_RESET);
        const std::vector<short> before = Cells();
        SetActiveTableCell(Page(), TABCONV_TABLE, MakePoint(c.column, c.row));
        ResetPopups();
        Press(Page(), TABCONV_ASSIGN);
        if (c.allowed) {
            EXPECT_EQ(Cell(c.row, c.column), 1234);
            EXPECT_TRUE(Messages().empty());
        } else {
            EXPECT_EQ(Cells(), before);
            EXPECT_EQ(Messages(), std::vector<std::string>{kWrongCellText});
        }
    }
    g_live.frame.Sig = -20;
    ShowConvLiveSignal();
    int shown = 0;
    GetCtrlVal(Page(), TABCONV_CURRENTVALUE, &shown);
    EXPECT_EQ(shown, -20);
}

// Typed actual values stay within 0..4095 (or -1), and rows 1 and 64 keep theirs.
TEST_F(ConvCalcTest, TypedActualValuesOutsideTheCurveAreRefused)
{
    ASSERT_TRUE(ShowAndActivate(g_app.mainPanel));
    ASSERT_TRUE(SelectTab(g_app.mainPanel, MAINP_TAB, PAGE_CONVERSION_TABLE));
    struct Case {
        int row, column;
        const char *text;
        int expected;
    };
    const Case cases[] = {{5, 1, "4095", 4095},      {5, 1, "4096", 4095},  {6, 1, "-1", -1},
                          {6, 1, "-2", -1},          {1, 1, "10", 0},       {64, 1, "4000", 4095},
                          {64, 2, "-30000", -30000}, {7, 2, "32767", 32767}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        ResetPopups();
        ASSERT_TRUE(EditTableCell(Page(), TABCONV_TABLE, c.row, c.column, c.text));
        EXPECT_EQ(Cell(c.row, c.column), c.expected);
        bool refused = std::to_string(c.expected) != c.text;
        EXPECT_EQ(Messages().size(), refused ? 1u : 0u);
    }
}

TEST_F(ConvCalcTest, ZoomOneToOneAndClose)
{
    SetAxisScalingMode(g_app.convPanel, CONVP_GRAPH, VAL_XAXIS, VAL_MANUAL, 100.0, 200.0);
    SetAxisScalingMode(g_app.convPanel, CONVP_GRAPH, VAL_LEFT_YAXIS, VAL_MANUAL, 5.0, 6.0);
    Press(g_app.convPanel, CONVP_ZOOM11);
    int mode = -1;
    double lo = -1.0, hi = -1.0;
    GetAxisScalingMode(g_app.convPanel, CONVP_GRAPH, VAL_XAXIS, &mode, &lo, &hi);
    EXPECT_EQ(mode, VAL_MANUAL);
    EXPECT_DOUBLE_EQ(lo, 0.0);
    EXPECT_DOUBLE_EQ(hi, 4100.0);
    GetAxisScalingMode(g_app.convPanel, CONVP_GRAPH, VAL_LEFT_YAXIS, &mode, &lo, &hi);
    EXPECT_DOUBLE_EQ(lo, 0.0);
    EXPECT_DOUBLE_EQ(hi, 10000.0);

    ShowChildPanelDisp(g_app.convPanel);
    Press(g_app.convPanel, CONVP_CLOSE);
    int convVisible = -1, dataVisible = -1;
    GetPanelAttribute(g_app.convPanel, ATTR_VISIBLE, &convVisible);
    GetPanelAttribute(g_app.dataPanel, ATTR_VISIBLE, &dataVisible);
    EXPECT_EQ(convVisible, 0);
    EXPECT_EQ(dataVisible, 1);
}
