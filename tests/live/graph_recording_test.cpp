// OPEN RECORDING on the real graph panel: a record file written by the recorder shown
// with the signal selector, zoom and statistics; the messages of a damaged and of a
// foreign file; a reading stopped with Esc; a recording that brings the live traces
// back.
#include "app/app_state.h"
#include "app/child_panels.h"
#include "live/graph_panel.h"
#include "live/graph_recording.h"
#include "recorder/record_file.h"
#include "resource/panel_ids.h"
#include "support/program_test.h"
#include "support/ui_actions.h"
#include "ui/graph_widget.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QTimer>

#include <cmath>
#include <string>

namespace
{

// Row k of the test files: CH0 = k, TEMP = 20, SIG = 2 k, one second apart.
std::string Rows(int first, int count)
{
    std::string text;
    for (int k = first; k < first + count; ++k) {
        LiveFrame frame{};
        frame.Ch0 = (int16_t)k;
        frame.Temp = 20;
        frame.Sig = (int16_t)(2 * k);
        char time[9];
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", k / 3600 % 24, k / 60 % 60, k % 60);
        text += RecordFileRow(frame, "12-07-2026", time);
    }
    return text;
}

GraphWidget *Graph(int control)
{
    return qobject_cast<GraphWidget *>(CtrlWidget(g_app.graphPanel, control));
}

} // namespace

class GraphRecordingTest : public ProgramTest
{
  protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        StartOffline();
        ShowChildPanelDisp(g_app.graphPanel);
        header = RecordFileHeader("");
    }
    std::string Write(const std::string &name, const std::string &text)
    {
        const std::string path = dir + "/" + name;
        WriteWholeFile(path, text);
        return path;
    }
    void Open(const std::string &path)
    {
        ResetPopups();
        ChooseFile(path);
        ClickButton(g_app.graphPanel, GRAPHP_OPENREC);
    }
    static std::string Line(int control) { return TextValue(g_app.graphPanel, control); }
    static int Plots(int control)
    {
        int count = 0;
        GetNumGraphPlots(g_app.graphPanel, control, &count);
        return count;
    }

    std::string header;
};

TEST_F(GraphRecordingTest, ShowsEveryRowWithSelectorZoomAndStatistics)
{
    Open(Write("long.dat", header + Rows(0, 1001)));
    EXPECT_TRUE(Messages().empty());
    ASSERT_TRUE(RecordingShown());
    EXPECT_EQ(Line(GRAPHP_SOURCE), "long.dat: 1001 rows, 12-07-2026 00:00:00 to 12-07-2026 00:16:40");
    char title[256] = "";
    GetPanelAttribute(g_app.graphPanel, ATTR_TITLE, title, sizeof title);
    EXPECT_STREQ(title, "long.dat");
    // CH0 = 0..1000: mean 500, standard deviation sqrt((1001^2 - 1) / 12).
    EXPECT_EQ(Line(GRAPHP_STATS),
              "CH0: n = 1001   min = 0   max = 1000   mean = 500.00   std. dev. = 288.96");
    EXPECT_EQ(Plots(GRAPHP_CH0GRAPH), 1);

    CommitRing(g_app.graphPanel, GRAPHP_SIGNAL, 1);
    EXPECT_EQ(Plots(GRAPHP_CH0GRAPH), 0);
    EXPECT_EQ(Plots(GRAPHP_SIGGRAPH), 1);
    EXPECT_EQ(Line(GRAPHP_STATS),
              "SIG: n = 1001   min = 0   max = 2000   mean = 1000.00   std. dev. = 577.93");

    // The wheel zooms into the file without holding anything: it is no live chart.
    GraphWidget *sig = Graph(GRAPHP_SIGGRAPH);
    TurnWheel(g_app.graphPanel, GRAPHP_SIGGRAPH, sig->toPixel(100.0, 1000.0).toPoint(), 10);
    int mode = -1;
    double min = 0, max = 0;
    GetAxisScalingMode(g_app.graphPanel, GRAPHP_SIGGRAPH, VAL_XAXIS, &mode, &min, &max);
    EXPECT_LT(max - min, 200.0);
    EXPECT_FALSE(sig->isPaused());
    const int first = (int)std::ceil(min), last = (int)std::floor(max);
    char expected[256];
    std::snprintf(expected, sizeof expected, "SIG: n = %d   min = %d   max = %d", last - first + 1, 2 * first,
                  2 * last);
    EXPECT_EQ(Line(GRAPHP_STATS).substr(0, std::string(expected).size()), expected);

    // A recording that starts brings the live traces back.
    InitPanelGraph();
    EXPECT_FALSE(RecordingShown());
    EXPECT_FALSE(Visible(g_app.graphPanel, GRAPHP_SOURCE));
    EXPECT_EQ(Plots(GRAPHP_SIGGRAPH), 0);
}

TEST_F(GraphRecordingTest, DamagedAndForeignFilesAreNamedWithTheirLine)
{
    // Lines 1 to 4 are the header, rows from line 5: line 8 is cut in the middle.
    Open(Write("damaged.dat", header + Rows(0, 3) + "12-07-2026\t00:00:03\t3\t20\r\n" + Rows(4, 5)));
    EXPECT_EQ(Messages(), std::vector<std::string>{"Line 8 of damaged.dat is damaged! \nThe 3 rows before it "
                                                   "are shown."});
    ASSERT_TRUE(RecordingShown());
    EXPECT_EQ(RecordingRows(), 3u);
    EXPECT_EQ(Line(GRAPHP_STATS).substr(0, 9), "CH0: n = ");
    EXPECT_EQ(Line(GRAPHP_STATS).substr(9, 2), "3 ");

    // A foreign file changes nothing on the panel.
    Open(Write("foreign.dat", "[GENERAL INFO]\r\nFILE TYPE: = \"Parameter\"\r\n"));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"foreign.dat is not a record file! \nLine 1 does not fit the "
                                       "header of a record file."});
    EXPECT_EQ(RecordingRows(), 3u);
    EXPECT_EQ(Line(GRAPHP_SOURCE).substr(0, 12), "damaged.dat:");

    Open(dir + "/missing.dat");
    EXPECT_EQ(Messages(), std::vector<std::string>{"missing.dat could not be opened!"});
}

TEST_F(GraphRecordingTest, EscStopsTheReadingAndLeavesThePanelAsItWas)
{
    // About 4 MB: several chunks, with the window answering in between.
    const std::string path = Write("big.dat", header + Rows(0, 130000));
    // Esc once the reading is under way, as an operator watching the progress presses it.
    QTimer escape;
    QObject::connect(&escape, &QTimer::timeout, [&escape]() {
        if (Visible(g_app.graphPanel, GRAPHP_CANCELREAD)) {
            escape.stop();
            PressKey(g_app.graphPanel, Qt::Key_Escape);
        }
    });
    escape.start(0);
    Open(path);
    escape.stop();
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(RecordingShown());
    EXPECT_EQ(Line(GRAPHP_STATS), "Reading cancelled.");
    EXPECT_TRUE(Visible(g_app.graphPanel, GRAPHP_OPENREC));
    EXPECT_FALSE(Visible(g_app.graphPanel, GRAPHP_CANCELREAD));

    // Read to its end, the same file shows every row.
    Open(path);
    EXPECT_EQ(RecordingRows(), 130000u);
}
