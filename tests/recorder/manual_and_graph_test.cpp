// MANUAL RECORD on the polled frames, and the graph panel the recorder feeds.
#include "recorder_test_env.h"

#include "app/app_state.h"
#include "app/dimming.h"
#include "connection/connection.h"
#include "live/graph_panel.h"
#include "live/live_state.h"
#include "recorder/recorder_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

int Plots(int graph)
{
    int count = -1;
    GetNumGraphPlots(g_app.graphPanel, graph, &count);
    return count;
}

bool GraphVisible(int graph)
{
    int visible = -1;
    GetCtrlAttribute(g_app.graphPanel, graph, ATTR_VISIBLE, &visible);
    return visible == 1;
}

bool PanelVisible(int panel)
{
    int visible = -1;
    GetPanelAttribute(panel, ATTR_VISIBLE, &visible);
    return visible == 1;
}

} // namespace

TEST_F(RecorderTest, ManualRecordAppendsPolledFramesAndNeedsOneFirst)
{
    StartWithSim();
    SelectFile(recordFile);
    Commit(TABREC_MODE, 2);

    Press(TABREC_MANUAL);
    EXPECT_EQ(Messages().back(),
              "No data frame has been received yet! \nStart the data transfer with GO first.");
    EXPECT_EQ(FileText(), kEnglishHeader);
    EXPECT_EQ(IntValue(TABREC_RECORDED), 0);

    // While live polling runs MANUAL RECORD stays operable.
    SetButtonsDimmed(DIM_KEEP_TRANSFER, 1);
    int dimmed = -1;
    GetCtrlAttribute(Page(), TABREC_MANUAL, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 0);
    SetButtonsDimmed(DIM_KEEP_TRANSFER, 0);

    TakeLiveFrame();
    Press(TABREC_MANUAL);
    TakeLiveFrame();
    Press(TABREC_MANUAL);
    std::vector<std::string> rows = Rows();
    ASSERT_EQ(rows.size(), 2u);
    const LiveFrame &frame = g_live.frame;
    EXPECT_EQ(RowValues(rows[1]), (std::vector<int>{frame.Ch0, frame.Temp, frame.Sig}));
    EXPECT_EQ(IntValue(TABREC_RECORDED), 2);
    EXPECT_EQ(GraphPanelSampleCount(), 2u);

    // A new manual run counts from 0; the rows stay in the file.
    Commit(TABREC_MODE, 2);
    EXPECT_EQ(IntValue(TABREC_RECORDED), 0);
    EXPECT_EQ(Rows().size(), 2u);
}

TEST_F(RecorderTest, GraphPanelKeepsOneBoundedTracePerSignal)
{
    StartWithSim();
    InitPanelGraph();
    g_live.frame.Ch0 = 1200;
    g_live.frame.Sig = 900;
    g_live.frame.Temp = -40;
    SetPanelGraphData();
    EXPECT_EQ(Plots(GRAPHP_CH0GRAPH), 1);
    int temp = 0;
    GetCtrlVal(g_app.graphPanel, GRAPHP_TEMP, &temp);
    EXPECT_EQ(temp, -40);
    // The x axis follows the samples, which are counted on past the trace's length.
    int xMode = -1;
    double xMin = 0.0, xMax = 0.0;
    for (int i = 0; i < kGraphPanelPoints + 10; ++i)
        SetPanelGraphData();
    GetAxisScalingMode(g_app.graphPanel, GRAPHP_CH0GRAPH, VAL_XAXIS, &xMode, &xMin, &xMax);
    EXPECT_EQ(xMode, VAL_AUTOSCALE);
    EXPECT_GE(xMax, (double)kGraphPanelPoints + 10);
    EXPECT_EQ(Plots(GRAPHP_CH0GRAPH), 1);
    EXPECT_EQ(GraphPanelSampleCount(), (unsigned long long)kGraphPanelPoints + 11);
    // A graph brought into view shows its whole trace in one plot.
    SetCtrlVal(g_app.graphPanel, GRAPHP_SIGNAL, 2);
    PressOn(g_app.graphPanel, GRAPHP_SIGNAL);
    EXPECT_EQ(Plots(GRAPHP_TEMPGRAPH), 1);

    InitPanelGraph();
    EXPECT_EQ(Plots(GRAPHP_CH0GRAPH), 0);
    EXPECT_EQ(GraphPanelSampleCount(), 0u);
}

TEST_F(RecorderTest, SignalSelectorAndGraphPanelButtons)
{
    StartWithSim();
    const int graphs[] = {GRAPHP_CH0GRAPH, GRAPHP_SIGGRAPH, GRAPHP_TEMPGRAPH};
    for (int signal : {2, 1, 0}) {
        SetCtrlVal(g_app.graphPanel, GRAPHP_SIGNAL, signal);
        PressOn(g_app.graphPanel, GRAPHP_SIGNAL);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(GraphVisible(graphs[i]), i == signal) << "signal " << signal;
    }
    PressOn(g_app.dataPanel, DATAP_SHOWGRAPH);
    EXPECT_TRUE(PanelVisible(g_app.graphPanel));
    EXPECT_FALSE(PanelVisible(g_app.dataPanel));
    PressOn(g_app.graphPanel, GRAPHP_CLOSE);
    EXPECT_TRUE(PanelVisible(g_app.dataPanel));
    EXPECT_FALSE(PanelVisible(g_app.graphPanel));
}
