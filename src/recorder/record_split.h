#pragma once
// NEW FILE EVERY [h]: after every so many hours since its start, a running recording
// continues in NAME_0002.ext, NAME_0003.ext, ... next to the record file NAME.ext, each
// with its full header. A row goes whole into one file, so none is lost or repeated at
// a boundary. A name an earlier recording has taken is passed over: no file is ever
// overwritten, and the closing message lists the files written.

#include <string>
#include <vector>

constexpr double kMaxSplitHours = 8760.0; // a year

// The value of NEW FILE EVERY on the recorder page, 0 (never) up to kMaxSplitHours.
double ReadSplitHours(void);
void ShowSplitHours(double hours);
// A recording starts: its rows go to the record file until the first boundary.
void StartRecordSplit(void);
// The recording has ended.
void EndRecordSplit(void);
// The file the next row of the running recording goes to; at a boundary the next file,
// whose header is written first. Null when that header could not be written; *error
// then holds the reason (an errno value).
const char *RecordRowFile(int *error);
// The files the current (or the last) recording wrote to: the record file first, then
// the files NEW FILE EVERY started, in order.
const std::vector<std::string> &RecordingFiles(void);
// Back to the state before start-up: no recording.
void ResetRecordSplit(void);
// "C:/data/RecordFile.dat" and 2: "C:/data/RecordFile_0002.dat".
std::string NumberedRecordFile(const std::string &path, int number);
