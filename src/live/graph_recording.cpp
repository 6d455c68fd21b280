#include "live/graph_recording.h"

#include "app/app_state.h"
#include "app/language.h"
#include "app/long_operation.h"
#include "live/chart_pause.h"
#include "live/chart_statistics.h"
#include "live/graph_panel.h"
#include "live/live_texts.h"
#include "platform/paths.h"
#include "recorder/record_reader.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cstdio>
#include <string>

namespace
{

// About a thirtieth of a million-row file: the window answers between two chunks.
constexpr size_t kChunkBytes = 1u << 20;
constexpr const char *kRecordFileTypes = "*.dat";

struct GraphRecording {
    bool shown = false;
    bool reading = false;
    bool cancelRequested = false;
    RecordColumns columns;
    std::string path;
    int plot = 0; // on the graph of the selected signal
};

GraphRecording g_graphRecording;

std::string FileName(const std::string &path)
{
    char name[MAX_PATHNAME_LEN] = "";
    SplitPath(path.c_str(), nullptr, nullptr, name);
    return name;
}

std::string Formatted(const TextPair &format, const std::string &name, long long number)
{
    char text[1024];
    std::snprintf(text, sizeof text, Tr(format), name.c_str(), number);
    return text;
}

void ShowInfo(const std::string &text)
{
    MessagePopup(Tr(kTxtInfoTitle), text.c_str());
}

void ShowStatusLine(const std::string &text)
{
    SetCtrlAttribute(g_app.graphPanel, GRAPHP_STATS, ATTR_VISIBLE, 1);
    SetCtrlVal(g_app.graphPanel, GRAPHP_STATS, text.c_str());
}

void SetReadingControls(bool reading)
{
    SetCtrlAttribute(g_app.graphPanel, GRAPHP_OPENREC, ATTR_VISIBLE, reading ? 0 : 1);
    SetCtrlAttribute(g_app.graphPanel, GRAPHP_CANCELREAD, ATTR_VISIBLE, reading ? 1 : 0);
}

bool ReadingStopped()
{
    return g_graphRecording.cancelRequested || !g_graphRecording.reading || QuitRequested();
}

// Reads chunk after chunk with the window answering in between; RECORD_READ_MORE when
// the reading was stopped before the end.
int ReadChunks(RecordReader &reader, const std::string &name)
{
    g_graphRecording.reading = true;
    g_graphRecording.cancelRequested = false;
    SetReadingControls(true);
    int shownPercent = -1;
    int status = RECORD_READ_MORE;
    while (status == RECORD_READ_MORE && !ReadingStopped()) {
        status = ReadRecordChunk(reader, kChunkBytes);
        const int percent = int(RecordReadProgress(reader) * 100.0);
        if (percent != shownPercent) {
            ShowStatusLine(Formatted(kTxtRecReading, name, percent));
            shownPercent = percent;
        }
        ProcessSystemEvents();
    }
    const bool takenOver = !g_graphRecording.reading;
    g_graphRecording.reading = false;
    SetReadingControls(false);
    if (status == RECORD_READ_MORE && !takenOver)
        ShowStatusLine(Tr(kTxtRecReadCancelled));
    return takenOver ? RECORD_READ_MORE : status;
}

// The message of a reading that failed; true when the rows before the failure are
// worth showing.
bool ReportReadFailure(const RecordReader &reader, const std::string &name)
{
    const unsigned long long rows = reader.columns.rows();
    char text[1024];
    switch (reader.error) {
    case RECORD_ERROR_NOT_RECORD_FILE:
        ShowInfo(Formatted(kTxtRecNotRecordFile, name, reader.errorLine));
        return false;
    case RECORD_ERROR_DAMAGED_ROW:
        std::snprintf(text, sizeof text, Tr(kTxtRecDamagedRow), reader.errorLine, name.c_str(), rows);
        ShowInfo(text);
        return rows > 0;
    case RECORD_ERROR_READ:
        std::snprintf(text, sizeof text, Tr(kTxtRecReadFailed), name.c_str(), rows);
        ShowInfo(text);
        return rows > 0;
    default:
        ShowInfo(Formatted(kTxtRecOpenFailed, name, 0));
        return false;
    }
}

void DeleteAllPlots()
{
    for (int signal = 0; signal < SIGNAL_COUNT; ++signal)
        DeleteGraphPlot(g_app.graphPanel, kSignalGraphs[signal], VAL_ALL_PLOTS, VAL_DELAYED_DRAW);
    g_graphRecording.plot = 0;
}

std::string SourceText(const GraphRecording &recording)
{
    const std::string name = FileName(recording.path);
    const std::vector<uint32_t> &time = recording.columns.time;
    if (time.empty())
        return Formatted(kTxtRecSourceEmpty, name, 0);
    char text[1024];
    std::snprintf(text, sizeof text, Tr(kTxtRecSource), name.c_str(), (unsigned long long)time.size(),
                  FormatRecordTime(time.front()).c_str(), FormatRecordTime(time.back()).c_str());
    return text;
}

void ShowRecording(const std::string &path, RecordColumns &columns)
{
    // A file is looked at as it is: the charts' PAUSE is for live samples.
    ResumeCharts();
    ForgetLivePlots();
    g_graphRecording.shown = true;
    g_graphRecording.path = path;
    g_graphRecording.columns = std::move(columns);
    SetPanelAttribute(g_app.graphPanel, ATTR_TITLE, FileName(path).c_str());
    SetCtrlVal(g_app.graphPanel, GRAPHP_SOURCE, SourceText(g_graphRecording).c_str());
    SetCtrlAttribute(g_app.graphPanel, GRAPHP_SOURCE, ATTR_VISIBLE, 1);
    ShowRecordingSignal(SelectedSignal());
}

const std::vector<int16_t> &SignalColumn(int signal)
{
    const RecordColumns &columns = g_graphRecording.columns;
    return signal == SIGNAL_SIG ? columns.sig : signal == SIGNAL_TEMP ? columns.temp : columns.ch0;
}

} // namespace

