#pragma once
// The record file's text: its header and one row per recorded frame, CR LF line ends,
// tab separators, written without newline translation. Rows are appended whole or
// not at all, so a failed write never leaves a fragment that glues itself to the
// next row.

#include "live/live_state.h"

#include <string>

// The header of a new record file in the current language, with the "Panel ID: " line
// only when sensorId is not empty.
std::string RecordFileHeader(const char *sensorId);
// The column header line that ends the header: DATE, TIME, CH0, TEMP, SIG.
std::string RecordFileColumns(void);
// One row: date MM-DD-YYYY, time HH:MM:SS, CH0, TEMP, SIG.
std::string RecordFileRow(const LiveFrame &frame, const char *date, const char *time);
// The runtime's current date (MM-DD-YYYY) and time (HH:MM:SS, 24 h) strings.
void CurrentDateAndTime(char date[11], char time[9]);
// Appends text to the file as one piece; on a failed or short write the file is cut
// back to its previous length. False when the text is not in the file; *error (when
// given) then holds the reason, an errno value (ENOSPC for a full disk).
bool AppendWhole(const char *path, const std::string &text, int *error = nullptr);
// Makes path a file that holds exactly text: written beside it under a temporary name
// and renamed over it only once complete, so a failure leaves any old file as it was.
bool ReplaceFileWith(const char *path, const std::string &text, int *error = nullptr);
// Whether a write failed because the file cannot grow: the disk or the quota is full,
// or the file has reached the largest size allowed.
bool FileCannotGrow(int error);
