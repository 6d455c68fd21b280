// The polling loop against a scripted sensor, which records every request: SEND and
// GET between two frames, replies that carry no whole frame, a failure mid-loop,
// requests pending when the loop ends, GO/STOP/GO and the pace of the chart refreshes.
#include "live_test_env.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "connection/connection.h"
#include "link/frame.h"
#include "resource/panel_ids.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

#include <atomic>
#include <memory>
#include <vector>

namespace
{

std::vector<int> Commands(const std::vector<Bytes> &requests)
{
    std::vector<int> commands;
    for (const Bytes &request : requests)
        commands.push_back(request[1]);
    return commands;
}

// The number of the next live frame; frames are numbered from 1.
struct FrameCounter {
    std::atomic<int> served{0};
};

void PressStop()
{
    ClickButton(g_app.mainPanel, MAINP_STOP);
}

} // namespace

class LiveLoopTest : public LiveProgramTest
{
  protected:
    void SetUp() override
    {
        LiveProgramTest::SetUp();
        StartWithRawSensorOverTcp();
        ASSERT_EQ(g_link.sensorConnected, 1) << Status();
        counter = std::make_shared<FrameCounter>();
        auto shared = counter;
        AnswerLiveFrames([shared]() { return LiveFrameBytes(NumberedFrame(++shared->served)); });
        g_app.paraMemory = PARA_MEMORY_RAM;
        sensor.ClearRequests();
        ClearStatus();
    }

    std::shared_ptr<FrameCounter> counter;
};

TEST_F(LiveLoopTest, GoPollsUntilStopAndShowsTheLastFrame)
{
    bool sendOperable = false, goDimmed = false;
    RunLive({{FramesTaken(5), [&]() {
                  sendOperable = !Dimmed(g_app.mainPanel, MAINP_SEND);
                  goDimmed = Dimmed(g_app.mainPanel, MAINP_GO);
                  PressStop();
              }}});
    EXPECT_TRUE(sendOperable);
    EXPECT_TRUE(goDimmed);
    EXPECT_FALSE(Dimmed(g_app.mainPanel, MAINP_GO));
    EXPECT_FALSE(Dimmed(ConnectionPage(), TABCONN_CONNECT));
    const int frames = counter->served;
    EXPECT_GE(frames, 5);
    EXPECT_EQ(g_live.framesTaken, (unsigned long long)frames);
    // Every request was a live request, and the last frame is what the panel shows.
    for (int command : Commands(sensor.Requests()))
        EXPECT_EQ(command, ORDER_READ_DATA_FRAME);
    EXPECT_EQ(DisplayValue(DATAP_CH0), 1000 + frames);
    EXPECT_EQ(DisplayValue(DATAP_TEMP), -5 - frames);
    EXPECT_EQ(g_live.ch0History[kHistoryLength - 1], 1000 + frames);
    EXPECT_EQ(Status(), "");
}

TEST_F(LiveLoopTest, SendAndGetRunBetweenTwoFramesSendFirstAndPollingGoesOn)
{
    unsigned long long atRequest = 0;
    RunLive({{FramesTaken(3),
              [&]() {
                  // GET first, SEND second: the loop still serves the send first.
                  ClickButton(g_app.mainPanel, MAINP_GET);
                  ClickButton(g_app.mainPanel, MAINP_SEND);
                  atRequest = g_live.framesTaken;
              }},
             {[&]() { return g_live.framesTaken >= atRequest + 3; }, PressStop}});
    std::vector<int> commands = Commands(sensor.Requests());
    std::vector<int> transfers;
    size_t firstTransfer = commands.size();
    for (size_t i = 0; i < commands.size(); ++i) {
        if (commands[i] != ORDER_READ_DATA_FRAME) {
            transfers.push_back(commands[i]);
            firstTransfer = std::min(firstTransfer, i);
        }
    }
    EXPECT_EQ(transfers, (std::vector<int>{ORDER_WRITE_PARAMETERS, ORDER_READ_PARAMETERS}));
    ASSERT_LT(firstTransfer + 2, commands.size());
    EXPECT_EQ(commands[firstTransfer + 2], ORDER_READ_DATA_FRAME);
    EXPECT_EQ(g_loops.sendRequested, 0);
    EXPECT_EQ(g_loops.getRequested, 0);
    EXPECT_EQ(g_link.sensorConnected, 1) << Status();
}

TEST_F(LiveLoopTest, RepliesWithoutAWholeLiveFrameKeepThePreviousFrame)
{
    // Frame 1 is whole; every later reply is one byte short of a live frame. (A reply
    // echoing another command is not a reply at all: the link skips it and waits on.)
    auto served = std::make_shared<std::atomic<int>>(0);
    sensor.SetResponder([served](const Bytes &request) {
        if (request[1] != ORDER_READ_DATA_FRAME)
            return SensorLikeReply(request);
        int n = ++*served;
        Bytes whole = LiveFrameBytes(NumberedFrame(n));
        if (n == 1)
            return Reply(ORDER_READ_DATA_FRAME, 0, whole);
        return Reply(ORDER_READ_DATA_FRAME, 0, Bytes(whole.begin(), whole.begin() + 21));
    });
    RunLive({{[served]() { return *served >= 6; }, PressStop}});
    EXPECT_EQ(g_live.framesTaken, 1u);
    EXPECT_EQ(g_live.frame.Ch0, 1001);
    EXPECT_EQ(DisplayValue(DATAP_CH0), 1001);
    EXPECT_EQ(g_live.ch0History[kHistoryLength - 2], 0.0);
}