bool RecordingShown(void)
{
    return g_graphRecording.shown;
}

void OpenRecording(void)
{
    if (AnyLoopActive()) {
        ShowInfo(Tr(kTxtRecStopFirst));
        return;
    }
    if (g_graphRecording.reading)
        return;
    char drive[MAX_PATHNAME_LEN] = "";
    char directory[MAX_PATHNAME_LEN] = "";
    SplitPath(g_app.recorderFilePath, drive, directory, nullptr);
    const std::string startDirectory = std::string(drive) + directory;
    char path[MAX_PATHNAME_LEN] = "";
    if (FileSelectPopup(startDirectory.c_str(), kRecordFileTypes, kRecordFileTypes, Tr(kTxtOpenRecTitle),
                        VAL_LOAD_BUTTON, 0, 0, 1, 0, path) <= VAL_NO_FILE_SELECTED)
        return;
    ReadRecordingFile(path);
}

void ReadRecordingFile(const char *path)
{
    const std::string name = FileName(path);
    RecordReader reader;
    if (!OpenRecordReader(reader, path)) {
        ShowInfo(Formatted(kTxtRecOpenFailed, name, 0));
        return;
    }
    const int status = ReadChunks(reader, name);
    if (status == RECORD_READ_MORE)
        return;
    if (status == RECORD_READ_FAILED && !ReportReadFailure(reader, name))
        return;
    ShowRecording(path, reader.columns);
}

void CancelRecordingRead(void)
{
    g_graphRecording.cancelRequested = true;
}

void ShowRecordingSignal(int signal)
{
    if (!g_graphRecording.shown)
        return;
    DeleteAllPlots();
    const std::vector<int16_t> &column = SignalColumn(signal);
    const int graph = kSignalGraphs[signal];
    const int plot = PlotY(g_app.graphPanel, graph, column.data(), (int)column.size(), VAL_SHORT_INTEGER,
                           VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID, 1, kSignalColors[signal]);
    g_graphRecording.plot = plot > 0 ? plot : 0;
    SetAxisScalingMode(g_app.graphPanel, graph, VAL_XAXIS, VAL_AUTOSCALE, 0.0, 0.0);
    ShowRecordingStatistics();
}

void ShowRecordingStatistics(void)
{
    const int signal = SelectedSignal();
    ShowGraphStatistics(kSignalGraphs[signal], g_graphRecording.plot, kSignalNames[signal]);
}

void LeaveRecordingView(void)
{
    g_graphRecording.reading = false;
    if (!g_graphRecording.shown)
        return;
    DeleteAllPlots();
    g_graphRecording = GraphRecording();
    SetPanelAttribute(g_app.graphPanel, ATTR_TITLE, "");
    SetCtrlVal(g_app.graphPanel, GRAPHP_SOURCE, "");
    SetCtrlAttribute(g_app.graphPanel, GRAPHP_SOURCE, ATTR_VISIBLE, 0);
}

unsigned long long RecordingRows(void)
{
    return g_graphRecording.shown ? g_graphRecording.columns.rows() : 0;
}

void ResetGraphRecording(void)
{
    g_graphRecording = GraphRecording();
}
