// Triggered recording: pushed frames over TCP (a scripted sensor that glues and splits
// them, and chromix-sim) and over a pseudo-terminal, the auto-send stop however the
// recording ended.
#include "recorder_test_env.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "link/frame.h"
#include "live/graph_panel.h"
#include "live/live_state.h"
#include "recorder/recorder_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <algorithm>

namespace
{

constexpr int kPushedFrames = 40;

Bytes LiveFramePayload(int i)
{
    Bytes payload(kLiveFrameBytes, 0);
    PutLe16(&payload[0], (unsigned)(100 + i));       // Ch0
    PutLe16(&payload[2], (unsigned)(1000 + i));      // Sig
    PutLe16(&payload[8], (unsigned)(short)(i - 20)); // Temp, negative for the first half
    return payload;
}

// The auto-send start's ack with the first bytes of the first frame glued to it, then
// the 40 frames cut into chunks that split headers and payloads and glue frames.
ReplyPlan PushedFramesInMixedChunks()
{
    Bytes stream;
    for (int i = 0; i < kPushedFrames; ++i) {
        Bytes frame = Frame(ORDER_READ_DATA_FRAME, 0, LiveFramePayload(i));
        stream.insert(stream.end(), frame.begin(), frame.end());
    }
    Bytes first = Frame(ORDER_AUTO_SEND, 1);
    first.insert(first.end(), stream.begin(), stream.begin() + 5);
    ReplyPlan plan{ReplyStep{0.0, first}};
    const size_t chunks[] = {3, 61, 1, 30, 90, 13, 7, 29, 31, 200, 2, 17};
    size_t at = 5;
    for (size_t k = 0; at < stream.size(); ++k) {
        size_t size = std::min(chunks[k % (sizeof chunks / sizeof chunks[0])], stream.size() - at);
        plan.push_back(ReplyStep{0.01, Bytes(stream.begin() + at, stream.begin() + at + size)});
        at += size;
    }
    return plan;
}

std::vector<std::pair<int, int>> AutoSendRequests(const std::vector<Bytes> &requests)
{
    std::vector<std::pair<int, int>> found;
    for (const Bytes &request : requests)
        if (request[1] == ORDER_AUTO_SEND)
            found.push_back({request[1], GetLe16(&request[2])});
    return found;
}

} // namespace

TEST_F(RecorderTest, PushedFramesGluedAndSplitOverTcpGiveOneRowEach)
{
    StartWithRawSensor([](const Bytes &request) {
        if (request[1] == ORDER_AUTO_SEND && GetLe16(&request[2]) == 1)
            return PushedFramesInMixedChunks();
        return SensorLikeReply(request);
    });
    SelectFile(recordFile);
    Commit(TABREC_MODE, 3);
    PressAfterFrames(TABREC_STOP, kPushedFrames);
    const unsigned long long refreshesBefore = g_live.chartRefreshes;
    const unsigned long long samplesBefore = GraphPanelSampleCount();
    const double start = Timer();

    Press(TABREC_STARTTRIG);

    // Every frame joins the graph panel; the displays refresh at the screen's pace
    // and end on the last frame.
    const double seconds = Timer() - start;
    EXPECT_EQ(GraphPanelSampleCount() - samplesBefore, (unsigned long long)kPushedFrames);
    EXPECT_LE(g_live.chartRefreshes - refreshesBefore, 60.0 * seconds + 2);
    int ch0 = 0, graphCh0 = 0;
    GetCtrlVal(g_app.dataPanel, DATAP_CH0, &ch0);
    GetCtrlVal(g_app.graphPanel, GRAPHP_CH0, &graphCh0);
    EXPECT_EQ(ch0, 100 + kPushedFrames - 1);
    EXPECT_EQ(graphCh0, 100 + kPushedFrames - 1);

    std::vector<std::string> rows = Rows();
    ASSERT_EQ(rows.size(), (size_t)kPushedFrames) << FileText();
    for (int i = 0; i < kPushedFrames; ++i) {
        EXPECT_TRUE(RowIsWellFormed(rows[i])) << rows[i];
        EXPECT_EQ(RowValues(rows[i]), (std::vector<int>{100 + i, i - 20, 1000 + i}));
    }
    EXPECT_EQ(IntValue(TABREC_FRAMECOUNTER), kPushedFrames);
    EXPECT_EQ(AutoSendRequests(sensor.Requests()),
              (std::vector<std::pair<int, int>>{{ORDER_AUTO_SEND, 1}, {ORDER_AUTO_SEND, 0}}));
    EXPECT_EQ(Messages().back(), "File has been saved!");
    int colour = 0;
    GetCtrlAttribute(Page(), TABREC_STARTTRIG, ATTR_CMD_BUTTON_COLOR, &colour);
    EXPECT_EQ(colour, VAL_LT_GRAY);
}

TEST_F(RecorderTest, ModeSelectorEndsTriggeredRecordingAndAutoSendIsStopped)
{
    StartWithRawSensor([](const Bytes &request) {
        if (request[1] == ORDER_AUTO_SEND && GetLe16(&request[2]) == 1)
            return PushedFramesInMixedChunks();
        return SensorLikeReply(request);
    });
    SelectFile(recordFile);
    Commit(TABREC_MODE, 3);
    PressAfterFrames(TABREC_MODE, 10);
    Press(TABREC_STARTTRIG);
    EXPECT_FALSE(LoopRunning(LOOP_LIVE));
    EXPECT_EQ(Rows().size(), g_recorder.frameCounter);
    EXPECT_GE(g_recorder.frameCounter, 10u);
    // The scripted sensor reads the stop once it has sent what it was pushing.
    for (double start = Timer(); AutoSendRequests(sensor.Requests()).size() < 2 && Timer() - start < 3.0;)
        WaitSystemEvents(0.01);
    EXPECT_EQ(AutoSendRequests(sensor.Requests()).back(), std::make_pair(ORDER_AUTO_SEND, 0));
}

TEST_F(RecorderTest, TriggeredRecordingFromSimulatorOverTcpAndSerial)
{
    for (bool serial : {false, true}) {
        SCOPED_TRACE(serial ? "serial" : "tcp");
        if (serial) {
            TearDown();
            SetUp();
            StartWithSimOverPty({"--push-rate", "100"});
        } else {
            StartWithSim({"--push-rate", "100"});
        }
        SelectFile(recordFile);
        Commit(TABREC_MODE, 3);
        PressAfterFrames(TABREC_STOP, 20);
        Press(TABREC_STARTTRIG);
        std::vector<std::string> rows = Rows();
        EXPECT_GE(rows.size(), 20u);
        EXPECT_EQ(rows.size(), g_recorder.frameCounter);
        for (const std::string &row : rows)
            EXPECT_TRUE(RowIsWellFormed(row)) << row;
        EXPECT_EQ(Messages().back(), "File has been saved!");
    }
}
