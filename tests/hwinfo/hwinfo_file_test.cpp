// The hardware info file against chromix-sim: the exact file for the simulator's
// identity, a cancelled dialog, a file that cannot be written, a link failure part-way,
// a short hardware block.
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

// The simulator's hardware block as its README describes it, as the file shows it.
std::string SimHardwareText()
{
    unsigned char block[512] = {0};
    for (int word = 0; word < 256; ++word) {
        block[2 * word] = (unsigned char)(0xC000 + word);
        block[2 * word + 1] = (unsigned char)((0xC000 + word) >> 8);
    }
    const unsigned words[] = {0x1234, 0xABCD, 31, 0x0301, 0x0310, 4};
    for (int word = 0; word < 6; ++word) {
        block[2 * word] = (unsigned char)words[word];
        block[2 * word + 1] = (unsigned char)(words[word] >> 8);
    }
    std::memset(block + 16, 0, 32);
    std::memcpy(block + 16, "CHROMIX1-SIM", 12);
    std::string text;
    char digits[5];
    for (int word = 0; word < 256; ++word) {
        std::snprintf(digits, sizeof digits, "%04x", block[2 * word] | block[2 * word + 1] << 8);
        text += digits;
    }
    return text;
}

std::string HardwareSection()
{
    std::string text = SimHardwareText(), section = "[HARDWARE INFO]\r\n";
    for (size_t at = 0, n = 1; at < text.size(); at += 80, ++n) {
        char tag[32];
        std::snprintf(tag, sizeof tag, "DATA Line%04zu", n);
        section += std::string(tag) + " = \"" + text.substr(at, 80) + "\"\r\n";
    }
    return section + "\r\n";
}

} // namespace

using HardwareInfoTest = SimTcpProgramTest;

TEST_F(HardwareInfoTest, HardwareInfoFileHoldsTheSensorsRamParametersOffsetAndBlock)
{
    // RAM differs from EEPROM, and GET is set to EEPROM: the file takes RAM all the same.
    SetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_1], TABPARA1_POWER, 777);
    g_app.paraMemory = PARA_MEMORY_RAM;
    ASSERT_TRUE(ClickButton(g_app.mainPanel, MAINP_SEND));
    SetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_1], TABPARA1_POWER, 100);
    g_app.paraMemory = PARA_MEMORY_EEPROM;
    ShowOffsetPage();
    ASSERT_TRUE(CommitNumeric(OffsetPage(), TABOFFSET_OFFSETVAL, "42"));
    ASSERT_TRUE(ClickButton(OffsetPage(), TABOFFSET_SENDOFFSET));
    SetCtrlVal(OffsetPage(), TABOFFSET_OFFSETVAL, 7);
    ClearStatus();

    const std::string path = dir + "/support/hw.ini";
    ASSERT_EQ(mkdir((dir + "/support").c_str(), 0777), 0);
    WriteWholeFile(path, "an older file");
    PopupScript dialog;
    dialog.AnswerFile(VAL_EXISTING_FILE_SELECTED, path);
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_CONNECTION);
    // Every sensor operation leaves HARDWARE INFO dimmed until a good connection check.
    SetConnectionButtonsDimmed(0);
    ASSERT_TRUE(ClickButton(ConnectionPage(), TABCONN_HWINFO));

    ASSERT_EQ(dialog.Count(), 1);
    EXPECT_EQ(dialog.Last().title, "HardwareInitialFile");
    EXPECT_EQ(dialog.Last().defaultFileName, "HardwareInitialFile.ini");
    EXPECT_EQ(dialog.Last().fileTypeList, "*.ini");
    EXPECT_EQ(g_app.paraMemory, PARA_MEMORY_EEPROM);
    EXPECT_STREQ(g_app.hardwareFilePath, path.c_str());
    EXPECT_EQ(Status(), "File has been saved!\n" + path + "\n\n");
    const std::string expected =
        "[GENERAL INFO]\r\nFILE TYPE: = \"Hardware Initial File\"\r\nSCOPE VERSION: = \"CHROMIX1 Scope "
        "V3.1.0\"\r\n"
        "FIRMWARE VERSION: = \"CHROMIX1 V3.1.0 R2\"\r\n\r\n" +
        HardwareSection() +
        "[PARAMETER]\r\nPOWER = 777\r\nPOWER MODE = 0\r\nDYNWIN LO = 3200\r\nDYNWIN HI = 3300\r\nLED MODE = "
        "0\r\n"
        "GAIN = 5\r\nAVERAGE = 1\r\nINTEGRAL = 1\r\nANALOG OUTMODE = 0\r\nANALOG RANGE = 0\r\nANALOG OUT = "
        "0\r\n"
        "DIGITAL OUTMODE = 1\r\nHOLD = 100\r\nTHRESHOLD MODE = 0\r\nTHRESHOLD TRACING = 0\r\nTT UP = 100\r\n"
        "TT DOWN = 100\r\nTHRESHOLD CALC 1 = 1\r\nTEACH VALUE 1 SIG = 2000\r\nTOLERANCE 1 = 20\r\n"
        "HYSTERESIS 1 = 10\r\nTHRESHOLD CALC 2 = 1\r\nTEACH VALUE 2 SIG = 2000\r\nTOLERANCE 2 = 20\r\n"
        "HYSTERESIS 2 = 10\r\nEXTERN TEACH = 0\r\nDEAD TIME = 0\r\nOPERATING MODE = 0\r\nSENSITIVITY = 0\r\n"
        "REF VALUE CH0 = 2000\r\nADJ CHANNEL OFFSET = 0\r\nCH0 OFFSET = 0\r\n\r\n" +
        "[OFFSET]\r\nCH0 OFFSET = 42\r\n\r\n";
    EXPECT_EQ(ReadWholeFile(path), expected);
}

