#pragma once
// Reading a record file of the program back into compact columns: CH0, TEMP and SIG
// as 16-bit integers (the frame's own width) and each row's date and time as seconds,
// 10 bytes a row. The file is read once, a chunk per call, so that the caller can keep
// the window answering, show the progress and stop at any time.
//
// A file is taken as a record file when its first lines are the header the recorder
// writes (the title line in either language, an optional sensor identification, an
// empty line, the column header). A line that is not a row stops the reading there:
// the rows before it are kept and the line's number (from 1) is reported. The last
// line must end with its line end, since a row cut short by a full disk or a copy
// taken while recording could otherwise pass for a smaller value.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

struct RecordColumns {
    std::vector<int16_t> ch0;
    std::vector<int16_t> temp;
    std::vector<int16_t> sig;
    // Date and time of the row as written (the recording PC's local time), in seconds
    // since 01-01-1970 00:00:00.
    std::vector<uint32_t> time;
    std::string sensorId; // from the header, empty when it has none

    size_t rows() const { return sig.size(); }
};

enum RecordReadStatus { RECORD_READ_FAILED = -1, RECORD_READ_DONE = 0, RECORD_READ_MORE = 1 };

enum RecordReadError {
    RECORD_ERROR_NONE = 0,
    RECORD_ERROR_OPEN,            // the file cannot be opened
    RECORD_ERROR_NOT_RECORD_FILE, // the header is not the recorder's (errorLine: where it differs)
    RECORD_ERROR_DAMAGED_ROW,     // errorLine is not a whole row
    RECORD_ERROR_READ,            // the file could not be read to its end
};

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};

struct RecordReader {
    std::unique_ptr<std::FILE, FileCloser> file;
    RecordColumns columns;
    RecordReadError error = RECORD_ERROR_NONE;
    long long errorLine = 0;

    // Progress through the file.
    unsigned long long fileSize = 0;
    unsigned long long bytesParsed = 0;
    // Bytes read but not yet parsed: the start of a line whose end has not come yet.
    std::vector<char> pending;
    long long line = 0; // lines parsed so far
    int part = 0;       // which part of the header (or the rows) comes next
};

// Opens the file for reading; false (error RECORD_ERROR_OPEN) when it cannot be.
bool OpenRecordReader(RecordReader &reader, const char *path);
// Reads and parses up to maxBytes more of the file: RECORD_READ_MORE while the file
// goes on, RECORD_READ_DONE at its end, RECORD_READ_FAILED with error and errorLine
// set. The file is closed once done or failed.
int ReadRecordChunk(RecordReader &reader, size_t maxBytes);
// The share of the file parsed so far, 0 to 1.
double RecordReadProgress(const RecordReader &reader);
// A row's time as the file writes it: "MM-DD-YYYY HH:MM:SS".
std::string FormatRecordTime(uint32_t seconds);