TEST_F(LiveLoopTest, AFailureMidLoopEndsItAndLeavesFrameDisplaysAndChartsAsTheyWere)
{
    auto served = std::make_shared<std::atomic<int>>(0);
    sensor.SetResponder([served](const Bytes &request) {
        if (request[1] != ORDER_READ_DATA_FRAME)
            return SensorLikeReply(request);
        int n = ++*served;
        Bytes frame = Frame(ORDER_READ_DATA_FRAME, 0, LiveFrameBytes(NumberedFrame(n)));
        if (n == 8)
            frame.back() ^= 0xFF; // the data no longer fits its CRC
        return ReplyPlan{{0.0, frame}};
    });
    RunLive({});
    EXPECT_EQ(*served, 8);
    EXPECT_EQ(g_live.framesTaken, 7u);
    EXPECT_EQ(g_live.frame.Ch0, 1007);
    EXPECT_EQ(DisplayValue(DATAP_CH0), 1007);
    EXPECT_EQ(g_live.ch0History[kHistoryLength - 1], 1007);
    ExpectLinkFailure(kBadDataText);
    EXPECT_EQ(Status().find("Live"), std::string::npos);
    EXPECT_FALSE(Dimmed(g_app.mainPanel, MAINP_GO));
}

TEST_F(LiveLoopTest, PendingSendIsServedAtStopButDroppedAfterAFailure)
{
    // STOP right after SEND: the set goes out before GO returns.
    RunLive({{FramesTaken(2), []() {
                  ClickButton(g_app.mainPanel, MAINP_SEND);
                  PressStop();
              }}});
    EXPECT_EQ(sensor.CountRequests(ORDER_WRITE_PARAMETERS), 1);
    EXPECT_EQ(Commands(sensor.Requests()).back(), ORDER_WRITE_PARAMETERS);
    EXPECT_EQ(g_loops.sendRequested, 0);

    // GET pressed while the reply that fails is awaited: the request goes with the loop,
    // also at the next GO.
    sensor.ClearRequests();
    auto served = std::make_shared<std::atomic<int>>(0);
    sensor.SetResponder([served](const Bytes &request) {
        if (request[1] != ORDER_READ_DATA_FRAME)
            return SensorLikeReply(request);
        if (++*served == 3)
            return Reply(kErrorReplyCommand, kErrorCommunication, Bytes(), 0.2);
        return Reply(ORDER_READ_DATA_FRAME, 0, LiveFrameBytes(NumberedFrame(*served)));
    });
    RunLive({{[served]() { return *served >= 3; }, []() { ClickButton(g_app.mainPanel, MAINP_GET); }}});
    EXPECT_EQ(g_loops.getRequested, 0);
    EXPECT_EQ(g_link.sensorConnected, 0);
    TryToConnect();
    ASSERT_EQ(g_link.sensorConnected, 1) << Status();
    sensor.ClearRequests();
    RunLive({{FramesTaken(g_live.framesTaken + 2), PressStop}});
    EXPECT_EQ(sensor.CountRequests(ORDER_READ_PARAMETERS), 0);
}

TEST_F(LiveLoopTest, GoStopGoContinuesTheChartsAndRefreshesAtTheScreensPace)
{
    RunLive({{FramesTaken(30), PressStop}});
    const unsigned long long firstRun = g_live.framesTaken;
    std::vector<double> before(g_live.ch0History, g_live.ch0History + kHistoryLength);
    EXPECT_EQ(before.back(), 1000.0 + firstRun);

    const unsigned long long refreshesBefore = g_live.chartRefreshes;
    const double start = WallSeconds();
    RunLive({{FramesTaken(firstRun + 20), PressStop}});
    const double seconds = WallSeconds() - start;
    const unsigned long long added = g_live.framesTaken - firstRun;
    ASSERT_LT(added, (unsigned long long)kHistoryLength);
    for (size_t i = 0; i + added < kHistoryLength; ++i)
        EXPECT_EQ(g_live.ch0History[i], before[i + added]) << i;
    EXPECT_EQ(g_live.ch0History[kHistoryLength - 1], 1000.0 + g_live.framesTaken);

    // Never more than 60 refreshes a second, and the last frame is always shown.
    const unsigned long long refreshes = g_live.chartRefreshes - refreshesBefore;
    EXPECT_LE(refreshes, 60.0 * seconds + 2) << added << " frames in " << seconds << " s";
    EXPECT_GE(refreshes, 1u);
    EXPECT_EQ(DisplayValue(DATAP_CH0), 1000 + (int)g_live.framesTaken);
}
