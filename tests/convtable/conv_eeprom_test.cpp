// The conversion table and the conversion data in the sensor's EEPROM, against
// chromix-sim: what the simulator keeps is read back from its EEPROM file.
#include "conv_test_env.h"

#include "app/app_state.h"
#include "convtable/conv_eeprom.h"
#include "convtable/conv_table.h"
#include "link/link_state.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "ui/userint.h"

#include <QTimer>

#include <cstring>
#include <string>
#include <vector>

namespace
{

const char *const kInvalidOrder = "Invalid order";

std::vector<int> FactoryData()
{
    std::vector<int> data(1024);
    for (int j = 0; j < 1024; ++j)
        data[j] = 4 * j;
    return data;
}

} // namespace

class ConvEepromTest : public ConvProgramTest
{
  protected:
    void SetUp() override
    {
        ConvProgramTest::SetUp();
        StartWithSim();
    }

    void Control(const std::string &line) { ASSERT_TRUE(SendSimControl(sim, line)); }
    static void ClearStatus() { ResetTextBox(g_app.mainPages[PAGE_CONNECTION], TABCONN_STATUS, ""); }
};

// Written, changed and read back: the same 128 cells, also after a failed link, and
// saved or not is decided by the write itself.
TEST_F(ConvEepromTest, TableWrittenAndReadBack)
{
    for (int row = 2; row <= 63; ++row)
        SetRow(row, row * 50, 20000 - row * 700);
    const std::vector<short> written = Cells();
    g_link.sensorConnected = 0; // left cleared by an earlier failure
    Press(Page(), TABCONV_SAVEEE);
    EXPECT_EQ(Messages(), std::vector<std::string>{kSavedText});
    std::vector<int> stored = SimEeprom("table");
    EXPECT_EQ(stored, std::vector<int>(written.begin(), written.end()));

    Press(Page(), TABCONV_RESET);
    Press(Page(), TABCONV_GETEE);
    EXPECT_EQ(Cells(), written);
    EXPECT_FALSE(Dimmed(Page(), TABCONV_GETEE));

    Control("fault-command 103");
    Control("error-reply 1");
    ResetPopups();
    Press(Page(), TABCONV_SAVEEE);
    EXPECT_EQ(Messages(), std::vector<std::string>{kNotSavedText});
    Press(Page(), TABCONV_RESET);
    const std::vector<short> reset = Cells();
    Press(Page(), TABCONV_GETEE);
    EXPECT_EQ(Cells(), reset);
    EXPECT_EQ(SimEeprom("table"), stored);
}

TEST_F(ConvEepromTest, AShortTableReplyFillsTheRestWithZero)
{
    Control("short-data 100");
    Press(Page(), TABCONV_GETEE);
    std::vector<short> cells = Cells();
    EXPECT_EQ(cells[0], 0);
    EXPECT_EQ(cells[2], -1);
    EXPECT_EQ(cells[49], -1);
    for (int i = 50; i < 126; ++i)
        EXPECT_EQ(cells[i], 0) << i;
    EXPECT_EQ(cells[127], 0);
    EXPECT_EQ(cells[126], 4095); // row 64 keeps its actual value
    EXPECT_EQ(g_link.sensorConnected, 1);
}

TEST_F(ConvEepromTest, IdentityTableGivesConversionDataFourTimesJ)
{
    Press(Page(), TABCONV_RESET);
    SetRow(64, 4095, 4095);
    // Different data first, so that the identity download must change every block.
    SetRow(2, 2000, 9000);
    Press(g_app.convPanel, CONVP_SAVEDATAEE);
    ASSERT_EQ(Messages(), std::vector<std::string>{kSavedText});
    ASSERT_NE(SimEeprom("data"), FactoryData());

    // Paced at 115200 baud the download takes about 0.2 s; a timer of the window
    // sees each block's progress line while it runs.
    Control("pace");
    std::vector<std::string> progress;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&progress] {
        std::string text(64, '\0');
        GetCtrlVal(g_app.convPanel, CONVP_PROGRESS, text.data(), (int)text.size());
        text.resize(std::strlen(text.c_str()));
        if (!text.empty() && (progress.empty() || progress.back() != text))
            progress.push_back(text);
    });
    sampler.start(5);
    SetRow(2, -1, -1);
    ResetPopups();
    Press(g_app.convPanel, CONVP_SAVEDATAEE);
    sampler.stop();
    EXPECT_EQ(progress,
              (std::vector<std::string>{"Block 1 of 4", "Block 2 of 4", "Block 3 of 4", "Block 4 of 4"}));
    EXPECT_EQ(Messages(), std::vector<std::string>{kSavedText});
    for (int k = 0; k < kConvCurvePoints; ++k)
        ASSERT_DOUBLE_EQ(g_conv.curve[k], k);
    EXPECT_EQ(SimEeprom("data"), FactoryData());
    std::string after(64, '\0');
    GetCtrlVal(g_app.convPanel, CONVP_PROGRESS, after.data(), (int)after.size());
    EXPECT_EQ(std::string(after.c_str()), "");
    EXPECT_FALSE(Dimmed(g_app.convPanel, CONVP_SAVEDATAEE));
}

