// NEW FILE EVERY [h] against chromix-sim: a recording across a file boundary, checked
// row by row against the frames it took; and a disk that fills during a recording.
#include "recorder_test_env.h"

#include "support/file_size_limit.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "live/graph_panel.h"
#include "recorder/record_reader.h"
#include "recorder/record_split.h"
#include "recorder/recorder_state.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace
{

RecordColumns ReadColumns(const std::string &path)
{
    RecordReader reader;
    EXPECT_TRUE(OpenRecordReader(reader, path.c_str())) << path;
    int status = RECORD_READ_MORE;
    while (status == RECORD_READ_MORE)
        status = ReadRecordChunk(reader, 1 << 16);
    EXPECT_EQ(status, RECORD_READ_DONE) << path << " line " << reader.errorLine;
    return reader.columns;
}

void SetSplitHours(double hours)
{
    SetCtrlVal(g_app.mainPages[PAGE_RECORDER], TABREC_SPLITHOURS, hours);
}

} // namespace

TEST(RecordSplitNames, NumberedFilesKeepFolderAndExtension)
{
    EXPECT_EQ(NumberedRecordFile("/data/RecordFile.dat", 2), "/data/RecordFile_0002.dat");
    EXPECT_EQ(NumberedRecordFile("/data/run.1/rec", 12), "/data/run.1/rec_0012");
    EXPECT_EQ(NumberedRecordFile("C:\\data\\rec.txt", 10000), "C:\\data\\rec_10000.txt");
    EXPECT_EQ(NumberedRecordFile("/data/.hidden", 3), "/data/.hidden_0003");
}

TEST_F(RecorderTest, ARecordingContinuesInTheNextFileWithoutLosingOrRepeatingARow)
{
    StartWithSim();
    SelectFile(recordFile);
    // An earlier recording's second file keeps its name and its rows.
    const std::string earlier = NumberedRecordFile(recordFile, 2);
    WriteWholeFile(earlier, "earlier rows\r\n");
    Commit(TABREC_INTERVAL, 0.25);
    Commit(TABREC_VALUES, 24);
    SetSplitHours(0.001); // 3.6 s: 15 rows at 0.25 s, then the next file
    Press(TABREC_START);

    const std::string second = NumberedRecordFile(recordFile, 3);
    EXPECT_EQ(ReadWholeFile(earlier), "earlier rows\r\n");
    EXPECT_EQ(Messages().back(),
              "File has been saved! \nThe recording is in these files:\n" + recordFile + "\n" + second);
    const RecordColumns one = ReadColumns(recordFile);
    const RecordColumns two = ReadColumns(second);
    EXPECT_GE(one.rows(), 13u);
    EXPECT_LE(one.rows(), 16u);
    ASSERT_EQ(one.rows() + two.rows(), 24u);
    // The rows of both files, in order, are the frames the recording took.
    const std::vector<double> ch0 = GraphPanelValues(SIGNAL_CH0), sig = GraphPanelValues(SIGNAL_SIG),
                              temp = GraphPanelValues(SIGNAL_TEMP);
    ASSERT_EQ(ch0.size(), 24u);
    for (size_t k = 0; k < 24; ++k) {
        const RecordColumns &file = k < one.rows() ? one : two;
        const size_t row = k < one.rows() ? k : k - one.rows();
        EXPECT_EQ(file.ch0[row], ch0[k]) << k;
        EXPECT_EQ(file.sig[row], sig[k]) << k;
        EXPECT_EQ(file.temp[row], temp[k]) << k;
    }
    EXPECT_LE(one.time.back(), two.time.front());
    EXPECT_EQ(g_recorder.rowsNotWritten, 0u);
}

TEST_F(RecorderTest, AFullDiskStopsTheRecordingAtOnceAndLeavesTheFileWhole)
{
    StartWithSim();
    SelectFile(recordFile);
    Commit(TABREC_MODE, REC_MODE_CONTINUOUS);
    Commit(TABREC_INTERVAL, 0.25);
    PressAfterFrames(TABREC_STOP, 40, 10.0);

    // The file may grow by about three rows: then it is as full as a full disk.
    {
        FileSizeLimit limit(std::filesystem::file_size(recordFile) + 100);
        Press(TABREC_START);
    }

    const std::vector<std::string> rows = Rows();
    ASSERT_GE(rows.size(), 1u);
    for (const std::string &row : rows)
        EXPECT_TRUE(RowIsWellFormed(row)) << row;
    EXPECT_EQ(FileText().substr(FileText().size() - 2), "\r\n") << "no fragment of a row";
    EXPECT_EQ(g_recorder.frameCounter, rows.size() + 1) << "stopped at the first row that did not fit";
    EXPECT_EQ(IntValue(TABREC_NOTWRITTEN), 0);
    EXPECT_EQ(Messages().back(), "The disk is full! \nThe recording was stopped after " +
                                     std::to_string(rows.size()) + " rows written. \nThe file " + recordFile +
                                     " holds every row up to there, whole.");
}
