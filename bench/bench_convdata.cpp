// The conversion data download (four prepared 512-byte blocks) through the program's
// SAVE CONVERSION DATA button against chromix-sim pacing every byte at 9600 baud:
// the time it takes against its wire time, and the longest time the window's event
// loop went without dispatching a 10 ms timer meanwhile. Prints figures only.
#include "app/app_state.h"
#include "convtable/conv_table.h"
#include "link/link_state.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "ui/popup_responder.h"
#include "ui/ui_init.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

// Per block: prepare request and ack (8 + 8 bytes), write request and ack (520 + 8).
constexpr int kWireBytes = 4 * (8 + 8 + 520 + 8);
constexpr double kBaud = 9600.0;
constexpr int kRuns = 3;

void SetRow(int row, int actual, int set)
{
    int page = g_app.mainPages[PAGE_CONVERSION_TABLE];
    SetTableCellVal(page, TABCONV_TABLE, MakePoint(1, row), actual);
    SetTableCellVal(page, TABCONV_TABLE, MakePoint(2, row), set);
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    SimProcess sim;
    if (!StartSim(sim, {"--tcp", "0", "--baud", "0", "--pace"})) {
        std::fprintf(stderr, "bench_convdata: the simulator did not start\n");
        return 1;
    }
    InitUserInterface(&argc, argv);
    std::string lastMessage;
    SetPopupResponder([&lastMessage](const PopupRequest &request) {
        lastMessage = request.message;
        return PopupAnswer{};
    });
    std::string dir = MakeTempProgramDir();
    if (StartProgramInDir(dir, TcpSettingsFile(sim.tcpPort)) < 0 || g_link.sensorConnected != 1) {
        std::fprintf(stderr, "bench_convdata: the program did not connect\n");
        return 1;
    }
    SetRow(64, 4095, 4095);

    double wire = kWireBytes * 10.0 / kBaud;
    std::printf("Conversion data download at 9600 baud (paced), wire time %.3f s:\n", wire);
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer sinceTick;
        qint64 longestGapMs = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout,
                         [&] { longestGapMs = std::max(longestGapMs, sinceTick.restart()); });
        ticker.start(10);
        sinceTick.start();
        QElapsedTimer download;
        download.start();
        DispatchCtrlEvent(g_app.convPanel, CONVP_SAVEDATAEE, EVENT_COMMIT, 0, 0);
        double seconds = download.nsecsElapsed() / 1e9;
        ticker.stop();
        std::printf("  run %d: %.3f s (%.2f x wire time), longest gap between 10 ms ticks %lld ms, \"%s\"\n",
                    run + 1, seconds, seconds / wire, (long long)longestGapMs, lastMessage.c_str());
    }
    SetPopupResponder(nullptr);
    StopProgram();
    StopSim(sim);
    std::system(("rm -rf '" + dir + "'").c_str());
    return 0;
}
