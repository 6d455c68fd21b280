// Counted and open-ended recording against chromix-sim on the real panels: the exact
// file, the counters, the pacing, and every way a recording ends.
#include "recorder_test_env.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "link/link_state.h"
#include "live/live_state.h"
#include "recorder/recorder_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <filesystem>

namespace
{

const char *const kSaved = "File has been saved!";

int ActiveMainPage()
{
    int page = -1;
    GetActiveTabPage(g_app.mainPanel, MAINP_TAB, &page);
    return page;
}

} // namespace

TEST_F(RecorderTest, CountedRecordingWritesExactlyValuesRowsAtTheInterval)
{
    StartWithSim();
    SelectFile(recordFile);
    ASSERT_EQ(FileText(), kEnglishHeader);
    Commit(TABREC_INTERVAL, 0.25);
    Commit(TABREC_VALUES, 3);

    double start = Timer();
    Press(TABREC_START);
    double elapsed = Timer() - start;

    std::vector<std::string> rows = Rows();
    ASSERT_EQ(rows.size(), 3u) << FileText();
    for (const std::string &row : rows)
        EXPECT_TRUE(RowIsWellFormed(row)) << row;
    const LiveFrame &last = g_live.frame;
    EXPECT_EQ(RowValues(rows.back()), (std::vector<int>{last.Ch0, last.Temp, last.Sig}));
    EXPECT_EQ(FileText().substr(0, std::string(kEnglishHeader).size()), kEnglishHeader);
    EXPECT_EQ(IntValue(TABREC_RECORDED), 3);
    EXPECT_EQ(IntValue(TABREC_REMAINING), 0);
    // Three requests 0.25 s apart; the last row ends the recording without a wait.
    EXPECT_GE(elapsed, 0.5);
    EXPECT_LT(elapsed, 0.75 + 0.5);
    EXPECT_FALSE(LoopRunning(LOOP_LIVE));
    EXPECT_EQ(Messages().back(), kSaved);
    // The controls are operable again and START is grey.
    int mode = 0, colour = 0;
    GetCtrlAttribute(Page(), TABREC_START, ATTR_CTRL_MODE, &mode);
    GetCtrlAttribute(Page(), TABREC_START, ATTR_CMD_BUTTON_COLOR, &colour);
    EXPECT_EQ(mode, VAL_HOT);
    EXPECT_EQ(colour, VAL_LT_GRAY);
}

TEST_F(RecorderTest, CountZeroRecordsNothingAndNoAnswersNothing)
{
    StartWithSim();
    SelectFile(recordFile);
    Commit(TABREC_VALUES, 0);
    Press(TABREC_START);
    EXPECT_EQ(FileText(), kEnglishHeader);
    EXPECT_EQ(Messages().back(), kSaved);

    Commit(TABREC_VALUES, 2);
    ResetPopups();
    script->Answer(0); // not the right file name
    Press(TABREC_START);
    EXPECT_EQ(FileText(), kEnglishHeader);
    EXPECT_EQ(script->Count(), 1);
}

TEST_F(RecorderTest, StopAndModeSelectorEndOpenEndedRecording)
{
    StartWithSim();
    SelectFile(recordFile);
    Commit(TABREC_MODE, 1);
    Commit(TABREC_INTERVAL, 0.25);
    ASSERT_TRUE(Visible(TABREC_FRAMECOUNTER));

    for (int ender : {TABREC_STOP, TABREC_MODE}) {
        SCOPED_TRACE(ender);
        size_t before = Rows().size();
        PressAfterFrames(ender, 3);
        Press(TABREC_START);
        size_t rows = Rows().size() - before;
        EXPECT_GE(rows, 3u);
        EXPECT_EQ((unsigned long long)rows, g_recorder.frameCounter);
        EXPECT_EQ(IntValue(TABREC_FRAMECOUNTER), (int)rows);
        EXPECT_FALSE(LoopRunning(LOOP_LIVE));
        EXPECT_EQ(Messages().back(), kSaved);
    }
}

TEST_F(RecorderTest, LinkFailureEndsRecordingAndKeepsRowsSoFar)
{
    StartWithSim();
    SelectFile(recordFile);
    Commit(TABREC_MODE, 1);
    Commit(TABREC_INTERVAL, 0.25);
    ASSERT_TRUE(SendSimControl(sim, "fault-command 8"));
    ASSERT_TRUE(SendSimControl(sim, "fault-after 2"));
    ASSERT_TRUE(SendSimControl(sim, "close-after 0"));

    Press(TABREC_START);

    EXPECT_EQ(Rows().size(), 2u) << FileText();
    EXPECT_EQ(g_link.sensorConnected, 0);
    EXPECT_EQ(ActiveMainPage(), PAGE_CONNECTION);
    EXPECT_EQ(Messages().back(), kSaved);
}

TEST_F(RecorderTest, RowsThatCannotBeWrittenAreCountedShownAndReported)
{
    StartWithSim();
    std::string subdir = dir + "/gone";
    std::filesystem::create_directory(subdir);
    recordFile = subdir + "/record.dat";
    SelectFile(recordFile);
    ASSERT_EQ(FileText(), kEnglishHeader);
    std::filesystem::remove_all(subdir);
    Commit(TABREC_INTERVAL, 0.25);
    Commit(TABREC_VALUES, 3);

    Press(TABREC_START);

    EXPECT_EQ(g_recorder.rowsNotWritten, 3u);
    EXPECT_EQ(IntValue(TABREC_NOTWRITTEN), 3);
    EXPECT_EQ(Messages().back(),
              "File has been saved, but 3 rows could not be written! \nCheck whether the file "
              "is opened by another program and whether the disk is full.");
    // A new recording starts counting afresh.
    std::filesystem::create_directory(subdir);
    SelectFile(recordFile);
    Press(TABREC_START);
    EXPECT_EQ(IntValue(TABREC_NOTWRITTEN), 0);
    EXPECT_EQ(Rows().size(), 3u);
    EXPECT_EQ(Messages().back(), kSaved);
}
