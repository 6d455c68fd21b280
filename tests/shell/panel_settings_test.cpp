// The panel settings file: what is written, and what is restored from foreign,
// incomplete and odd files.
#include "shell_test_env.h"

#include "app/app_state.h"
#include "connection/connection.h"
#include "connection/reconnect.h"
#include "link/link_state.h"
#include "resource/panel_ids.h"
#include "shell/panel_settings.h"
#include "support/program_fixture.h"
#include "toolbox/combobox.h"
#include "ui/userint.h"

#include <cstdio>

namespace
{

std::string SettingsPath()
{
    return g_app.settingsPath;
}

void LoadSettingsText(const std::string &text)
{
    WriteWholeFile(SettingsPath(), text);
    LoadPanelSettings();
}

std::vector<std::string> History()
{
    std::vector<std::string> entries;
    int count = 0;
    Combo_GetComboAttribute(ConnPageHandle(), TABCONN_IPADDRESS, ATTR_COMBO_NUM_ITEMS, &count);
    for (int i = 0; i < count; ++i) {
        char text[1024] = "";
        Combo_GetValueFromIndex(ConnPageHandle(), TABCONN_IPADDRESS, i, text, sizeof text);
        entries.push_back(text);
    }
    return entries;
}

void ClearHistory()
{
    Combo_DeleteComboItem(ConnPageHandle(), TABCONN_IPADDRESS, 0, -1);
}

void SetConnectionDefaultsOnPage()
{
    SetCtrlVal(ConnPageHandle(), TABCONN_PROTOCOL, 0);
    SetCtrlVal(ConnPageHandle(), TABCONN_COMPORT, 1);
    SetCtrlVal(ConnPageHandle(), TABCONN_BAUDRATE, 4);
    SetCtrlVal(ConnPageHandle(), TABCONN_IPADDRESS, "");
    SetCtrlVal(ConnPageHandle(), TABCONN_PORTNUMBER, "5000");
}

} // namespace

using PanelSettingsTest = OfflineProgram;

TEST_F(PanelSettingsTest, DefaultSettingsAreWrittenExactlyAsTheKnownFile)
{
    // No file at all: every default, then the connection page back at its defaults.
    std::remove(SettingsPath().c_str());
    ClearHistory();
    LoadPanelSettings();
    SetConnectionDefaultsOnPage();
    SetPanelPos(g_app.mainPanel, 40, 10);
    SetPanelSize(g_app.mainPanel, 690, 1014);
    StorePanelSettings();

    const std::string expected = "[GENERAL INFO]\r\n"
                                 "FILE TYPE: = \"Panel Settings\"\r\n"
                                 "SCOPE VERSION: = \"CHROMIX1 Scope V3.1\"\r\n"
                                 "PANEL ID: = \"\"\r\n"
                                 "LANGUAGE = 1\r\n"
                                 "\r\n"
                                 "[PANEL POSITION]\r\n"
                                 "MAINPANEL FULLSCREEN = 0\r\n"
                                 "MAINPANEL LEFT = 10\r\n"
                                 "MAINPANEL TOP = 40\r\n"
                                 "MAINPANEL WIDTH = 1014\r\n"
                                 "MAINPANEL HEIGHT = 690\r\n"
                                 "\r\n"
                                 "[DIRECTORIES]\r\n"
                                 "PARAMETER FILE = \"" +
                                 dir_ + "/Parameter.ini\"\r\nRECORDER FILE = \"" + dir_ +
                                 "/RecordFile.dat\"\r\nHARDWARE INI FILE = \"" + dir_ +
                                 "/HardwareInitialFile.ini\"\r\nCONVERSION TABLE FILE = \"" + dir_ +
                                 "/ConversionTableFile.ini\"\r\n"
                                 "\r\n"
                                 "[IP ADDRESSES]\r\n"
                                 "LIST ITEMS = 0\r\n"
                                 "\r\n"
                                 "[COMMUNICATION SETTINGS]\r\n"
                                 "COMPROTOCOL = 0\r\n"
                                 "COMPORT = 1\r\n"
                                 "BAUDRATE = 4\r\n"
                                 "IP ADRESS = \"\"\r\n"
                                 "PORT NUMBER = \"5000\"\r\n"
                                 "AUTO RECONNECT = 0\r\n"
                                 "\r\n"
                                 "[RECORDER]\r\n"
                                 "SPLIT HOURS = 0\r\n"
                                 "\r\n";
    EXPECT_EQ(ReadWholeFile(SettingsPath()), expected);
}

