// The latest frame on the real data panel: numbers, LEDs for every output state, the
// analog output in volts and milliamperes, the threshold samples taken from the form,
// the charts' Y axis clicks and the status display's right double click.
#include "live_test_env.h"

#include "app/app_state.h"
#include "live/live_display.h"
#include "resource/panel_ids.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

namespace
{

int EvaluationPage()
{
    return g_app.dataPages[DATA_PAGE_EVALUATION];
}

double DoubleDisplay(int control)
{
    double value = -1.0;
    GetCtrlVal(EvaluationPage(), control, &value);
    return value;
}

void ShowFrame(const LiveFrame &frame)
{
    g_live.frame = frame;
    SetPanelData();
}

const double *LastThresholdSample(const double *history)
{
    return history + kThresholdHistoryLength - kThresholdTraces;
}

} // namespace

class DataDisplayTest : public LiveProgramTest
{
  protected:
    void SetUp() override
    {
        LiveProgramTest::SetUp();
        StartWithRawSensorOverTcp();
        ASSERT_EQ(g_link.sensorConnected, 1) << Status();
    }
};

TEST_F(DataDisplayTest, NumbersAndAnalogOutputShowTheFrame)
{
    LiveFrame frame = NumberedFrame(7);
    frame.Temp = -12;
    frame.AnaOut = 4095;
    ShowFrame(frame);
    const std::pair<int, int> shown[] = {
        {DATAP_CH0, 1007},     {DATAP_SIG, 2007},     {DATAP_TEMP, -12},     {DATAP_REFCH0, 300},
        {DATAP_REFSIG1, 1500}, {DATAP_REFSIG2, 2500}, {DATAP_MAXMIN1, 3000}, {DATAP_MAXMIN2, 100},
    };
    for (const auto &[control, value] : shown)
        EXPECT_EQ(DisplayValue(control), value) << control;
    int conversionValue = 0;
    GetCtrlVal(g_app.mainPages[PAGE_CONVERSION_TABLE], TABCONV_CURRENTVALUE, &conversionValue);
    EXPECT_EQ(conversionValue, 2007);
    EXPECT_DOUBLE_EQ(DoubleDisplay(DATATAB1_VOLT), 10.0);
    EXPECT_DOUBLE_EQ(DoubleDisplay(DATATAB1_MILLIAMP), 20.0);

    frame.AnaOut = 0;
    ShowFrame(frame);
    EXPECT_DOUBLE_EQ(DoubleDisplay(DATATAB1_VOLT), 0.0);
    EXPECT_DOUBLE_EQ(DoubleDisplay(DATATAB1_MILLIAMP), 4.0);
}

TEST_F(DataDisplayTest, OutputAndInputLedsFollowTheStates)
{
    struct LedCase {
        unsigned outState, inBits;
        int out0, out1, in0, in1;
    };
    // State 5 is no output state: both output LEDs keep what state 2 set.
    const LedCase cases[] = {{3, 3, 1, 1, 1, 1}, {0, 0, 0, 0, 0, 0},    {1, 1, 1, 0, 1, 0},
                             {2, 2, 0, 1, 0, 1}, {5, 0xFC, 0, 1, 0, 0}, {3, 0, 1, 1, 0, 0}};
    for (const LedCase &c : cases) {
        LiveFrame frame = NumberedFrame(1);
        frame.OutState = (uint16_t)c.outState;
        frame.InBits = (uint8_t)c.inBits;
        ShowFrame(frame);
        EXPECT_EQ(Led(DATAP_LEDOUT0), c.out0) << "state " << c.outState;
        EXPECT_EQ(Led(DATAP_LEDOUT1), c.out1) << "state " << c.outState;
        EXPECT_EQ(Led(DATAP_LEDIN0), c.in0) << "bits " << c.inBits;
        EXPECT_EQ(Led(DATAP_LEDIN1), c.in1) << "bits " << c.inBits;
    }
}

