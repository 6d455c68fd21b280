// The record file's header and rows byte for byte, choosing a file (new, existing kept,
// existing replaced safely), and writes that never leave half a row.
#include "recorder_test_env.h"

#include "support/file_size_limit.h"

#include "app/app_state.h"
#include "recorder/record_file.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "ui/userint.h"

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

TEST(RecordFileText, HeaderInBothLanguagesWithAndWithoutSensorIdentification)
{
    struct Case {
        int language;
        const char *sensorId;
        const char *header;
    };
    const Case cases[] = {
        {LANGUAGE_ENGLISH, "",
         "\nRecord results of: CHROMIX1 Scope V3.1\r\n\r\nDATE\tTIME\tCH0\tTEMP\tSIG\r\n"},
        {LANGUAGE_ENGLISH, "Line 4 left",
         "\nRecord results of: CHROMIX1 Scope V3.1\r\nPanel ID: Line 4 "
         "left\r\n\r\nDATE\tTIME\tCH0\tTEMP\tSIG\r\n"},
        {LANGUAGE_GERMAN, "S7",
         "\nErgebnisse von ... aufzeichnen:CHROMIX1 Scope V3.1\r\nFenster "
         "ID:S7\r\n\r\nDATE\tTIME\tCH0\tTEMP\tSIG\r\n"},
    };
    int saved = g_app.language;
    for (const Case &c : cases) {
        g_app.language = c.language;
        EXPECT_EQ(RecordFileHeader(c.sensorId), c.header);
    }
    g_app.language = saved;
}

TEST(RecordFileText, RowIsDateTimeCh0TempSigSignedWithCrLf)
{
    LiveFrame frame{};
    frame.Ch0 = 1523;
    frame.Temp = -12;
    frame.Sig = 1498;
    frame.RefSig1 = 7;
    EXPECT_EQ(RecordFileRow(frame, "12-07-2026", "14:05:31"), "12-07-2026\t14:05:31\t1523\t-12\t1498\r\n");
    char date[11], time[9];
    CurrentDateAndTime(date, time);
    EXPECT_TRUE(RowIsWellFormed(std::string(date) + "\t" + time + "\t1\t2\t3"));
}

// A write that the file size limit cuts short is taken back whole, so the next row
// starts on a line of its own.
TEST(RecordFileText, ShortWriteLeavesNoFragment)
{
    std::string dir = MakeTempProgramDir();
    std::string path = dir + "/rows.dat";
    WriteWholeFile(path, "0123456789");
    bool written = false;
    {
        FileSizeLimit limit(20);
        written = AppendWhole(path.c_str(), "12-07-2026\t14:05:31\t1523\t-12\t1498\r\n");
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadWholeFile(path), "0123456789");
    EXPECT_TRUE(AppendWhole(path.c_str(), "ab\r\n"));
    EXPECT_EQ(ReadWholeFile(path), "0123456789ab\r\n");
    std::filesystem::remove_all(dir);
}

TEST_F(RecorderTest, SelectingAFileWritesItsHeaderAndAnExistingOneAsksFirst)
{
    StartWithSim();
    std::string before = g_app.recorderFilePath;
    // No file chosen: a message, nothing changes.
    script->AnswerFile(VAL_NO_FILE_SELECTED, "");
    Press(TABREC_SELFILE);
    EXPECT_EQ(Messages().back(), "No file was selected! \nProcess will not be done!");
    EXPECT_EQ(g_app.recorderFilePath, before);

    WriteWholeFile(recordFile, "old rows\r\n");
    // A file of the operator's beside it, named as a temporary name could be.
    WriteWholeFile(recordFile + ".part", "the operator's own\r\n");
    SelectFile(recordFile, false);
    EXPECT_EQ(script->Requests().back().message,
              "File already exists! \nDo you want to select existing file?");
    EXPECT_EQ(FileText(), "old rows\r\n");
    EXPECT_EQ(g_app.recorderFilePath, before);

    SelectFile(recordFile, true);
    EXPECT_EQ(
        Messages().back(),
        "Make sure, that the file is not opened by any other program. \nOtherwise it can not be saved.");
    EXPECT_EQ(FileText(), kEnglishHeader);
    EXPECT_EQ(g_app.recorderFilePath, recordFile);
    char shown[MAX_PATHNAME_LEN] = "";
    GetCtrlVal(Page(), TABREC_FILEPATH, shown, MAX_PATHNAME_LEN);
    EXPECT_EQ(shown, recordFile);
    EXPECT_EQ(ReadWholeFile(recordFile + ".part"), "the operator's own\r\n");
    int namedLikeIt = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir))
        namedLikeIt += entry.path().filename().string().find("record.dat") != std::string::npos;
    EXPECT_EQ(namedLikeIt, 2) << "a temporary file was left behind";
}

TEST_F(RecorderTest, AFileThatCannotTakeTheHeaderIsNotSelectedAndAnOldOneStays)
{
    StartWithSim();
    SelectFile(recordFile);
    ASSERT_EQ(g_app.recorderFilePath, recordFile);
    // The replacement cannot be written whole (the process may write no file beyond 20
    // bytes): the old file and the old selection stay.
    std::string keptFile = dir + "/kept.dat";
    WriteWholeFile(keptFile, "kept\r\n");
    {
        FileSizeLimit limit(20);
        SelectFile(keptFile, true);
    }
    EXPECT_EQ(Messages().back(),
              "The record file could not be written! \nThe previous record file stays selected.");
    EXPECT_EQ(ReadWholeFile(keptFile), "kept\r\n");
    EXPECT_EQ(g_app.recorderFilePath, recordFile);
}