TEST_F(PanelSettingsTest, NewFileEveryIsKeptInTheRecorderSection)
{
    SetCtrlVal(RecPageHandle(), TABREC_SPLITHOURS, 0.5);
    StorePanelSettings();
    const std::string text = ReadWholeFile(SettingsPath());
    EXPECT_NE(text.find("\r\n[RECORDER]\r\nSPLIT HOURS = 0.5\r\n"), std::string::npos) << text;

    const std::string head = text.substr(0, text.find("[RECORDER]"));
    struct Case {
        const char *item;
        double hours;
    };
    const Case cases[] = {
        {"SPLIT HOURS = 0.001", 0.001}, {"SPLIT HOURS = 24", 24.0},    {"SPLIT HOURS = -2", 0.0},
        {"SPLIT HOURS = 1,5", 0.0},     {"SPLIT HOURS = 1e9", 8760.0}, {"", 0.0},
    };
    for (const Case &c : cases) {
        SetCtrlVal(RecPageHandle(), TABREC_SPLITHOURS, 7.0);
        LoadSettingsText(head + "[RECORDER]\r\n" + c.item + "\r\n");
        double hours = -1.0;
        GetCtrlVal(RecPageHandle(), TABREC_SPLITHOURS, &hours);
        EXPECT_DOUBLE_EQ(hours, c.hours) << c.item;
    }
}

// RECONNECT AUTOMATICALLY is kept as AUTO RECONNECT; anything but 1 leaves it off.
TEST_F(PanelSettingsTest, AutoReconnectIsKeptInTheCommunicationSection)
{
    SetCtrlVal(ConnPageHandle(), TABCONN_AUTORECONNECT, 1);
    StorePanelSettings();
    const std::string text = ReadWholeFile(SettingsPath());
    EXPECT_NE(text.find("\"\r\nAUTO RECONNECT = 1\r\n\r\n[RECORDER]"), std::string::npos) << text;

    const std::string head = text.substr(0, text.find("AUTO RECONNECT"));
    const std::string tail = text.substr(text.find("\r\n\r\n[RECORDER]"));
    const std::pair<const char *, int> cases[] = {
        {"AUTO RECONNECT = 1\r\n", 1}, {"AUTO RECONNECT = 0\r\n", 0}, {"AUTO RECONNECT = 2\r\n", 0}, {"", 0}};
    for (const auto &c : cases) {
        SetCtrlVal(ConnPageHandle(), TABCONN_AUTORECONNECT, 1 - c.second);
        LoadSettingsText(head + c.first + tail);
        GetConnectionSettingsFromFile();
        int on = -1;
        GetCtrlVal(ConnPageHandle(), TABCONN_AUTORECONNECT, &on);
        EXPECT_EQ(on, c.second) << c.first;
        EXPECT_EQ(g_reconnect.enabled, c.second) << c.first;
    }
}

TEST_F(PanelSettingsTest, StoredSettingsComeBackOnTheNextStart)
{
    const std::string longDir = dir_ + "/a-directory-name-long-enough-to-need-continuation-items-in-the-file";
    std::snprintf(g_app.parameterFilePath, sizeof g_app.parameterFilePath, "%s/Parameter.ini",
                  longDir.c_str());
    SetCtrlVal(ConnPageHandle(), TABCONN_SENSORID, "Line 4 \"left\"\tsensor");
    ClearHistory();
    for (const char *address : {"10.0.0.3", "sensor.local", "10.0.0.1"})
        Combo_InsertComboItem(ConnPageHandle(), TABCONN_IPADDRESS, -1, address);
    SetCtrlVal(ConnPageHandle(), TABCONN_LANGUAGE, 0);
    StorePanelSettings();

    std::string text = ReadWholeFile(SettingsPath());
    EXPECT_NE(text.find("PARAMETER FILE Line0001 = \""), std::string::npos);
    EXPECT_NE(text.find("IP ADDR 1 = \"10.0.0.3\"\r\nIP ADDR 2 = \"sensor.local\""), std::string::npos);
    EXPECT_NE(text.find("PORT NUMBER = \"1\""), std::string::npos);
    EXPECT_NE(text.find("COMPORT = 1\r\n"), std::string::npos);

    g_app.parameterFilePath[0] = '\0';
    g_app.sensorId[0] = '\0';
    ClearHistory();
    LoadPanelSettings();
    EXPECT_EQ(std::string(g_app.parameterFilePath), longDir + "/Parameter.ini");
    EXPECT_STREQ(g_app.sensorId, "Line 4 \"left\"\tsensor");
    EXPECT_EQ(TextValue(ConnPageHandle(), TABCONN_SENSORID), "Line 4 \"left\"\tsensor");
    EXPECT_EQ(TextValue(RecPageHandle(), TABREC_SENSORID), "Line 4 \"left\"\tsensor");
    EXPECT_EQ(History(), (std::vector<std::string>{"10.0.0.3", "sensor.local", "10.0.0.1"}));
    EXPECT_EQ(g_app.language, 0);
    EXPECT_EQ(IntValue(ConnPageHandle(), TABCONN_LANGUAGE), 0);
}