TEST_F(DataDisplayTest, ThresholdSamplesFollowTheFormAtOnce)
{
    const int page2 = g_app.mainPages[PAGE_PARAMETERS_2];
    SetCtrlVal(page2, TABPARA2_THRMODE, 2);  // WIN
    SetCtrlVal(page2, TABPARA2_THRCALC1, 1); // RELATIVE
    SetCtrlVal(page2, TABPARA2_TOL1, 10);
    SetCtrlVal(page2, TABPARA2_HYST1, 4);
    SetCtrlVal(page2, TABPARA2_THRCALC2, 0); // ABSOLUTE
    SetCtrlVal(page2, TABPARA2_TOL2, 200);
    SetCtrlVal(page2, TABPARA2_HYST2, 100);
    LiveFrame frame = NumberedFrame(3);
    frame.RefSig1 = 100;
    frame.RefSig2 = 4000;
    ShowFrame(frame);
    const double *one = LastThresholdSample(g_live.eval1History);
    const double *two = LastThresholdSample(g_live.eval2History);
    EXPECT_EQ((std::vector<double>(one, one + 6)), (std::vector<double>{100, 2003, 110, 90, 104, 96}));
    EXPECT_EQ((std::vector<double>(two, two + 6)), (std::vector<double>{4000, 2003, 4095, 3800, 4095, 3900}));
    EXPECT_EQ(g_live.sigHistory[kHistoryLength - 1], 2003);
    EXPECT_EQ(g_live.ch0History[kHistoryLength - 1], 1003);

    // An edit made between two frames moves the next sample's lines.
    SetCtrlVal(page2, TABPARA2_THRMODE, 1); // HIGH
    ShowFrame(frame);
    one = LastThresholdSample(g_live.eval1History);
    EXPECT_EQ((std::vector<double>(one + 2, one + 6)), (std::vector<double>{110, 110, 104, 104}));
    EXPECT_EQ(g_live.sigHistory[kHistoryLength - 2], 2003);

    // The largest tolerance the form takes, as a percentage, still draws at the edges.
    int largest = 0;
    SetCtrlVal(page2, TABPARA2_TOL1, 65535);
    GetCtrlVal(page2, TABPARA2_TOL1, &largest);
    frame.RefSig1 = 4000;
    ShowFrame(frame);
    one = LastThresholdSample(g_live.eval1History);
    if (largest * 4000LL / 100 > 95) {
        EXPECT_EQ(one[2], 4095) << "tolerance " << largest;
    }
}

TEST_F(DataDisplayTest, ChartClicksScaleAllFourYAxes)
{
    ShowGraph();
    struct Chart {
        int page, control;
    };
    const Chart charts[] = {{g_app.dataPages[DATA_PAGE_CH0], DATATAB0_CH0CHART},
                            {EvaluationPage(), DATATAB1_SIGCHART},
                            {EvaluationPage(), DATATAB1_EVAL1CHART},
                            {EvaluationPage(), DATATAB1_EVAL2CHART}};
    auto expectAll = [&](int mode, const char *after) {
        for (const Chart &chart : charts) {
            int shownMode = -1;
            double min = 0, max = 0;
            GetAxisScalingMode(chart.page, chart.control, VAL_LEFT_YAXIS, &shownMode, &min, &max);
            EXPECT_EQ(shownMode, mode) << after << ", chart " << chart.control;
            if (mode == VAL_MANUAL) {
                EXPECT_EQ(min, 0.0);
                EXPECT_EQ(max, 4096.0);
            }
        }
    };
    SetActiveTabPage(g_app.dataPanel, DATAP_TAB, DATA_PAGE_EVALUATION);
    ASSERT_TRUE(LeftDoubleClick(EvaluationPage(), DATATAB1_EVAL1CHART));
    expectAll(VAL_AUTOSCALE, "double click on threshold chart 1");
    ASSERT_TRUE(LeftClick(EvaluationPage(), DATATAB1_EVAL1CHART));
    expectAll(VAL_MANUAL, "click on threshold chart 1");
    SetActiveTabPage(g_app.dataPanel, DATAP_TAB, DATA_PAGE_CH0);
    ASSERT_TRUE(LeftDoubleClick(g_app.dataPages[DATA_PAGE_CH0], DATATAB0_CH0CHART));
    expectAll(VAL_AUTOSCALE, "double click on the CH0 chart");
}

TEST_F(DataDisplayTest, RightDoubleClickOnTheStatusDisplayEmptiesTheStatusBox)
{
    ASSERT_NE(Status(), "");
    ASSERT_TRUE(RightClick(g_app.dataPanel, DATAP_SENSOR));
    EXPECT_NE(Status(), "");
    ASSERT_TRUE(RightDoubleClick(g_app.dataPanel, DATAP_SENSOR));
    EXPECT_EQ(Status(), "");
}
