// The operator's view of the live charts on the real data panel while the loop polls a
// scripted sensor: PAUSE, zoom and pan that hold the charts, the described clicks that
// resume them, and the statistics lines under the charts.
#include "live_test_env.h"

#include "app/app_state.h"
#include "live/chart_statistics.h"
#include "resource/panel_ids.h"
#include "support/ui_actions.h"
#include "ui/strip_chart_widget.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <atomic>
#include <cmath>
#include <memory>
#include <string>

namespace
{

int Ch0Page()
{
    return g_app.dataPages[DATA_PAGE_CH0];
}

StripChartWidget *Ch0Chart()
{
    return qobject_cast<StripChartWidget *>(CtrlWidget(Ch0Page(), DATATAB0_CH0CHART));
}

int PauseColour()
{
    int colour = 0;
    GetCtrlAttribute(g_app.dataPanel, DATAP_PAUSE, ATTR_CMD_BUTTON_COLOR, &colour);
    return colour;
}

// The value of frame n's CH0 as NumberedFrame makes it.
double Ch0OfFrame(int n)
{
    return NumberedFrame(n).Ch0;
}

} // namespace

class ChartViewTest : public LiveProgramTest
{
  protected:
    void SetUp() override
    {
        LiveProgramTest::SetUp();
        StartWithRawSensorOverTcp();
        ASSERT_EQ(g_link.sensorConnected, 1) << Status();
        served = std::make_shared<std::atomic<int>>(0);
        auto shared = served;
        AnswerLiveFrames([shared]() { return LiveFrameBytes(NumberedFrame(++*shared)); });
        ASSERT_TRUE(SelectTab(g_app.dataPanel, DATAP_TAB, DATA_PAGE_CH0));
    }
    static void PressStop() { ClickButton(g_app.mainPanel, MAINP_STOP); }
    static std::string Ch0Line() { return TextValue(Ch0Page(), DATATAB0_CH0STATS); }

    std::shared_ptr<std::atomic<int>> served;
};

TEST_F(ChartViewTest, PauseHoldsTheChartsWhileFramesArriveAndShowsTheNewestAgain)
{
    std::vector<double> pausedValues;
    std::string pausedLine;
    unsigned long long framesAtPause = 0;
    double pausedAt = 0.0;
    bool pausedStill = false, linesHeld = false, displaysFollow = false;
    // Held for 40 frames and a few screen refreshes at least.
    auto heldLongEnough = [&]() {
        return g_live.framesTaken >= framesAtPause + 40 && Timer() - pausedAt > 0.1;
    };
    RunLive({{FramesTaken(20),
              [&]() {
                  ClickButton(g_app.dataPanel, DATAP_PAUSE);
                  framesAtPause = g_live.framesTaken;
                  pausedAt = Timer();
                  pausedLine = Ch0Line();
              }},
             {heldLongEnough, [&]() {
                  pausedStill = Ch0Chart()->isPaused();
                  linesHeld = Ch0Line() == pausedLine;
                  // The numbers and the histories still follow every frame.
                  displaysFollow =
                      DisplayValue(DATAP_CH0) > Ch0OfFrame((int)framesAtPause) &&
                      g_live.ch0History[kHistoryLength - 1] == Ch0OfFrame((int)g_live.framesTaken);
                  PressStop();
              }}});
    EXPECT_TRUE(pausedStill);
    EXPECT_TRUE(linesHeld) << pausedLine << " / " << Ch0Line();
    EXPECT_TRUE(displaysFollow);
    EXPECT_EQ(PauseColour(), VAL_RED) << "PAUSE shows that the charts hold";
    EXPECT_EQ(Ch0Chart()->traceValues(0).back(), Ch0OfFrame(*served)) << "no frame is lost to the chart";

    ClickButton(g_app.dataPanel, DATAP_PAUSE);
    EXPECT_FALSE(Ch0Chart()->isPaused());
    EXPECT_EQ(PauseColour(), VAL_LT_GRAY);
    EXPECT_NE(Ch0Line(), pausedLine) << "resumed, the line shows the newest samples";
}