TEST_F(PanelSettingsTest, AddressHistoryIsCutToTenAndSkipsMissingItems)
{
    std::string items = "LIST ITEMS = 25\r\n";
    for (int n = 1; n <= 25; ++n)
        items += "IP ADDR " + std::to_string(n) + " = \"host" + std::to_string(n) + "\"\r\n";
    ClearHistory();
    LoadSettingsText(SettingsWith("", "[IP ADDRESSES]\r\n" + items + "\r\n"));
    std::vector<std::string> expected;
    for (int n = 1; n <= 10; ++n)
        expected.push_back("host" + std::to_string(n));
    EXPECT_EQ(History(), expected);

    ClearHistory();
    LoadSettingsText(SettingsWith("", "[IP ADDRESSES]\r\nLIST ITEMS = 3\r\nIP ADDR 1 = \"first\"\r\n"
                                      "IP ADDR 3 = \"third\"\r\n\r\n"));
    EXPECT_EQ(History(), (std::vector<std::string>{"first", "third"}));
}

TEST_F(PanelSettingsTest, MainPanelGeometryFollowsTheFullscreenItem)
{
    SetPanelPos(g_app.mainPanel, 77, 66);
    SetPanelSize(g_app.mainPanel, 500, 600);
    // Without the fullscreen item the geometry items are not used.
    LoadSettingsText(SettingsWith("", "[PANEL POSITION]\r\nMAINPANEL LEFT = 20\r\nMAINPANEL TOP = 30\r\n"
                                      "MAINPANEL WIDTH = 900\r\nMAINPANEL HEIGHT = 650\r\n\r\n"));
    EXPECT_EQ(PanelInt(g_app.mainPanel, ATTR_TOP), 77);
    EXPECT_EQ(PanelInt(g_app.mainPanel, ATTR_LEFT), 66);
    EXPECT_EQ(PanelInt(g_app.mainPanel, ATTR_HEIGHT), 500);

    // 0 without geometry items: the defaults.
    LoadSettingsText(SettingsWith("", "[PANEL POSITION]\r\nMAINPANEL FULLSCREEN = 0\r\n\r\n"));
    EXPECT_EQ(PanelInt(g_app.mainPanel, ATTR_TOP), 40);
    EXPECT_EQ(PanelInt(g_app.mainPanel, ATTR_LEFT), 10);
    EXPECT_EQ(PanelInt(g_app.mainPanel, ATTR_HEIGHT), 690);
    EXPECT_EQ(PanelInt(g_app.mainPanel, ATTR_WIDTH), 1014);

    // 2 maximises and ignores the geometry.
    LoadSettingsText(
        SettingsWith("", "[PANEL POSITION]\r\nMAINPANEL FULLSCREEN = 2\r\nMAINPANEL TOP = 5\r\n\r\n"));
    EXPECT_EQ(PanelInt(g_app.mainPanel, ATTR_WINDOW_ZOOM), 2);
}

