// Record files written by the recorder read back into columns, in chunks of any size;
// damaged rows and foreign files stop the reading at the line that is wrong.
#include "app/app_state.h"
#include "recorder/record_file.h"
#include "recorder/record_reader.h"
#include "support/program_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{

struct Row {
    const char *date;
    const char *time;
    int ch0;
    int temp;
    int sig;
};

const Row kRows[] = {
    {"12-07-2026", "14:05:31", 1523, 2210, 1498},
    {"12-07-2026", "23:59:59", -32768, -12, 32767},
    {"12-08-2026", "00:00:00", 0, 7, 4095},
    {"02-29-2028", "06:30:01", 4095, 0, -1},
};

// 12-07-2026 00:00:00 in seconds since 01-01-1970.
constexpr uint32_t kDec7 = 1796601600u;

std::string RowsText()
{
    std::string text;
    for (const Row &row : kRows) {
        LiveFrame frame{};
        frame.Ch0 = short(row.ch0);
        frame.Temp = short(row.temp);
        frame.Sig = short(row.sig);
        text += RecordFileRow(frame, row.date, row.time);
    }
    return text;
}

std::string HeaderText(int language, const char *sensorId)
{
    const int saved = g_app.language;
    g_app.language = language;
    std::string header = RecordFileHeader(sensorId);
    g_app.language = saved;
    return header;
}

std::string WriteFile(const std::string &name, const std::string &text)
{
    static const std::string dir = MakeTempProgramDir();
    const std::string path = dir + "/" + name;
    std::FILE *file = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    return path;
}

// Reads the whole file in chunks of chunkBytes; the last status.
int ReadAll(RecordReader &reader, const std::string &path, size_t chunkBytes)
{
    if (!OpenRecordReader(reader, path.c_str()))
        return RECORD_READ_FAILED;
    double progress = 0.0;
    int status = RECORD_READ_MORE;
    while (status == RECORD_READ_MORE) {
        status = ReadRecordChunk(reader, chunkBytes);
        EXPECT_GE(RecordReadProgress(reader), progress);
        progress = RecordReadProgress(reader);
    }
    return status;
}

} // namespace

TEST(RecordReader, ReadsTheRecordersOwnFilesInChunksOfAnySize)
{
    struct Case {
        int language;
        const char *sensorId;
    };
    for (const Case c : {Case{LANGUAGE_ENGLISH, "Line 4 left"}, Case{LANGUAGE_GERMAN, ""}}) {
        const std::string path = WriteFile("own.dat", HeaderText(c.language, c.sensorId) + RowsText());
        for (size_t chunk : {size_t(1), size_t(7), size_t(1) << 20}) {
            SCOPED_TRACE(std::to_string(c.language) + " chunk " + std::to_string(chunk));
            RecordReader reader;
            ASSERT_EQ(ReadAll(reader, path, chunk), RECORD_READ_DONE);
            EXPECT_EQ(reader.error, RECORD_ERROR_NONE);
            EXPECT_DOUBLE_EQ(RecordReadProgress(reader), 1.0);
            const RecordColumns &columns = reader.columns;
            EXPECT_EQ(columns.sensorId, c.sensorId);
            ASSERT_EQ(columns.rows(), 4u);
            for (size_t i = 0; i < 4; ++i) {
                EXPECT_EQ(columns.ch0[i], kRows[i].ch0);
                EXPECT_EQ(columns.temp[i], kRows[i].temp);
                EXPECT_EQ(columns.sig[i], kRows[i].sig);
            }
            EXPECT_EQ(columns.time[0], kDec7 + 14 * 3600 + 5 * 60 + 31);
            EXPECT_EQ(columns.time[1], kDec7 + 86399);
            EXPECT_EQ(columns.time[2], kDec7 + 86400);
            EXPECT_EQ(columns.time[3], kDec7 + 449 * 86400u + 6 * 3600 + 30 * 60 + 1)
                << "the leap day of 2028";
        }
    }

    // A header without rows is an empty recording, not a damaged one.
    RecordReader empty;
    EXPECT_EQ(ReadAll(empty, WriteFile("empty.dat", HeaderText(LANGUAGE_ENGLISH, "")), 64), RECORD_READ_DONE);
    EXPECT_EQ(empty.columns.rows(), 0u);
}

