#include "live_test_env.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "resource/panel_ids.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

#include <QTimer>

#include <cstring>
#include <memory>

void LiveProgramTest::RunLive(std::vector<LoopStep> steps)
{
    auto pending = std::make_shared<std::vector<LoopStep>>(std::move(steps));
    const double start = WallSeconds();
    bool overran = false;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [pending, start, &overran]() {
        if (WallSeconds() - start > 20.0) {
            overran = true;
            StopLoop(LOOP_LIVE);
            return;
        }
        if (pending->empty() || !LoopRunning(LOOP_LIVE) || !pending->front().ready())
            return;
        LoopStep step = pending->front();
        pending->erase(pending->begin());
        step.action();
    });
    ticker.start();
    ASSERT_TRUE(ClickButton(g_app.mainPanel, MAINP_GO));
    ticker.stop();
    EXPECT_FALSE(overran) << "the loop did not end";
    EXPECT_TRUE(pending->empty()) << pending->size() << " steps did not run";
    EXPECT_FALSE(LoopRunning(LOOP_LIVE));
}

void LiveProgramTest::AnswerLiveFrames(std::function<Bytes()> frame)
{
    sensor.SetResponder([frame](const Bytes &request) {
        if (request[1] == 8)
            return Reply(8, 0, frame());
        return SensorLikeReply(request);
    });
}

std::function<bool()> LiveProgramTest::FramesTaken(unsigned long long count)
{
    return [count]() { return g_live.framesTaken >= count; };
}

std::function<bool()> LiveProgramTest::Always()
{
    return []() { return true; };
}

int LiveProgramTest::DisplayValue(int control)
{
    int value = -99999;
    GetCtrlVal(g_app.dataPanel, control, &value);
    return value;
}

int LiveProgramTest::Led(int control)
{
    return DisplayValue(control);
}

Bytes LiveFrameBytes(const LiveFrame &frame)
{
    Bytes bytes(sizeof frame);
    std::memcpy(bytes.data(), &frame, sizeof frame);
    return bytes;
}

LiveFrame NumberedFrame(int n)
{
    LiveFrame frame{};
    frame.Ch0 = (int16_t)(1000 + n);
    frame.Sig = (int16_t)(2000 + n);
    frame.RefSig1 = 1500;
    frame.RefSig2 = 2500;
    frame.Temp = (int16_t)(-5 - n);
    frame.RefCh0 = 300;
    frame.OutState = (uint16_t)(n % 4);
    frame.InBits = (uint8_t)(n % 4);
    frame.MaxMinA = 3000;
    frame.MaxMinB = 100;
    frame.AnaOut = (int16_t)(n % 4096);
    return frame;
}