TEST_F(PanelSettingsTest, ForeignOrIncompleteFilesFallBackToDefaults)
{
    // The file type is compared exactly: a lower-case one makes the whole file foreign.
    LoadSettingsText(
        "[GENERAL INFO]\r\nFILE TYPE: = \"panel settings\"\r\nPANEL ID: = \"X\"\r\nLANGUAGE = 0\r\n\r\n"
        "[DIRECTORIES]\r\nRECORDER FILE = \"/elsewhere/r.dat\"\r\n\r\n");
    EXPECT_EQ(g_app.language, 1);
    EXPECT_STREQ(g_app.sensorId, "");
    EXPECT_EQ(std::string(g_app.recorderFilePath), dir_ + "/RecordFile.dat");

    // Missing paths: the recorder keeps its file name, the others get the directory alone.
    LoadSettingsText(SettingsWith("PANEL ID: = \"S-17\"\r\n",
                                  "[DIRECTORIES]\r\nHARDWARE INI FILE = \"/hw/h.ini\"\r\n\r\n"));
    EXPECT_EQ(std::string(g_app.recorderFilePath), dir_ + "/RecordFile.dat");
    EXPECT_EQ(TextValue(RecPageHandle(), TABREC_FILEPATH), dir_ + "/RecordFile.dat");
    EXPECT_EQ(std::string(g_app.parameterFilePath), dir_);
    EXPECT_EQ(std::string(g_app.convTableFilePath), dir_);
    EXPECT_EQ(std::string(g_app.hardwareFilePath), "/hw/h.ini");
    EXPECT_STREQ(g_app.sensorId, "S-17");

    // Only 0 selects German; anything else, a stray value included, is English.
    LoadSettingsText(SettingsWith("LANGUAGE = 5\r\n", ""));
    EXPECT_EQ(g_app.language, 1);
    EXPECT_EQ(IntValue(ConnPageHandle(), TABCONN_LANGUAGE), 1);
    LoadSettingsText(SettingsWith("LANGUAGE = German\r\n", ""));
    EXPECT_EQ(g_app.language, 1);
    LoadSettingsText(SettingsWith("LANGUAGE = 0\r\n", ""));
    EXPECT_EQ(g_app.language, 0);
}

TEST_F(PanelSettingsTest, ConnectionSettingsDefaultWhenTheFileIsMissingOrForeign)
{
    for (const std::string &text :
         {std::string(), std::string("[GENERAL INFO]\r\nFILE TYPE: = \"Parameter File\"\r\n\r\n"
                                     "[COMMUNICATION SETTINGS]\r\nCOMPROTOCOL = 1\r\nCOMPORT = 7\r\n\r\n")}) {
        if (text.empty())
            std::remove(SettingsPath().c_str());
        else
            WriteWholeFile(SettingsPath(), text);
        GetConnectionSettingsFromFile();
        EXPECT_EQ(g_link.protocol, 0);
        EXPECT_EQ(g_link.comPort, 1);
        EXPECT_EQ(g_link.baudIndex, 4);
        EXPECT_STREQ(g_link.host, "");
        EXPECT_STREQ(g_link.portText, "5000");
        EXPECT_EQ(IntValue(ConnPageHandle(), TABCONN_PROTOCOL), 0);
        EXPECT_EQ(IntValue(ConnPageHandle(), TABCONN_COMPORT), 1);
        EXPECT_EQ(IntValue(ConnPageHandle(), TABCONN_BAUDRATE), 4);
        EXPECT_EQ(TextValue(ConnPageHandle(), TABCONN_PORTNUMBER), "5000");
    }

    // TCP/IP without an address: TCP with an empty address, the port number text kept.
    WriteWholeFile(SettingsPath(),
                   SettingsWith("", "[COMMUNICATION SETTINGS]\r\nCOMPROTOCOL = 1\r\nCOMPORT = 65539\r\n"
                                    "PORT NUMBER = \"6001\"\r\n\r\n"));
    GetConnectionSettingsFromFile();
    EXPECT_EQ(g_link.protocol, 1);
    EXPECT_EQ(g_link.comPort, 3); // the low 16 bits of the stored integer
    EXPECT_STREQ(g_link.host, "");
    EXPECT_EQ(TextValue(ConnPageHandle(), TABCONN_IPADDRESS), "");
    EXPECT_EQ(TextValue(ConnPageHandle(), TABCONN_PORTNUMBER), "6001");

    InitConnectPanel();
    EXPECT_EQ(CtrlInt(ConnPageHandle(), TABCONN_IPADDRESS, ATTR_VISIBLE), 1);
    EXPECT_EQ(CtrlInt(ConnPageHandle(), TABCONN_COMPORT, ATTR_VISIBLE), 0);
    EXPECT_EQ(CtrlInt(ConnPageHandle(), TABCONN_CHANGEBAUD, ATTR_VISIBLE), 0);
}
