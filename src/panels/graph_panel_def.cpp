// The graph panel: one graph per recorded signal (CH0, SIG, TEMP) in one place, of
// which the SIGNAL selector shows one (CH0 at first), the statistics line under it,
// the three latest values, and the close button. OPEN RECORDING shows a record file
// instead, named in the source line above the graph; CANCEL takes its place while the
// file is read.
#include "panels/panel_layout.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"

namespace
{

constexpr int kSourceTop = 2;
constexpr int kGraphTop = 44;
constexpr int kGraphLeft = 10;
constexpr int kGraphWidth = 600;
constexpr int kGraphHeight = 432;
constexpr int kStatisticsTop = kGraphTop + kGraphHeight + 2;
constexpr int kBottomFieldTop = kStatisticsTop + kFieldHeight + 30;
constexpr int kOpenTop = kBottomFieldTop + kFieldHeight + 14;
constexpr int kOpenWidth = 200;
constexpr int kValueWidth = 100;
constexpr int kValuePitch = 110;
constexpr int kValueLeft = 160;
constexpr int kCloseLeft = 510;

const std::vector<std::pair<std::string, int>> kSignalItems = {{"CH0", 0}, {"SIG", 1}, {"TEMP", 2}};

CtrlDef SignalGraph(int id, const std::string &label)
{
    CtrlDef graph = Graph(id, label, kGraphTop, kGraphLeft, kGraphWidth, kGraphHeight, CBF_PanelGraphGraph);
    graph.xLabel = "SAMPLE";
    graph.yLabel = "DIGIT";
    graph.yMax = 4100.0;
    return graph;
}

CtrlDef ValueDisplay(int id, const std::string &label, int index, CtrlCallbackPtr cb)
{
    return Numeric(id, label, kBottomFieldTop, kValueLeft + index * kValuePitch, kValueWidth, cb)
        .Range(-32768, 65535)
        .Indicator();
}

} // namespace

PanelDef GraphPanelDef()
{
    PanelDef panel;
    panel.index = GRAPHP;
    panel.name = "GRAPHP";
    panel.width = kChildWidth;
    panel.height = kChildHeight;
    panel.callback = CBF_GRAPHP;
    std::vector<CtrlDef> &c = panel.controls;
    c.push_back(SignalGraph(GRAPHP_CH0GRAPH, "CH0"));
    c.push_back(SignalGraph(GRAPHP_SIGGRAPH, "SIG").Hidden());
    c.push_back(SignalGraph(GRAPHP_TEMPGRAPH, "TEMP").Hidden());
    c.push_back(
        Ring(GRAPHP_SIGNAL, "SIGNAL", kBottomFieldTop, kGraphLeft, 130, CBF_EditSignal, kSignalItems));
    c.push_back(ValueDisplay(GRAPHP_CH0, "CH0", 0, CBF_DispCha));
    c.push_back(ValueDisplay(GRAPHP_SIG, "SIG", 1, CBF_DispSig));
    c.push_back(ValueDisplay(GRAPHP_TEMP, "TEMP", 2, CBF_DispTemp));
    c.push_back(CommandButton(GRAPHP_CLOSE, "CLOSE", kBottomFieldTop - 2, kCloseLeft, kValueWidth,
                              kButtonHeight, CBF_ButtonCloseGP));
    c.push_back(String(GRAPHP_STATS, "", kStatisticsTop, kGraphLeft, kGraphWidth, CBF_DispChartStatistics)
                    .Name("graph statistics")
                    .Indicator());
    c.push_back(String(GRAPHP_SOURCE, "", kSourceTop, kGraphLeft, kGraphWidth, CBF_DispRecordingSource)
                    .Name("record file shown")
                    .Indicator()
                    .Hidden());
    c.push_back(CommandButton(GRAPHP_OPENREC, "OPEN RECORDING", kOpenTop, kGraphLeft, kOpenWidth,
                              kButtonHeight, CBF_ButtonOpenRecording));
    c.push_back(CommandButton(GRAPHP_CANCELREAD, "CANCEL", kOpenTop, kGraphLeft, kOpenWidth, kButtonHeight,
                              CBF_ButtonCancelReading)
                    .Shortcut("Esc")
                    .Hidden());
    return panel;
}
