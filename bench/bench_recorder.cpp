// Prints, for a triggered recording against chromix-sim pushing 1000 frames per second
// over TCP, the frames the simulator pushed (its own count) against the frames the
// recording took and the rows in the file, and the program's CPU share; a bare client
// in the same run shows what the simulator manages on this machine. Then the CPU
// share while the recording waits for frames pushed once a second.
#include "app/app_state.h"
#include "app/long_operation.h"
#include "bench_clock.h"
#include "link/link_state.h"
#include "recorder/auto_send.h"
#include "recorder/recorder.h"
#include "recorder/recorder_state.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "ui/popup_responder.h"
#include "ui/ui_init.h"
#include "ui/userint.h"

#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>

namespace
{

constexpr double kFastSeconds = 5.0;
constexpr double kSlowSeconds = 5.0;

PopupAnswer AnswerLikeOperator(const PopupRequest &request, const std::string &file)
{
    PopupAnswer answer;
    if (request.kind == POPUP_CONFIRM)
        answer.result = 1;
    if (request.kind == POPUP_FILE_SELECT) {
        answer.result = VAL_NEW_FILE_SELECTED;
        answer.path = file;
    }
    return answer;
}

// Frames a bare client receives in `seconds` after an auto-send start.
long CountPushedFrames(int port, double seconds)
{
    SimClient client;
    if (!ConnectSimTcp(client, port))
        return -1;
    SimReply reply;
    if (!ExchangeFrame(client, 30, 1, {}, reply))
        return -1;
    long frames = 0;
    double start = Timer();
    while (Timer() - start < seconds)
        if (ReadReply(client, reply, 0.5) && reply.header.command == 8)
            ++frames;
    ExchangeFrame(client, 30, 0, {}, reply);
    CloseSimClient(client);
    return frames;
}

long CountRows(const std::string &file)
{
    std::string text = ReadWholeFile(file);
    long lines = 0;
    for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2)
        ++lines;
    return lines - 3; // title, empty line, column header
}

struct Run {
    double wall;
    double cpu;
    unsigned long long frames;
};

// A triggered recording stopped after `seconds`, as STOP does.
Run RecordTriggered(double seconds)
{
    QTimer::singleShot((int)(seconds * 1000), []() { StopLoop(LOOP_LIVE); });
    double wall = Timer();
    double cpu = ProcessCpuSeconds();
    TriggeredRecord();
    Run run{Timer() - wall, ProcessCpuSeconds() - cpu, g_recorder.frameCounter};
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    SimProcess sim;
    if (!StartSim(sim, {"--tcp", "0", "--push-rate", "1000"})) {
        std::fprintf(stderr, "bench_recorder: the simulator did not start\n");
        return 1;
    }
    InitUserInterface(&argc, argv);
    std::string dir = MakeTempProgramDir();
    std::string file = dir + "/bench.dat";
    SetPopupResponder([file](const PopupRequest &request) { return AnswerLikeOperator(request, file); });

    long pushed = CountPushedFrames(sim.tcpPort, kFastSeconds);
    if (StartProgramInDir(dir, TcpSettingsFile(sim.tcpPort)) < 0 || g_link.sensorConnected != 1) {
        std::fprintf(stderr, "bench_recorder: the program did not connect\n");
        return 1;
    }
    SelRecFile();
    long long pushedBefore = SimPushCount(sim);
    Run fast = RecordTriggered(kFastSeconds);
    StopAutoSend();
    long long pushedToProgram = SimPushCount(sim) - pushedBefore;
    long rows = CountRows(file);
    std::printf("push rate 1000/s over TCP, %.1f s each:\n", kFastSeconds);
    std::printf("  frames pushed to a bare client:    %ld (%.0f/s)\n", pushed, pushed / kFastSeconds);
    std::printf("  frames pushed to the program:      %lld (%.0f/s)\n", pushedToProgram,
                pushedToProgram / fast.wall);
    std::printf("  frames taken by the recording:     %llu\n", fast.frames);
    std::printf("  rows in the record file:           %ld\n", rows);
    std::printf("  rows / frames pushed:              %.3f\n",
                pushedToProgram > 0 ? (double)rows / pushedToProgram : 0.0);
    std::printf("  program CPU share while recording: %.1f %% of one core\n", 100.0 * fast.cpu / fast.wall);
    std::printf("  recording ran %.2f s; link message: \"%s\"\n", fast.wall, g_link.message);

    SendSimControl(sim, "push-rate 1");
    Run slow = RecordTriggered(kSlowSeconds);
    StopAutoSend();
    std::printf("push rate 1/s, %.1f s waiting for frames: %llu frames, CPU share %.2f %% of one core\n",
                kSlowSeconds, slow.frames, 100.0 * slow.cpu / slow.wall);

    StopProgram();
    StopSim(sim);
    std::system(("rm -rf '" + dir + "'").c_str());
    return 0;
}