TEST(RecordReader, ADamagedRowStopsAtItsLineAndKeepsTheRowsBefore)
{
    // The header takes lines 1 to 4, the four good rows lines 5 to 8.
    const std::string head = HeaderText(LANGUAGE_ENGLISH, "") + RowsText();
    const std::string good = "12-09-2026\t10:00:00\t1\t2\t3\r\n";
    struct Case {
        const char *what;
        std::string tail;
    };
    const Case cases[] = {
        {"a column missing", "12-09-2026\t10:00:00\t1\t2\r\n" + good},
        {"a value beyond 16 bits", "12-09-2026\t10:00:00\t40000\t2\t3\r\n" + good},
        {"a day the month does not have", "02-30-2026\t10:00:00\t1\t2\t3\r\n" + good},
        {"a time of day that does not exist", "12-09-2026\t24:00:00\t1\t2\t3\r\n" + good},
        {"text in a value", "12-09-2026\t10:00:00\t1\tx\t3\r\n" + good},
        {"a value followed by more", "12-09-2026\t10:00:00\t1\t2\t3 4\r\n" + good},
        {"a last row cut short", "12-09-2026\t10:00:00\t1\t2\t14"},
        {"a line without end", std::string(2000, '7') + "\r\n" + good},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        RecordReader reader;
        EXPECT_EQ(ReadAll(reader, WriteFile("damaged.dat", head + c.tail), 5), RECORD_READ_FAILED);
        EXPECT_EQ(reader.error, RECORD_ERROR_DAMAGED_ROW);
        EXPECT_EQ(reader.errorLine, 9);
        ASSERT_EQ(reader.columns.rows(), 4u);
        EXPECT_EQ(reader.columns.sig[3], -1);
    }

    // Empty lines between rows hold no data and are passed over.
    RecordReader reader;
    EXPECT_EQ(ReadAll(reader, WriteFile("gap.dat", head + "\r\n" + good), 100), RECORD_READ_DONE);
    EXPECT_EQ(reader.columns.rows(), 5u);
}

TEST(RecordReader, AForeignFileIsRefusedAtTheLineThatDiffers)
{
    const std::string header = HeaderText(LANGUAGE_GERMAN, "S7");
    struct Case {
        const char *what;
        std::string text;
        long long line;
    };
    const Case cases[] = {
        {"an empty file", "", 1},
        {"a parameter file", "[GENERAL INFO]\r\nFILE TYPE: = \"Parameter\"\r\n", 1},
        {"another program's title", "\nRecord results of: Other Tool\r\n\r\nDATE\tTIME\tCH0\tTEMP\tSIG\r\n",
         2},
        {"other columns", "\nRecord results of: CHROMIX1 Scope V3.1\r\n\r\nDATE\tTIME\tCH0\r\n", 4},
        {"rows without a header", RowsText(), 1},
        {"a header cut short", header.substr(0, header.size() - 10), 5},
        {"binary data", std::string(5000, '\x01'), 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        RecordReader reader;
        EXPECT_EQ(ReadAll(reader, WriteFile("foreign.dat", c.text), 4096), RECORD_READ_FAILED);
        EXPECT_EQ(reader.error, RECORD_ERROR_NOT_RECORD_FILE);
        EXPECT_EQ(reader.errorLine, c.line);
        EXPECT_EQ(reader.columns.rows(), 0u);
    }

    RecordReader missing;
    EXPECT_FALSE(OpenRecordReader(missing, (MakeTempProgramDir() + "/none.dat").c_str()));
    EXPECT_EQ(missing.error, RECORD_ERROR_OPEN);
    EXPECT_FALSE(OpenRecordReader(missing, MakeTempProgramDir().c_str())) << "a folder is no file";
    EXPECT_EQ(ReadRecordChunk(missing, 100), RECORD_READ_FAILED);
}
