// Record files on the graph panel and the statistics lines, in the real program
// (offscreen). Prints, each measured side by side in one run:
//   1. OPEN RECORDING of a 1,000,000-row record file (read, plotted, its statistics,
//      one repaint) against a bare read and parse of the same file into arrays, and the
//      resident memory the shown file takes against its raw column data;
//   2. one redraw of the zoomed-out graph panel holding 1,000,000 rows against one
//      holding 1,000 rows;
//   3. live polling over TCP loopback with the statistics lines shown against without.
// Prints figures only.
#include "app/app_state.h"
#include "app/child_panels.h"
#include "bench_clock.h"
#include "bench_live_run.h"
#include "link/link_state.h"
#include "live/chart_statistics.h"
#include "live/graph_panel.h"
#include "live/graph_recording.h"
#include "recorder/record_file.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "ui/ui_init.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QApplication>
#include <QImage>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{

constexpr int kLargeRows = 1000000;
constexpr int kSmallRows = 1000;
constexpr int kRowBytes = 10; // CH0, TEMP, SIG as 16-bit values and the time as 32 bits

// A recording as the recorder writes it: a signal with noise, a row a second.
void WriteRecordFile(const std::string &path, int rows)
{
    std::string text = RecordFileHeader("");
    text.reserve(size_t(rows) * 36);
    uint32_t noise = 12345;
    for (int k = 0; k < rows; ++k) {
        noise = noise * 1103515245u + 12345u;
        LiveFrame frame{};
        frame.Ch0 = int16_t(2000 + 1500 * std::sin(k / 5000.0) + (noise >> 24));
        frame.Sig = int16_t(frame.Ch0 / 2 + 100);
        frame.Temp = int16_t(300 + k / 100000);
        char date[11], time[9];
        std::snprintf(date, sizeof date, "12-%02d-2026", 7 + k / 86400);
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", k / 3600 % 24, k / 60 % 60, k % 60);
        text += RecordFileRow(frame, date, time);
    }
    WriteWholeFile(path, text);
}

struct BareColumns {
    std::vector<int16_t> ch0, temp, sig;
    std::vector<uint32_t> seconds;
};

int Number(const char *&p, const char *end)
{
    int value = 0;
    const std::from_chars_result result = std::from_chars(p, end, value);
    p = result.ptr + 1; // past the separator
    return value;
}

void ParseRow(const char *p, const char *end, BareColumns &columns)
{
    const int month = Number(p, end), day = Number(p, end), year = Number(p, end);
    const int hour = Number(p, end), minute = Number(p, end), second = Number(p, end);
    columns.seconds.push_back(
        uint32_t(((year * 12 + month) * 31 + day) * 86400 + hour * 3600 + minute * 60 + second));
    columns.ch0.push_back(int16_t(Number(p, end)));
    columns.temp.push_back(int16_t(Number(p, end)));
    columns.sig.push_back(int16_t(Number(p, end)));
}

// The plain way: the file in blocks of 1 MiB, each whole line's fields with from_chars
// into arrays reserved for the file's size, no checks.
BareColumns BareParse(const std::string &path)
{
    BareColumns columns;
    const size_t rows = std::filesystem::file_size(path) / 27;
    columns.ch0.reserve(rows);
    columns.temp.reserve(rows);
    columns.sig.reserve(rows);
    columns.seconds.reserve(rows);
    std::FILE *file = std::fopen(path.c_str(), "rb");
    std::vector<char> block(1 << 20);
    size_t kept = 0;
    bool inRows = false;
    for (;;) {
        const size_t got = std::fread(block.data() + kept, 1, block.size() - kept, file);
        if (got == 0)
            break;
        const char *p = block.data();
        const char *end = block.data() + kept + got;
        const char *newline;
        while ((newline = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)))) != nullptr) {
            if (inRows)
                ParseRow(p, newline, columns);
            else
                inRows = newline - p >= 4 && std::memcmp(newline - 4, "SIG\r", 4) == 0;
            p = newline + 1;
        }
        kept = size_t(end - p);
        std::memmove(block.data(), p, kept);
    }
    std::fclose(file);
    return columns;
}

// OPEN RECORDING after the file dialog, up to the graph painted.
double OpenSeconds(const std::string &path)
{
    InitPanelGraph();
    const double start = WallSeconds();
    ReadRecordingFile(path.c_str());
    ProcessSystemEvents();
    return WallSeconds() - start;
}