TEST_F(HardwareInfoTest, CancelledDialogAndUnwritablePathWriteNothingAndSaySo)
{
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_CONNECTION);
    {
        PopupScript cancelled;
        cancelled.AnswerFile(VAL_NO_FILE_SELECTED, "");
        ASSERT_TRUE(ClickButton(ConnectionPage(), TABCONN_HWINFO));
        EXPECT_EQ(Status(), "No file was selected! \nProcess will not be done!\n\n");
    }
    // The button stays dimmed until the next good connection check.
    SetConnectionButtonsDimmed(0);
    ClearStatus();
    const std::string path = dir + "/missing/hw.ini";
    PopupScript unwritable;
    unwritable.AnswerFile(VAL_NEW_FILE_SELECTED, path);
    ASSERT_TRUE(ClickButton(ConnectionPage(), TABCONN_HWINFO));
    EXPECT_EQ(Status(), "File could not be saved!\n" + path + "\n\n");
    EXPECT_EQ(access(path.c_str(), F_OK), -1);
}

TEST_F(HardwareInfoTest, LinkFailureDuringTheSequenceOpensNoDialog)
{
    ASSERT_TRUE(SendSimControl(sim, "fault-command 194"));
    ASSERT_TRUE(SendSimControl(sim, "error-reply 1"));
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_CONNECTION);
    PopupScript dialogs;
    ASSERT_TRUE(ClickButton(ConnectionPage(), TABCONN_HWINFO));
    EXPECT_EQ(dialogs.Count(), 0);
    ExpectLinkFailure("Invalid order number! \nVerify PC and sensor software!");
    EXPECT_EQ(Status().find("File has been saved!"), std::string::npos);
}

class ShortHardwareBlockTest : public LinkProgramTest
{
};

// A block shorter than 512 bytes never fills the file with bytes of earlier replies.
TEST_F(ShortHardwareBlockTest, ShortHardwareBlockIsRefused)
{
    sensor.SetResponder([](const Bytes &request) {
        if (request[1] == 100)
            return Reply(100, 0, {42, 0, 10, 0});
        if (request[1] == 194)
            return Reply(194, 0, Bytes(100, 0x11));
        return SensorLikeReply(request);
    });
    StartWithRawSensorOverTcp();
    ASSERT_EQ(g_link.sensorConnected, 1) << Status();
    ClearStatus();
    PopupScript dialogs;
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_CONNECTION);
    ASSERT_TRUE(ClickButton(ConnectionPage(), TABCONN_HWINFO));
    EXPECT_EQ(dialogs.Count(), 0);
    EXPECT_EQ(
        Status(),
        "Hardware info of the sensor is incomplete (100 of 512 bytes)! \nProcess will not be done!\n\n");
}
