// The scope panel: the analog graph (CH0 and SIG) above the digital graph (OUT0,
// OUT1, IN0, IN1), both with two cursors and plot areas aligned in X so that the
// digital cursors, which follow the analog ones, line up; then the signal
// selector, delta X and delta Y, the busy lamp, ZOOM 1:1 and CLOSE.
#include "panels/decor_ids.h"
#include "panels/panel_layout.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"

namespace
{

constexpr int kGraphLeft = 60;
constexpr int kGraphWidth = 550;
constexpr int kAnalogTop = 20;
constexpr int kAnalogHeight = 310;
constexpr int kDigitalTop = kAnalogTop + kAnalogHeight + 6 + kLabelHeight;
constexpr int kDigitalHeight = 180;
constexpr int kBottomFieldTop = kDigitalTop + kDigitalHeight + 28;

// Digital traces: each takes two of the eight levels (-0.5 to 7.5), top to bottom
// IN0 (bit 8, levels 6-7), IN1 (bit 9, 4-5), OUT0 (bit 0, 2-3), OUT1 (bit 1, 0-1).
// Their labels stand beside the graph's plot area, which the graph widget insets by
// about half a text line at the top and by the axis numbers and the axis label at
// the bottom.
constexpr int kPlotInsetTop = 9;
constexpr int kPlotInsetBottom = 40;
constexpr int kPlotHeight = kDigitalHeight - kPlotInsetTop - kPlotInsetBottom;
constexpr int kTraceLabelLeft = 10;
constexpr int kTraceLabelWidth = 46;
constexpr int kTraceLabelHeight = 20;

const std::vector<std::pair<std::string, int>> kSignalItems = {{"CH0 + SIG", 0}, {"CH0", 1}, {"SIG", 2}};

CtrlDef ScopeGraph(int id, const std::string &label, int top, int height, double yMin, double yMax)
{
    CtrlDef graph = Graph(id, label, top, kGraphLeft, kGraphWidth, height, nullptr);
    graph.cursors = 2;
    graph.xMin = 0.0;
    graph.xMax = 128.0;
    graph.yMin = yMin;
    graph.yMax = yMax;
    // Both graphs carry an axis label on each axis, so their plot areas line up.
    graph.xLabel = "SAMPLE";
    return graph;
}

CtrlDef TraceLabel(int id, const std::string &text, int band)
{
    const int bandTop = kDigitalTop + kPlotInsetTop + band * kPlotHeight / 4;
    const int top = bandTop + (kPlotHeight / 4 - kTraceLabelHeight) / 2;
    return TextMsg(id, text, top, kTraceLabelLeft, kTraceLabelWidth, kTraceLabelHeight).Name(text);
}

void AddGraphs(std::vector<CtrlDef> &c)
{
    CtrlDef analog = ScopeGraph(SCOPEP_GRAPH, "ANALOG SIGNALS", kAnalogTop, kAnalogHeight, 0.0, 4100.0);
    analog.yLabel = "DIGIT";
    c.push_back(analog.Callback(CBF_GraphScope));
    CtrlDef digital = ScopeGraph(SCOPEP_DIGGRAPH, "DIGITAL SIGNALS", kDigitalTop, kDigitalHeight, -0.5, 7.5);
    digital.yLabel = "STATE";
    c.push_back(digital);
    c.push_back(TraceLabel(SCOPEP_LABEL_IN0, "IN0", 0));
    c.push_back(TraceLabel(SCOPEP_LABEL_IN1, "IN1", 1));
    c.push_back(TraceLabel(SCOPEP_LABEL_OUT0, "OUT0", 2));
    c.push_back(TraceLabel(SCOPEP_LABEL_OUT1, "OUT1", 3));
}

void AddBottomRow(std::vector<CtrlDef> &c)
{
    const int field = kBottomFieldTop;
    const int button = field - (kButtonHeight - kFieldHeight) / 2;
    c.push_back(Ring(SCOPEP_SIGNAL, "SIGNAL", field, 10, 130, CBF_EditScopeSignal, kSignalItems));
    c.push_back(Numeric(SCOPEP_DELTAX, "DELTA X [ms]", field, 150, 110, CBF_DispDeltaX)
                    .Double()
                    .Range(0.0, 1.0e9)
                    .Precision(3)
                    .Indicator());
    c.push_back(Numeric(SCOPEP_DELTAY, "DELTA Y [digit]", field, 270, 100, CBF_DispDeltaY).Indicator());
    c.push_back(Led(SCOPEP_BUSY, "BUSY", field + (kFieldHeight - kLedSize) / 2, 380, nullptr)
                    .Colors(VAL_RED, VAL_BLACK)
                    .Hidden());
    c.push_back(
        CommandButton(SCOPEP_ZOOM11, "ZOOM 1:1", button, 440, 80, kButtonHeight, CBF_ButtonZoomScope11));
    c.push_back(CommandButton(SCOPEP_CLOSE, "CLOSE", button, 530, 80, kButtonHeight, CBF_ButtonCloseSP));
}

} // namespace

PanelDef ScopePanelDef()
{
    PanelDef panel;
    panel.index = SCOPEP;
    panel.name = "SCOPEP";
    panel.width = kChildWidth;
    panel.height = kChildHeight;
    panel.callback = CBF_SCOPEP;
    AddGraphs(panel.controls);
    AddBottomRow(panel.controls);
    return panel;
}
