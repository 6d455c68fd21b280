// The data panel: sensor and connection, the live values, the digital outputs and
// inputs, and a tab control with the CH0 chart and the evaluation page.
//
// The evaluation page shows either the SIG-only chart (DIGITAL OUTMODE OFF) or
// threshold chart 1 in the same place; threshold chart 2 takes the lower half of
// that place, and then chart 1 shrinks to the upper half. The volt and milliampere
// displays share one place; the analog output mode shows one or none. Initial
// visibility follows the parameter defaults.
#include "panels/decor_ids.h"
#include "panels/panel_layout.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"

namespace
{

constexpr int kFrameLeft = 6;
constexpr int kFrameWidth = kChildWidth - 2 * kFrameLeft;
constexpr int kValueLeft = 16;
constexpr int kValuePitch = 148;
constexpr int kValueWidth = 140;

constexpr int kSensorTop = 4;
constexpr int kValuesTop = NextGroupTop(kSensorTop, 1);
constexpr int kIoTop = NextGroupTop(kValuesTop, 2);
constexpr int kTabTop = NextGroupTop(kIoTop, 1) + 2;
constexpr int kTabHeight = kChildHeight - kTabTop - 6;

constexpr int kSensorWidth = 400;
constexpr int kPortLeft = 430;
constexpr int kPortWidth = 174;
constexpr int kLedPitch = 70;
constexpr int kShowGraphLeft = 454;
constexpr int kPauseLeft = 300;
constexpr int kPauseWidth = 148;

// Chart area of the tab pages; the threshold charts split it in two halves. Under each
// chart its statistics line (the live data follow the chart with it when the parameter
// rules hide or shrink the chart).
constexpr int kChartTop = 20;
constexpr int kChartLeft = 6;
constexpr int kChartArea = 276;
constexpr int kStatisticsSpace = kFieldHeight + 2;
constexpr int kChartHeight = kChartArea - kStatisticsSpace;
constexpr int kHalfChartHeight = (kChartArea - kLabelHeight) / 2 - kStatisticsSpace;
constexpr int kLowerChartTop = kChartTop + kHalfChartHeight + kStatisticsSpace + kLabelHeight;
constexpr int kWideChartWidth = 584;
constexpr int kEvalChartWidth = 460;
constexpr int kAnalogOutLeft = 480;
constexpr int kAnalogOutWidth = 110;

constexpr int kSigColor = VAL_DK_YELLOW;
constexpr int kRefColor = VAL_BLUE;
constexpr int kToleranceColor = VAL_RED;
constexpr int kHysteresisColor = VAL_BLACK;
constexpr int kCh0Color = VAL_GREEN;
constexpr int kOutLedColor = 0xFF8000;
constexpr int kInLedColor = VAL_GREEN;

void AddSensorGroup(std::vector<CtrlDef> &c)
{
    const int t = kSensorTop;
    AddGroup(c, DECO_DATA_SENSOR, HEAD_DATA_SENSOR, "SENSOR STATUS", t, kFrameLeft, kFrameWidth, 1);
    c.push_back(String(DATAP_SENSOR, "SENSOR", FieldTop(t, 0), kValueLeft, kSensorWidth, CBF_DispStatus)
                    .Text("No sensor connected!")
                    .Name("sensor display")
                    .Indicator());
    // COM PORT for RS-232, ADDRESS for TCP/IP: the connection attempt shows one.
    c.push_back(Numeric(DATAP_COMPORT, "COM PORT", FieldTop(t, 0), kPortLeft, kPortWidth, CBF_DispStatus)
                    .Range(0, 255)
                    .Initial(1)
                    .Indicator());
    c.push_back(String(DATAP_ADDRESS, "ADDRESS", FieldTop(t, 0), kPortLeft, kPortWidth, CBF_DispStatus)
                    .Indicator()
                    .Hidden());
}

CtrlDef ValueDisplay(int id, const std::string &label, int row, int column, CtrlCallbackPtr cb)
{
    return Numeric(id, label, FieldTop(kValuesTop, row), kValueLeft + column * kValuePitch, kValueWidth, cb)
        .Range(-32768, 65535)
        .Indicator();
}

void AddValuesGroup(std::vector<CtrlDef> &c)
{
    AddGroup(c, DECO_DATA_VALUES, HEAD_DATA_VALUES, "MEASURED VALUES", kValuesTop, kFrameLeft, kFrameWidth,
             2);
    c.push_back(ValueDisplay(DATAP_CH0, "CH0", 0, 0, CBF_DispCha));
    c.push_back(ValueDisplay(DATAP_SIG, "SIG", 0, 1, CBF_DispSig));
    c.push_back(ValueDisplay(DATAP_TEMP, "TEMP", 0, 2, CBF_DispTemp));
    c.push_back(ValueDisplay(DATAP_REFCH0, "REF CH0", 0, 3, CBF_DispRefCh0).Hidden());
    c.push_back(ValueDisplay(DATAP_REFSIG1, "REF SIG 1", 1, 0, CBF_DispRefSig));
    c.push_back(ValueDisplay(DATAP_REFSIG2, "REF SIG 2", 1, 1, CBF_DispRefSig).Hidden());
    c.push_back(ValueDisplay(DATAP_MAXMIN1, "MAX/MIN A", 1, 2, CBF_DispMaxMin).Hidden());
    c.push_back(ValueDisplay(DATAP_MAXMIN2, "MAX/MIN B", 1, 3, CBF_DispMaxMin).Hidden());
}

CtrlDef IoLed(int id, const std::string &label, int index, CtrlCallbackPtr cb, int onColor)
{
    const int top = FieldTop(kIoTop, 0) + (kFieldHeight - kLedSize) / 2;
    return Led(id, label, top, kValueLeft + index * kLedPitch, cb).Colors(onColor, VAL_BLACK);
}

void AddIoGroup(std::vector<CtrlDef> &c)
{
    AddGroup(c, DECO_DATA_IO, HEAD_DATA_IO, "OUTPUTS AND INPUTS", kIoTop, kFrameLeft, kFrameWidth, 1);
    c.push_back(IoLed(DATAP_LEDOUT0, "OUT0", 0, CBF_LedOut, kOutLedColor));
    c.push_back(IoLed(DATAP_LEDOUT1, "OUT1", 1, CBF_LedOut, kOutLedColor));
    c.push_back(IoLed(DATAP_LEDIN0, "IN0", 2, CBF_LedIn, kInLedColor));
    c.push_back(IoLed(DATAP_LEDIN1, "IN1", 3, CBF_LedIn, kInLedColor));
    c.push_back(CommandButton(DATAP_PAUSE, "PAUSE", ButtonTop(kIoTop, 0), kPauseLeft, kPauseWidth,
                              kButtonHeight, CBF_ButtonPause));
    c.push_back(CommandButton(DATAP_SHOWGRAPH, "SHOW GRAPH", ButtonTop(kIoTop, 0), kShowGraphLeft,
                              kColumnWidth, kButtonHeight, CBF_ButtonShowGraph));
}

CtrlDef Chart(int id, const std::string &label, int top, int width, int height,
              const std::vector<int> &colors)
{
    CtrlDef chart = StripChart(id, label, top, kChartLeft, width, height, nullptr, (int)colors.size());
    chart.traceColors = colors;
    chart.pointsPerScreen = 100;
    chart.yMin = 0.0;
    chart.yMax = 4096.0;
    return chart;
}

// The read-only statistics line under a chart of this place and width.
CtrlDef StatisticsLine(int id, const std::string &name, int chartTop, int chartHeight, int width)
{
    return String(id, "", chartTop + chartHeight + 2, kChartLeft, width, CBF_DispChartStatistics)
        .Name(name)
        .Indicator();
}

PageDef Ch0Page()
{
    PageDef page;
    page.label = "CH0";
    page.controls.push_back(
        Chart(DATATAB0_CH0CHART, "CH0", kChartTop, kWideChartWidth, kChartHeight, {kCh0Color})
            .Callback(CBF_GraphAnaCha));
    page.controls.push_back(
        StatisticsLine(DATATAB0_CH0STATS, "CH0 statistics", kChartTop, kChartHeight, kWideChartWidth));
    return page;
}

CtrlDef AnalogOutDisplay(int id, const std::string &label)
{
    return Numeric(id, label, kChartTop + kLabelHeight, kAnalogOutLeft, kAnalogOutWidth, CBF_DispAnaOut)
        .Double()
        .Range(0.0, 20.0)
        .Precision(2)
        .Indicator()
        .Hidden();
}

PageDef EvaluationPage()
{
    // Threshold chart traces: REF, Sig, tolerance A and B, hysteresis A and B.
    const std::vector<int> thresholdColors = {kRefColor,       kSigColor,        kToleranceColor,
                                              kToleranceColor, kHysteresisColor, kHysteresisColor};
    // REF and the hysteresis lines dashed, SIG and the thresholds solid.
    const std::vector<int> thresholdStyles = {VAL_DASH, VAL_SOLID, VAL_SOLID, VAL_SOLID, VAL_DASH, VAL_DASH};
    PageDef page;
    page.label = "SIG";
    std::vector<CtrlDef> &c = page.controls;
    c.push_back(Chart(DATATAB1_SIGCHART, "SIG", kChartTop, kEvalChartWidth, kChartHeight, {kSigColor})
                    .Callback(CBF_GraphEvalSig)
                    .Hidden());
    CtrlDef eval1 =
        Chart(DATATAB1_EVAL1CHART, "THRESHOLD 1", kChartTop, kEvalChartWidth, kChartHeight, thresholdColors)
            .Callback(CBF_GraphEvalSig);
    eval1.traceLineStyles = thresholdStyles;
    c.push_back(eval1);
    CtrlDef eval2 = Chart(DATATAB1_EVAL2CHART, "THRESHOLD 2", kLowerChartTop, kEvalChartWidth,
                          kHalfChartHeight, thresholdColors)
                        .Callback(CBF_GraphEvalSig)
                        .Hidden();
    eval2.traceLineStyles = thresholdStyles;
    c.push_back(eval2);
    c.push_back(StatisticsLine(DATATAB1_SIGSTATS, "SIG statistics", kChartTop, kChartHeight, kEvalChartWidth)
                    .Hidden());
    c.push_back(StatisticsLine(DATATAB1_EVAL1STATS, "THRESHOLD 1 statistics", kChartTop, kChartHeight,
                               kEvalChartWidth));
    c.push_back(StatisticsLine(DATATAB1_EVAL2STATS, "THRESHOLD 2 statistics", kLowerChartTop,
                               kHalfChartHeight, kEvalChartWidth)
                    .Hidden());
    c.push_back(AnalogOutDisplay(DATATAB1_VOLT, "ANALOG OUT [V]"));
    c.push_back(AnalogOutDisplay(DATATAB1_MILLIAMP, "ANALOG OUT [mA]"));
    return page;
}

} // namespace

PanelDef DataPanelDef()
{
    PanelDef panel;
    panel.index = DATAP;
    panel.name = "DATAP";
    panel.width = kChildWidth;
    panel.height = kChildHeight;
    panel.callback = CBF_DATAP;
    AddSensorGroup(panel.controls);
    AddValuesGroup(panel.controls);
    AddIoGroup(panel.controls);
    panel.controls.push_back(Tab(DATAP_TAB, kTabTop, kFrameLeft, kFrameWidth, kTabHeight, CBF_TabDataP,
                                 {Ch0Page(), EvaluationPage()})
                                 .Name("data tab"));
    return panel;
}
