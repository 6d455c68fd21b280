// live: one line per frame on standard output, written as a row of the record file,
// flushed at once so that a pipe sees every frame when it comes.
#include "app/long_operation.h"
#include "cli/cli_commands.h"
#include "cli/cli_exit.h"
#include "cli/cli_publish.h"
#include "cli/cli_session.h"
#include "cli/cli_texts.h"
#include "connection/reconnect.h"
#include "live/live_loop.h"
#include "live/live_state.h"
#include "recorder/record_file.h"
#include "ui/userint.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace
{

// The wait between requests sleeps until an event or this step, so a signal is seen
// at once and no core spins.
constexpr double kPacingStep = 0.05;

bool WriteLine(const std::string &line)
{
    return std::fwrite(line.data(), 1, line.size(), stdout) == line.size() && std::fflush(stdout) == 0;
}

long long UnixMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

// False when the loop was stopped during the wait.
bool WaitUntil(double time, bool publishing)
{
    for (;;) {
        if (!LoopRunning(LOOP_LIVE))
            return false;
        if (publishing)
            ServicePublishing();
        double left = time - Timer();
        if (left <= 0.0)
            return true;
        WaitSystemEvents(left < kPacingStep ? left : kPacingStep);
    }
}

// One frame's row on standard output and, with --publish, on the broker.
bool ShowFrame(bool publishing)
{
    char date[11];
    char time[9];
    long long now = UnixMilliseconds();
    CurrentDateAndTime(date, time);
    if (!WriteLine(RecordFileRow(g_live.frame, date, time)))
        return false;
    if (publishing)
        PublishFrame(g_live.frame, now, date, time);
    return true;
}

int PollFrames(const CliOptions &options, bool publishing)
{
    if (!StartLoop(LOOP_LIVE))
        return kExitDone;
    const double interval = options.interval > 0.0 ? options.interval : 0.0;
    unsigned long long shown = 0;
    int status = kExitDone;
    StartOutageCount();
    while (LoopRunning(LOOP_LIVE) && (options.count == 0 || shown < options.count)) {
        if (LinkLostDuringLoop() && !ResumeAfterLinkLoss())
            break;
        double cycleStart = Timer();
        if (RequestLiveFrame() == 1) {
            if (!ShowFrame(publishing)) {
                PrintMessage(Tr(kTxtCliOutputClosed));
                status = kExitFileProblem;
                break;
            }
            ++shown;
        }
        bool more = options.count == 0 || shown < options.count;
        if (more && interval > 0.0 && !WaitUntil(cycleStart + interval, publishing))
            break;
    }
    SettleLinkLoss();
    EndLoop(LOOP_LIVE);
    return status;
}

} // namespace

int RunLiveCommand(const CliOptions &options)
{
    if (!ConnectSensor())
        return kExitLinkFailed;
    bool publishing = !options.publish.empty();
    if (publishing && !StartPublishing(options))
        return kExitLinkFailed;
    int status = kExitDone;
    if (WriteLine(RecordFileColumns()))
        status = PollFrames(options, publishing);
    else
        status = kExitFileProblem;
    if (publishing)
        FinishPublishing();
    return status;
}
