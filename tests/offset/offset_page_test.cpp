// The offset compensation page against chromix-sim: the request frames of the four
// offset operations and what the page shows, the factor's range, a short reply.
#include "support/link_test_env.h"

#include "app/app_state.h"
#include "app/dimming.h"
#include "link/link_state.h"
#include "resource/panel_ids.h"
#include "support/popup_script.h"
#include "support/program_fixture.h"
#include "support/sim_process.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

int OffsetPage()
{
    return g_app.mainPages[PAGE_OFFSET];
}

Bytes SentFrame()
{
    const int length = kFrameHeaderSize + (g_link.sendBuffer[4] | g_link.sendBuffer[5] << 8);
    return Bytes(g_link.sendBuffer, g_link.sendBuffer + length);
}

int OffsetField()
{
    int value = -1;
    GetCtrlVal(OffsetPage(), TABOFFSET_OFFSETVAL, &value);
    return value;
}

double FactorField()
{
    double value = -1.0;
    GetCtrlVal(OffsetPage(), TABOFFSET_FACTOR, &value);
    return value;
}

} // namespace

using OffsetPageTest = SimTcpProgramTest;

TEST_F(OffsetPageTest, OffsetOperationsSendTheirFramesAndShowTheReplies)
{
    ShowOffsetPage();
    ASSERT_TRUE(ClickButton(OffsetPage(), TABOFFSET_GETOFFSET));
    EXPECT_EQ(SentFrame(), Frame(100, 0));
    EXPECT_EQ(OffsetField(), 0);
    EXPECT_DOUBLE_EQ(FactorField(), 1.0);

    ASSERT_TRUE(CommitNumeric(OffsetPage(), TABOFFSET_OFFSETVAL, "1234"));
    ASSERT_TRUE(ClickButton(OffsetPage(), TABOFFSET_SENDOFFSET));
    EXPECT_EQ(SentFrame(), Frame(100, 2, {0xD2, 0x04}));

    // Tenths cut toward zero from the value set or typed (1.06 is shown as 1.1 but sent
    // as 10), the largest factor that 16 bits carry, and typed factors as shown.
    const struct {
        const char *typed;
        unsigned tenths;
    } factors[] = {{nullptr, 10}, {"1.06", 10}, {"2.3", 23}, {"6553.5", 65535}, {"1.99", 19}, {"2.5", 25}};
    for (const auto &factor : factors) {
        if (factor.typed) {
            ASSERT_TRUE(CommitNumeric(OffsetPage(), TABOFFSET_FACTOR, factor.typed));
        } else {
            SetCtrlVal(OffsetPage(), TABOFFSET_FACTOR, 1.06);
        }
        ASSERT_TRUE(ClickButton(OffsetPage(), TABOFFSET_SENDFACTOR));
        // Sent twice: the focus moved away in between, and the display read back must
        // not round the value held.
        ASSERT_TRUE(ClickButton(OffsetPage(), TABOFFSET_SENDFACTOR));
        EXPECT_EQ(SentFrame(),
                  Frame(100, 3, {(unsigned char)factor.tenths, (unsigned char)(factor.tenths >> 8)}))
            << factor.tenths;
    }

    SetCtrlVal(OffsetPage(), TABOFFSET_OFFSETVAL, 0);
    SetCtrlVal(OffsetPage(), TABOFFSET_FACTOR, 0.0);
    ASSERT_TRUE(ClickButton(OffsetPage(), TABOFFSET_GETOFFSET));
    EXPECT_EQ(OffsetField(), 1234);
    EXPECT_DOUBLE_EQ(FactorField(), 2.5);
    EXPECT_EQ(Status(), "");
}

TEST_F(OffsetPageTest, CalculateOffsetAsksFirstAndShowsTheSensorsValueUnchecked)
{
    ShowOffsetPage();
    std::memset(g_link.sendBuffer, 0, 16);
    {
        PopupScript declined;
        declined.Answer(0);
        ASSERT_TRUE(ClickButton(OffsetPage(), TABOFFSET_CALCOFFSET));
        ASSERT_EQ(declined.Count(), 1);
        EXPECT_EQ(declined.Last().title, "Message!");
        EXPECT_EQ(declined.Last().message, "Make sure, that the receiver of the sensor is covered! \nOffset "
                                           "value should be lower than 100!");
    }
    EXPECT_EQ(g_link.sendBuffer[0], 0) << "nothing sent after No";
    EXPECT_EQ(OffsetField(), 0);

    PopupScript accepted;
    accepted.Answer(1);
    ASSERT_TRUE(ClickButton(OffsetPage(), TABOFFSET_CALCOFFSET));
    EXPECT_EQ(SentFrame(), Frame(100, 1));
    // The simulator's dark signal lies between 28 and 47 digits.
    EXPECT_GE(OffsetField(), 28);
    EXPECT_LE(OffsetField(), 47);
}

TEST_F(OffsetPageTest, FactorFieldRefusesWhatSixteenBitsInTenthsCannotCarry)
{
    ShowOffsetPage();
    for (const char *typed : {"7000", "6553.6", "-1"}) {
        ASSERT_TRUE(CommitNumeric(OffsetPage(), TABOFFSET_FACTOR, typed));
        EXPECT_GE(FactorField(), 0.0) << typed;
        EXPECT_LE(FactorField(), 6553.5) << typed;
    }
}

class ShortOffsetReplyTest : public LinkProgramTest
{
};

// An offset reply without the words it should carry leaves the fields as they were.
TEST_F(ShortOffsetReplyTest, ShortOffsetReplyIsRefused)
{
    sensor.SetResponder([](const Bytes &request) {
        if (request[1] == 100)
            return Reply(100, 0, {5, 0});
        return SensorLikeReply(request);
    });
    StartWithRawSensorOverTcp();
    ASSERT_EQ(g_link.sensorConnected, 1) << Status();
    ClearStatus();
    SetTabPageAttribute(g_app.mainPanel, MAINP_TAB, PAGE_OFFSET, ATTR_VISIBLE, 1);
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_OFFSET);
    SetCtrlVal(OffsetPage(), TABOFFSET_OFFSETVAL, 9);
    ASSERT_TRUE(ClickButton(OffsetPage(), TABOFFSET_GETOFFSET));
    EXPECT_EQ(OffsetField(), 9);
    EXPECT_DOUBLE_EQ(FactorField(), 1.0);
    EXPECT_EQ(Status(), "Reply of the sensor to the offset request is incomplete!\n\n");
}