QWidget *ShownGraph()
{
    return CtrlWidget(g_app.graphPanel, kSignalGraphs[SelectedSignal()]);
}

// CPU time of one redraw of the graph on view.
double RedrawSeconds(int frames)
{
    QWidget *graph = ShownGraph();
    QImage image(graph->size(), QImage::Format_ARGB32_Premultiplied);
    graph->render(&image);
    const double start = ProcessCpuSeconds();
    for (int i = 0; i < frames; ++i)
        graph->render(&image);
    return (ProcessCpuSeconds() - start) / frames;
}

void RecordFiles(const std::string &dir)
{
    const std::string large = dir + "/large.dat", small = dir + "/small.dat";
    WriteRecordFile(large, kLargeRows);
    WriteRecordFile(small, kSmallRows);
    const double megabytes = std::filesystem::file_size(large) / 1e6;
    ShowChildPanelDisp(g_app.graphPanel);

    // Memory first, with nothing else of size held: what the shown file adds.
    InitPanelGraph();
    ProcessSystemEvents();
    const long before = ResidentKiB();
    OpenSeconds(large);
    const long shown = ResidentKiB() - before;
    const double raw = kLargeRows * double(kRowBytes) / 1024.0;
    if (RecordingRows() != (unsigned long long)kLargeRows)
        std::fprintf(stderr, "bench_recording: %llu rows shown\n", RecordingRows());

    // Both ways alternate, so that a change of the machine's load hits both alike.
    double open = 1e30, bare = 1e30;
    size_t bareRows = 0;
    for (int i = 0; i < 3; ++i) {
        open = std::min(open, OpenSeconds(large));
        const double start = WallSeconds();
        bareRows = BareParse(large).sig.size();
        bare = std::min(bare, WallSeconds() - start);
    }
    std::printf("OPEN RECORDING of %d rows (%.1f MB): %6.3f s, bare read and parse into arrays (%zu rows) "
                "%6.3f s: %4.2fx (goal <= 2x)\n",
                kLargeRows, megabytes, open, bareRows, bare, open / bare);
    std::printf(
        "resident memory of the shown file: %ld KiB, raw column data %.0f KiB (10 bytes a row): %4.2fx "
        "(goal <= 2x)\n",
        shown, raw, shown / raw);

    const double largeRedraw = RedrawSeconds(200);
    OpenSeconds(small);
    const double smallRedraw = RedrawSeconds(200);
    std::printf("redraw of the zoomed-out graph panel: %d rows %7.1f us, %d rows %7.1f us: %4.2fx (goal <= "
                "3x)\n",
                kLargeRows, largeRedraw * 1e6, kSmallRows, smallRedraw * 1e6, largeRedraw / smallRedraw);
    InitPanelGraph();
}

void PollingWithStatistics()
{
    ShowChildPanelDisp(g_app.dataPanel);
    SetActiveTabPage(g_app.dataPanel, DATAP_TAB, DATA_PAGE_EVALUATION);
    RunLive(0.3); // warm-up
    LiveRun with, without;
    for (int i = 0; i < 8; ++i) {
        SetChartStatisticsShown(i % 2 == 0);
        LiveRun &run = i % 2 == 0 ? with : without;
        const LiveRun part = RunLive(0.75);
        run.frames += part.frames;
        run.seconds += part.seconds;
    }
    SetChartStatisticsShown(true);
    const double fpsWith = with.frames / with.seconds, fpsWithout = without.frames / without.seconds;
    std::printf("live polling over TCP: with the statistics lines %7.1f frames/s, without %7.1f frames/s: "
                "%5.1f %% (goal >= 95 %%)\n",
                fpsWith, fpsWithout, 100.0 * fpsWith / fpsWithout);
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    InitUserInterface(&argc, argv);
    const std::string dir = MakeTempProgramDir();
    SimProcess sim;
    if (StartSim(sim, {"--tcp", "0"}) && StartProgramInDir(dir, TcpSettingsFile(sim.tcpPort)) == 0 &&
        g_link.sensorConnected == 1) {
        DisplayPanel(g_app.mainPanel);
        RecordFiles(dir);
        PollingWithStatistics();
        StopProgram();
    } else {
        std::fprintf(stderr, "bench_recording: the program did not connect to the simulator\n");
    }
    StopSim(sim);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