TEST_F(ChartViewTest, ZoomAndPanHoldTheChartAndTheDescribedClicksKeepTheirMeaningAndResume)
{
    RunLive({{FramesTaken(5), [&]() { PressStop(); }}});
    const QPoint middle = Ch0Chart()->plotArea().center();
    struct Gesture {
        const char *what;
        std::function<void()> act;
        int clickEvent; // the described click that follows
        int yMode;      // and the Y scaling it must set on every chart
    };
    const Gesture gestures[] = {
        {"wheel", [&]() { TurnWheel(Ch0Page(), DATATAB0_CH0CHART, middle, 2); }, EVENT_LEFT_CLICK,
         VAL_MANUAL},
        {"shift wheel", [&]() { TurnWheel(Ch0Page(), DATATAB0_CH0CHART, middle, 1, Qt::ShiftModifier); },
         EVENT_LEFT_DOUBLE_CLICK, VAL_AUTOSCALE},
        {"middle drag", [&]() { MiddleDrag(Ch0Page(), DATATAB0_CH0CHART, middle, middle + QPoint(20, 30)); },
         EVENT_LEFT_CLICK, VAL_MANUAL},
    };
    for (const Gesture &g : gestures) {
        SCOPED_TRACE(g.what);
        g.act();
        EXPECT_TRUE(Ch0Chart()->isPaused());
        EXPECT_EQ(PauseColour(), VAL_RED);
        if (g.clickEvent == EVENT_LEFT_CLICK)
            LeftClick(Ch0Page(), DATATAB0_CH0CHART);
        else
            LeftDoubleClick(Ch0Page(), DATATAB0_CH0CHART);
        EXPECT_FALSE(Ch0Chart()->isPaused());
        EXPECT_EQ(PauseColour(), VAL_LT_GRAY);
        EXPECT_DOUBLE_EQ(Ch0Chart()->xView().max, kHistoryLength - 1) << "the whole width again";
        for (int chart : {DATATAB1_SIGCHART, DATATAB1_EVAL1CHART, DATATAB1_EVAL2CHART}) {
            int mode = -1;
            double min = -1, max = -1;
            GetAxisScalingMode(g_app.dataPages[DATA_PAGE_EVALUATION], chart, VAL_LEFT_YAXIS, &mode, &min,
                               &max);
            EXPECT_EQ(mode, g.yMode) << chart;
            if (g.yMode == VAL_MANUAL) {
                EXPECT_DOUBLE_EQ(min, 0.0);
                EXPECT_DOUBLE_EQ(max, 4096.0);
            }
        }
    }
}

TEST_F(ChartViewTest, StatisticsLinesDescribeExactlyTheSamplesInView)
{
    RunLive({{FramesTaken(130), [&]() { PressStop(); }}});
    // NumberedFrame gives CH0 = 1000 + n: the last 100 frames are 100 consecutive
    // numbers, whose standard deviation is sqrt((100^2 - 1) / 12) = 28.866.
    const int last = *served;
    char expected[256];
    std::snprintf(expected, sizeof expected,
                  "CH0: n = 100   min = %d   max = %d   mean = %.2f   std. dev. = 28.87", 1000 + last - 99,
                  1000 + last, 1000 + last - 49.5);
    EXPECT_EQ(Ch0Line(), expected);

    // Zoomed in, the line counts only the points in view, and the chart holds.
    const QRect plot = Ch0Chart()->plotArea();
    TurnWheel(Ch0Page(), DATATAB0_CH0CHART, QPoint(plot.right(), plot.center().y()), 6);
    const AxisRange view = Ch0Chart()->xView();
    const int first = (int)std::ceil(view.min), end = (int)std::floor(view.max);
    ChartStatistics stats{};
    stats.count = end - first + 1;
    stats.min = 1000 + last - 99 + first;
    stats.max = 1000 + last - 99 + end;
    stats.mean = (stats.min + stats.max) / 2.0;
    stats.stdDev = std::sqrt((stats.count * stats.count - 1) / 12.0);
    EXPECT_LT(stats.count, 100);
    EXPECT_EQ(Ch0Line(), StatisticsText("CH0", stats));

    // Each line goes with its chart: the SIG-only chart is hidden by the parameter
    // defaults, and with it its line.
    const int evaluation = g_app.dataPages[DATA_PAGE_EVALUATION];
    EXPECT_EQ(Visible(evaluation, DATATAB1_SIGSTATS), Visible(evaluation, DATATAB1_SIGCHART));
    EXPECT_EQ(Visible(evaluation, DATATAB1_EVAL1STATS), Visible(evaluation, DATATAB1_EVAL1CHART));
    int top = 0, chartTop = 0, chartHeight = 0;
    GetCtrlAttribute(evaluation, DATATAB1_EVAL1STATS, ATTR_TOP, &top);
    GetCtrlAttribute(evaluation, DATATAB1_EVAL1CHART, ATTR_TOP, &chartTop);
    GetCtrlAttribute(evaluation, DATATAB1_EVAL1CHART, ATTR_HEIGHT, &chartHeight);
    EXPECT_EQ(top, chartTop + chartHeight + 2);
}

// The threshold charts draw REF blue dashed and the hysteresis black dashed, as their
// help texts say; SIG and the tolerance lines solid.
TEST_F(ChartViewTest, ThresholdChartsDashRefAndHysteresisAsTheHelpSays)
{
    for (int control : {DATATAB1_EVAL1CHART, DATATAB1_EVAL2CHART}) {
        auto *chart =
            qobject_cast<StripChartWidget *>(CtrlWidget(g_app.dataPages[DATA_PAGE_EVALUATION], control));
        ASSERT_NE(chart, nullptr);
        const int expected[] = {VAL_DASH, VAL_SOLID, VAL_SOLID, VAL_SOLID, VAL_DASH, VAL_DASH};
        for (int trace = 0; trace < 6; ++trace)
            EXPECT_EQ(chart->traceLineStyle(trace), expected[trace]) << control << " trace " << trace;
        EXPECT_EQ(chart->traceColor(0), VAL_BLUE);
        EXPECT_EQ(chart->traceColor(4), VAL_BLACK);
    }
}
