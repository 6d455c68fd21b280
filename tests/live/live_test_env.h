#pragma once
// The real program polling live data: GO pressed on the main panel, with actions that
// run inside the loop (nested in the link's waits, as an operator's clicks do) when
// their condition is met, and scripted live frames for the raw sensor.

#include "link/link_state.h"
#include "live/live_state.h"
#include "support/link_test_env.h"

#include <functional>
#include <vector>

struct LoopStep {
    std::function<bool()> ready; // tested every few milliseconds while the loop runs
    std::function<void()> action;
};

class LiveProgramTest : public LinkProgramTest
{
  protected:
    // Presses GO and returns when its callback returns. The steps run one after the
    // other inside the loop; a loop still running 20 s after GO is stopped (and the
    // test fails).
    void RunLive(std::vector<LoopStep> steps);
    // The raw sensor answers command 8 with `frame()` and everything else like a sensor.
    void AnswerLiveFrames(std::function<Bytes()> frame);

    static std::function<bool()> FramesTaken(unsigned long long count);
    static std::function<bool()> Always();
    static int DisplayValue(int control);
    static int Led(int control);
};

Bytes LiveFrameBytes(const LiveFrame &frame);
// A frame whose fields grow with n, so that two frames never look alike.
LiveFrame NumberedFrame(int n);
