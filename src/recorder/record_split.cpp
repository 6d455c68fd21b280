#include "recorder/record_split.h"

#include "app/app_state.h"
#include "platform/paths.h"
#include "recorder/record_file.h"
#include "recorder/record_progress.h"
#include "recorder/recorder_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cerrno>
#include <cmath>
#include <cstdio>

namespace
{

constexpr double kSecondsPerHour = 3600.0;

struct RecordSplit {
    std::vector<std::string> files;
    // NEW FILE EVERY of the running recording: hours (0 never), and the Timer() at which
    // its next file starts.
    double hours = 0.0;
    double nextFileTime = 0.0;
    int fileNumber = 0;     // of the file rows go to now: 1 the record file, 2 NAME_0002.ext, ...
    bool splitting = false; // a recording runs and its rows go to files.back()
};

RecordSplit g_split;
// More numbers than a recording can use: the search for a free name always ends.
constexpr int kLastFileNumber = 999999;

// The Timer() of the first boundary after now: whole periods from the start.
double NextBoundary(double start, double now, double period)
{
    return start + (std::floor((now - start) / period) + 1.0) * period;
}

// The next number whose file does not exist yet, from `number` on; 0 when none.
int FreeFileNumber(int number)
{
    for (; number <= kLastFileNumber; ++number)
        if (!FileExists(NumberedRecordFile(g_app.recorderFilePath, number).c_str()))
            return number;
    return 0;
}

bool StartNextFile(int *error)
{
    const int number = FreeFileNumber(g_split.fileNumber + 1);
    if (number == 0) {
        *error = EEXIST;
        return false;
    }
    const std::string path = NumberedRecordFile(g_app.recorderFilePath, number);
    if (!ReplaceFileWith(path.c_str(), RecordFileHeader(g_app.sensorId), error))
        return false;
    g_split.fileNumber = number;
    g_split.files.push_back(path);
    return true;
}

// Not a number, negative or 0: never; more than the most: the most.
double UsableSplitHours(double hours)
{
    return std::isfinite(hours) && hours > 0.0 ? std::fmin(hours, kMaxSplitHours) : 0.0;
}

} // namespace

double ReadSplitHours(void)
{
    double hours = 0.0;
    GetCtrlVal(RecorderPage(), TABREC_SPLITHOURS, &hours);
    return UsableSplitHours(hours);
}

void ShowSplitHours(double hours)
{
    SetCtrlVal(RecorderPage(), TABREC_SPLITHOURS, UsableSplitHours(hours));
}

void StartRecordSplit(void)
{
    g_split.files.assign(1, g_app.recorderFilePath);
    g_split.fileNumber = 1;
    g_split.hours = ReadSplitHours();
    if (g_split.hours > 0.0)
        g_split.nextFileTime = Timer() + g_split.hours * kSecondsPerHour;
    g_split.splitting = true;
}

void EndRecordSplit(void)
{
    g_split.splitting = false;
}

const char *RecordRowFile(int *error)
{
    if (!g_split.splitting || g_split.files.empty())
        return g_app.recorderFilePath;
    const double now = Timer();
    if (g_split.hours > 0.0 && now >= g_split.nextFileTime) {
        const double period = g_split.hours * kSecondsPerHour;
        const double start = g_split.nextFileTime - period;
        if (!StartNextFile(error))
            return nullptr;
        g_split.nextFileTime = NextBoundary(start, now, period);
    }
    return g_split.files.back().c_str();
}

const std::vector<std::string> &RecordingFiles(void)
{
    return g_split.files;
}

void ResetRecordSplit(void)
{
    g_split = RecordSplit();
}

std::string NumberedRecordFile(const std::string &path, int number)
{
    const size_t separator = path.find_last_of("/\\");
    const size_t dot = path.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (separator == std::string::npos || dot > separator + 1);
    const std::string stem = hasExtension ? path.substr(0, dot) : path;
    const std::string extension = hasExtension ? path.substr(dot) : std::string();
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "_%04d", number);
    return stem + suffix + extension;
}
