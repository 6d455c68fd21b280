// The record file reader: a line-by-line parse of the header and the rows over a
// buffer that keeps only the unfinished last line between two chunks.
#include "recorder/record_reader.h"

#include "recorder/record_format.h"
#include "recorder/recorder_texts.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace
{

// The parts of a record file in their order.
enum FilePart { PART_TITLE = 0, PART_SENSOR_ID, PART_COLUMNS, PART_ROWS };

// The shortest row: "MM-DD-YYYY\tHH:MM:SS\t0\t0\t0" and its CR LF; used to reserve the
// columns once the header is through.
constexpr unsigned long long kShortestRow = 27;
// No line of a record file comes near this; a longer one is not a record file's.
constexpr size_t kLongestLine = 1024;

struct Line {
    const char *begin;
    const char *end; // without CR LF
    bool empty() const { return begin == end; }
    bool is(const std::string &text) const
    {
        return size_t(end - begin) == text.size() && std::memcmp(begin, text.data(), text.size()) == 0;
    }
    bool startsWith(const char *text) const
    {
        const size_t length = std::strlen(text);
        return size_t(end - begin) >= length && std::memcmp(begin, text, length) == 0;
    }
};

bool Digits(const char *&p, int count, int *value)
{
    int v = 0;
    for (int i = 0; i < count; ++i, ++p) {
        if (*p < '0' || *p > '9')
            return false;
        v = v * 10 + (*p - '0');
    }
    *value = v;
    return true;
}

bool Expect(const char *&p, char c)
{
    if (*p != c)
        return false;
    ++p;
    return true;
}

// Days from 01-01-1970 to the date, for the proleptic Gregorian calendar.
long long DaysFromCivil(int year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = unsigned(year - era * 400);
    const unsigned dayOfYear = unsigned((153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1);
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + (long long)dayOfEra - 719468;
}

// The date of a day counted from 01-01-1970.
void CivilFromDays(long long days, int *year, int *month, int *day)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = unsigned(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    *day = int(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    *month = int(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    *year = int((long long)yearOfEra + era * 400 + (*month <= 2 ? 1 : 0));
}

int DaysInMonth(int year, int month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// "MM-DD-YYYY\tHH:MM:SS\t" as seconds since 1970; the years that fit 32 bits.
bool ParseDateTime(const char *&p, const char *end, uint32_t *seconds)
{
    if (end - p < 20)
        return false;
    int month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0;
    if (!Digits(p, 2, &month) || !Expect(p, '-') || !Digits(p, 2, &day) || !Expect(p, '-') ||
        !Digits(p, 4, &year) || !Expect(p, '\t') || !Digits(p, 2, &hour) || !Expect(p, ':') ||
        !Digits(p, 2, &minute) || !Expect(p, ':') || !Digits(p, 2, &second) || !Expect(p, '\t'))
        return false;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || year < 1970 || year > 2105 ||
        hour > 23 || minute > 59 || second > 60)
        return false;
    const long long total = DaysFromCivil(year, month, day) * 86400LL + hour * 3600 + minute * 60 + second;
    if (total > 0xFFFFFFFFLL)
        return false;
    *seconds = uint32_t(total);
    return true;
}

// A signed decimal integer of 16 bits followed by the separator (or by the line's end
// when separator is 0).
bool ParseValue(const char *&p, const char *end, char separator, int16_t *value)
{
    const bool negative = p < end && *p == '-';
    if (negative)
        ++p;
    const char *first = p;
    long v = 0;
    while (p < end && *p >= '0' && *p <= '9' && p - first < 6)
        v = v * 10 + (*p++ - '0');
    if (p == first)
        return false;
    v = negative ? -v : v;
    if (v < -32768 || v > 32767)
        return false;
    if (separator != 0) {
        if (p == end || *p != separator)
            return false;
        ++p;
    } else if (p != end) {
        return false;
    }
    *value = int16_t(v);
    return true;
}

bool AddRow(RecordColumns &columns, const Line &line)
{
    const char *p = line.begin;
    uint32_t time = 0;
    int16_t ch0 = 0, temp = 0, sig = 0;
    if (!ParseDateTime(p, line.end, &time) || !ParseValue(p, line.end, '\t', &ch0) ||
        !ParseValue(p, line.end, '\t', &temp) || !ParseValue(p, line.end, 0, &sig))
        return false;
    columns.time.push_back(time);
    columns.ch0.push_back(ch0);
    columns.temp.push_back(temp);
    columns.sig.push_back(sig);
    return true;
}

bool IsTitleLine(const Line &line)
{
    const std::string title = kRecordFileTitle;
    return line.is(kTxtRecHeaderLabel.english + title) || line.is(kTxtRecHeaderLabel.german + title);
}

// The sensor identification of a "Panel ID: " line in either language.
bool TakeSensorId(const Line &line, std::string *sensorId)
{
    for (const char *label : {kTxtRecPanelIdLabel.english, kTxtRecPanelIdLabel.german}) {
        if (line.startsWith(label)) {
            sensorId->assign(line.begin + std::strlen(label), line.end);
            return true;
        }
    }
    return false;
}

int Fail(RecordReader &reader, RecordReadError error, long long line)
{
    reader.error = error;
    reader.errorLine = line;
    reader.file.reset();
    return RECORD_READ_FAILED;
}

void ReserveRows(RecordReader &reader)
{
    const unsigned long long left =
        reader.fileSize > reader.bytesParsed ? reader.fileSize - reader.bytesParsed : 0;
    const size_t rows = size_t(left / kShortestRow + 1);
    RecordColumns &columns = reader.columns;
    columns.ch0.reserve(rows);
    columns.temp.reserve(rows);
    columns.sig.reserve(rows);
    columns.time.reserve(rows);
}

// One line of the file: true when it fits the part of the file it stands in.
bool TakeLine(RecordReader &reader, const Line &line)
{
    switch (reader.part) {
    case PART_TITLE:
        // The header starts with a line feed of its own.
        if (line.empty())
            return true;
        reader.part = PART_SENSOR_ID;
        return IsTitleLine(line);
    case PART_SENSOR_ID:
        reader.part = PART_COLUMNS;
        return line.empty() || TakeSensorId(line, &reader.columns.sensorId);
    case PART_COLUMNS:
        if (line.empty())
            return true;
        if (!line.is(kRecordColumnHeader))
            return false;
        reader.part = PART_ROWS;
        ReserveRows(reader);
        return true;
    default:
        return line.empty() || AddRow(reader.columns, line);
    }
}

RecordReadError ErrorOfPart(int part)
{
    return part == PART_ROWS ? RECORD_ERROR_DAMAGED_ROW : RECORD_ERROR_NOT_RECORD_FILE;
}

// Parses every complete line of the pending bytes and keeps the unfinished rest.
int ParsePendingLines(RecordReader &reader)
{
    const char *start = reader.pending.data();
    const char *stop = start + reader.pending.size();
    const char *p = start;
    while (true) {
        const char *newline = static_cast<const char *>(std::memchr(p, '\n', size_t(stop - p)));
        if (!newline)
            break;
        const char *end = newline > p && newline[-1] == '\r' ? newline - 1 : newline;
        ++reader.line;
        if (!TakeLine(reader, Line{p, end}))
            return Fail(reader, ErrorOfPart(reader.part), reader.line);
        p = newline + 1;
    }
    reader.bytesParsed += (unsigned long long)(p - start);
    reader.pending.erase(reader.pending.begin(), reader.pending.begin() + (p - start));
    if (reader.pending.size() > kLongestLine)
        return Fail(reader, ErrorOfPart(reader.part), reader.line + 1);
    return RECORD_READ_MORE;
}

// The end of the file: a last line without its line end is not a whole row, and a file
// that ends inside its header is no record file.
int FinishFile(RecordReader &reader)
{
    const bool onlyCarriageReturn = reader.pending.size() == 1 && reader.pending[0] == '\r';
    if (!reader.pending.empty() && !onlyCarriageReturn)
        return Fail(reader, ErrorOfPart(reader.part), reader.line + 1);
    if (reader.part != PART_ROWS)
        return Fail(reader, RECORD_ERROR_NOT_RECORD_FILE, reader.line + 1);
    reader.bytesParsed += reader.pending.size();
    reader.pending.clear();
    reader.file.reset();
    return RECORD_READ_DONE;
}

} // namespace

bool OpenRecordReader(RecordReader &reader, const char *path)
{
    reader = RecordReader();
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error)
        reader.file.reset(std::fopen(path, "rb"));
    if (error || !reader.file) {
        Fail(reader, RECORD_ERROR_OPEN, 0);
        return false;
    }
    reader.fileSize = (unsigned long long)size;
    return true;
}

int ReadRecordChunk(RecordReader &reader, size_t maxBytes)
{
    if (reader.error != RECORD_ERROR_NONE)
        return RECORD_READ_FAILED;
    if (!reader.file)
        return RECORD_READ_DONE;
    const size_t kept = reader.pending.size();
    reader.pending.resize(kept + std::max<size_t>(maxBytes, 1));
    const size_t got =
        std::fread(reader.pending.data() + kept, 1, reader.pending.size() - kept, reader.file.get());
    reader.pending.resize(kept + got);
    if (std::ferror(reader.file.get()))
        return Fail(reader, RECORD_ERROR_READ, reader.line + 1);
    if (ParsePendingLines(reader) == RECORD_READ_FAILED)
        return RECORD_READ_FAILED;
    if (got == 0 && std::feof(reader.file.get()))
        return FinishFile(reader);
    return RECORD_READ_MORE;
}

double RecordReadProgress(const RecordReader &reader)
{
    if (reader.fileSize == 0)
        return reader.file ? 0.0 : 1.0;
    return std::min(1.0, double(reader.bytesParsed) / double(reader.fileSize));
}

std::string FormatRecordTime(uint32_t seconds)
{
    int year = 0, month = 0, day = 0;
    CivilFromDays(seconds / 86400, &year, &month, &day);
    const unsigned rest = seconds % 86400;
    char text[64];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d %02u:%02u:%02u", month, day, year, rest / 3600,
                  rest / 60 % 60, rest % 60);
    return text;
}
