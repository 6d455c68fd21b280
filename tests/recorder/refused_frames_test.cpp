// Frames that no row can be made of (a live reply shorter than 22 bytes, a pushed frame
// too short or for another command) are counted as not written, never as recorded, and
// named once in the status box; the closing message says so.
#include "recorder_test_env.h"

#include "app/app_state.h"
#include "link/frame.h"
#include "recorder/recorder_state.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "ui/userint.h"

#include <atomic>
#include <string>

namespace
{

const char *const kShortFrameLine =
    "Recorder: a data frame of the sensor with 10 instead of 22 data bytes was not "
    "recorded.\n";

std::string StatusText()
{
    char text[8192] = "";
    GetCtrlVal(g_app.mainPages[PAGE_CONNECTION], TABCONN_STATUS, text, (int)sizeof text);
    return text;
}

} // namespace

TEST_F(RecorderTest, AShortLiveReplyOfACountedRecordingIsNotWrittenNorRecorded)
{
    // The second and the fifth live request get 10 data bytes, every other one a frame.
    auto liveRequests = std::make_shared<std::atomic<int>>(0);
    StartWithRawSensor([liveRequests](const Bytes &request) {
        if (request[1] != ORDER_READ_DATA_FRAME)
            return SensorLikeReply(request);
        int n = ++*liveRequests;
        return Reply(ORDER_READ_DATA_FRAME, 0,
                     Bytes(n == 2 || n == 5 ? 10 : kLiveFrameBytes, (unsigned char)n));
    });
    SelectFile(recordFile);
    Commit(TABREC_INTERVAL, 0.25);
    Commit(TABREC_VALUES, 3);

    Press(TABREC_START);

    EXPECT_EQ(Rows().size(), 3u) << FileText();
    EXPECT_EQ(IntValue(TABREC_RECORDED), 3);
    EXPECT_EQ(IntValue(TABREC_NOTWRITTEN), 1);
    EXPECT_EQ(liveRequests->load(), 4) << "three rows and the refused reply";
    EXPECT_EQ(Messages().back(),
              "File has been saved, but 1 rows could not be written! \nCheck whether the file "
              "is opened by another program and whether the disk is full. \n1 of them were data "
              "frames of the sensor that no row could be made of (too short, or no live data).");
    EXPECT_EQ(Occurrences(StatusText(), kShortFrameLine), 1);
}

TEST_F(RecorderTest, ShortPushedFramesOfATriggeredRecordingAreCountedAndNamedOnce)
{
    StartWithSim({"--push-rate", "100", "--short-data", "10", "--fault-command", "8"});
    SelectFile(recordFile);
    Commit(TABREC_MODE, 3);
    PressAfterFrames(TABREC_STOP, 1, 0.5);

    Press(TABREC_STARTTRIG);

    EXPECT_TRUE(Rows().empty()) << FileText();
    EXPECT_EQ(g_recorder.frameCounter, 0u);
    EXPECT_GT(g_recorder.rowsNotWritten, 10u);
    EXPECT_EQ(g_recorder.framesRefused, g_recorder.rowsNotWritten);
    EXPECT_EQ(IntValue(TABREC_NOTWRITTEN), (int)g_recorder.rowsNotWritten);
    EXPECT_NE(Messages().back(), "File has been saved!");
    EXPECT_EQ(Occurrences(StatusText(), kShortFrameLine), 1);
}
