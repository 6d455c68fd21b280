// Record file text and the writes that keep it whole.
#include "recorder/record_file.h"

#include "app/language.h"
#include "inistore/whole_file.h"
#include "recorder/recorder_texts.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace
{

// The program title that heads every record file.
constexpr const char *kRecordFileTitle = "CHROMIX1 Scope V3.1";

std::string Format(const char *format, const char *a, const char *b)
{
    char line[512];
    std::snprintf(line, sizeof line, format, a, b);
    return line;
}

// The errno of the first step that failed, kept for the caller.
void Keep(int *error, int value)
{
    if (error && *error == 0)
        *error = value != 0 ? value : EIO;
}

bool WriteAndClose(std::FILE *file, const std::string &text, int *error)
{
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
    if (!ok)
        Keep(error, errno);
    if (std::fclose(file) != 0) {
        Keep(error, errno);
        ok = false;
    }
    return ok;
}

} // namespace

std::string RecordFileHeader(const char *sensorId)
{
    std::string header = Format("\n%s%s\r\n", Tr(kTxtRecHeaderLabel), kRecordFileTitle);
    if (sensorId && sensorId[0] != '\0')
        header += Format("%s%s\r\n", Tr(kTxtRecPanelIdLabel), sensorId);
    header += "\r\n";
    header += RecordFileColumns();
    return header;
}

std::string RecordFileColumns(void)
{
    return "DATE\tTIME\tCH0\tTEMP\tSIG\r\n";
}

std::string RecordFileRow(const LiveFrame &frame, const char *date, const char *time)
{
    char row[96];
    std::snprintf(row, sizeof row, "%s\t%s\t%i\t%i\t%i\r\n", date, time, (int)frame.Ch0, (int)frame.Temp,
                  (int)frame.Sig);
    return row;
}

// The strings change once a second; a loop that takes thousands of frames a second
// converts the clock (which reads the time zone file) only when they do.
void CurrentDateAndTime(char date[11], char time[9])
{
    static std::time_t converted = (std::time_t)-1;
    static char dateText[11] = "00-00-0000";
    static char timeText[9] = "00:00:00";
    std::time_t now = std::time(nullptr);
    if (now != converted) {
        converted = now;
        const std::tm *local = std::localtime(&now);
        if (local) {
            std::strftime(dateText, sizeof dateText, "%m-%d-%Y", local);
            std::strftime(timeText, sizeof timeText, "%H:%M:%S", local);
        } else {
            std::snprintf(dateText, sizeof dateText, "00-00-0000");
            std::snprintf(timeText, sizeof timeText, "00:00:00");
        }
    }
    std::memcpy(date, dateText, sizeof dateText);
    std::memcpy(time, timeText, sizeof timeText);
}

bool AppendWhole(const char *path, const std::string &text, int *error)
{
    if (error)
        *error = 0;
    std::FILE *file = std::fopen(path, "ab");
    if (!file) {
        Keep(error, errno);
        return false;
    }
    long start = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : -1L;
    const bool ok = WriteAndClose(file, text, error);
    if (!ok && start >= 0) {
        std::error_code error;
        std::filesystem::resize_file(path, (std::uintmax_t)start, error);
    }
    return ok;
}

bool ReplaceFileWith(const char *path, const std::string &text, int *error)
{
    int systemError = 0;
    bool replaced = ReplaceFileWithText(path, text, &systemError) == 0;
    if (error)
        *error = replaced ? 0 : (systemError != 0 ? systemError : EIO);
    return replaced;
}

bool FileCannotGrow(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}