// The second prepare fails: block 1 stays written, nothing more is sent, NOT saved,
// and the status box says which blocks the sensor now holds.
TEST_F(ConvEepromTest, AFailedSecondPrepareStopsAfterBlockOne)
{
    SetRow(64, 4095, 4095);
    SetRow(2, 1000, 3000);
    Control("fault-command 180");
    Control("fault-after 1");
    Control("error-reply 1");
    ClearStatus();
    Press(g_app.convPanel, CONVP_SAVEDATAEE);
    EXPECT_EQ(Messages(), std::vector<std::string>{kNotSavedText});
    std::vector<int> data = SimEeprom("data");
    ASSERT_EQ(data.size(), 1024u);
    std::vector<int> factory = FactoryData();
    EXPECT_EQ(data[100], 1200); // curve[400] of the segment from (0, 0) to (1000, 3000)
    EXPECT_NE(data[100], factory[100]);
    EXPECT_EQ(std::vector<int>(data.begin() + 256, data.end()),
              std::vector<int>(factory.begin() + 256, factory.end()));
    std::string status = Status();
    EXPECT_EQ(Occurrences(status, kInvalidOrder), 1) << status;
    EXPECT_NE(
        status.find("ATTENTION! Conversion data: the sensor acknowledged 1 of 4 blocks. \nBlock 2 was not "
                    "sent. \nSave the data again!\n\n"),
        std::string::npos)
        << status;
    EXPECT_FALSE(Dimmed(g_app.convPanel, CONVP_SAVEDATAEE));
}

// Block 1's acknowledgement arrives damaged although the sensor stored the block: the
// status box says the block may or may not have been written, never that it was not.
TEST_F(ConvEepromTest, ALostAcknowledgementIsReportedAsUnknownNotAsUnwritten)
{
    SetRow(64, 4095, 4095);
    SetRow(2, 1000, 3000);
    Control("fault-command 182");
    Control("bad-header-crc 1");
    ClearStatus();
    Press(g_app.convPanel, CONVP_SAVEDATAEE);
    EXPECT_EQ(Messages(), std::vector<std::string>{kNotSavedText});
    EXPECT_EQ(SimEeprom("data")[100], 1200) << "the simulator stored block 1";
    std::string status = Status();
    EXPECT_NE(
        status.find("the sensor acknowledged 0 of 4 blocks. \nBlock 1 was sent, but its acknowledgement did "
                    "not arrive intact: the sensor may or may not have stored it."),
        std::string::npos)
        << status;
    EXPECT_EQ(status.find("not written"), std::string::npos) << status;
    EXPECT_EQ(status.find("keeps its previous data"), std::string::npos) << status;
}

// Curves that cannot be scaled into 16-bit data, and an inconsistent table, send nothing.
TEST_F(ConvEepromTest, DataThatCannotBeScaledOrCalculatedAreNotSent)
{
    struct Case {
        int firstSet, lastSet, row2Actual, row2Set;
        int popups;
    };
    const Case cases[] = {
        {0, 0, -1, -1, 1}, {-30000, 1, -1, -1, 1}, {-5, -2, -1, -1, 1}, {0, 10, 500, -1, 2}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.firstSet) + " " + std::to_string(c.lastSet));
        SetRow(1, 0, c.firstSet);
        SetRow(64, 4095, c.lastSet);
        SetRow(2, c.row2Actual, c.row2Set);
        ClearStatus();
        ResetPopups();
        Press(g_app.convPanel, CONVP_SAVEDATAEE);
        std::vector<std::string> messages = Messages();
        ASSERT_EQ((int)messages.size(), c.popups);
        EXPECT_EQ(messages.back(), kCanNotBeSavedText);
        EXPECT_EQ(SimEeprom("data"), std::vector<int>());
        EXPECT_EQ(Status(), "");
    }
}
