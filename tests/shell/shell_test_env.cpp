#include "shell_test_env.h"

#include "app/app_state.h"
#include "panels/panel_ids.h"
#include "support/program_fixture.h"
#include "ui/userint.h"

#include <cstdlib>

void OfflineProgram::SetUp()
{
    dir_ = MakeTempProgramDir();
    ASSERT_FALSE(dir_.empty());
    PopupScript offline;
    offline.Answer(2); // "Offline" in the Close/Offline question
    ASSERT_EQ(
        StartProgramInDir(dir_, SettingsWith("", "[COMMUNICATION SETTINGS]\r\nCOMPROTOCOL = 1\r\n"
                                                 "IP ADRESS = \"127.0.0.1\"\r\nPORT NUMBER = \"1\"\r\n\r\n")),
        0);
    ClearPopupLog();
}

void OfflineProgram::TearDown()
{
    StopProgram();
    std::string command = "rm -rf '" + dir_ + "'";
    std::system(command.c_str());
}

std::string SettingsWith(const std::string &generalItems, const std::string &otherSections)
{
    return "[GENERAL INFO]\r\nFILE TYPE: = \"Panel Settings\"\r\n" + generalItems + "\r\n" + otherSections;
}

int ConnPageHandle()
{
    return g_app.mainPages[PAGE_CONNECTION];
}
int RecPageHandle()
{
    return g_app.mainPages[PAGE_RECORDER];
}

int IntValue(int panel, int control)
{
    int value = -12345;
    GetCtrlVal(panel, control, &value);
    return value;
}

std::string TextValue(int panel, int control)
{
    char text[2048] = "";
    GetCtrlVal(panel, control, text, sizeof text);
    return text;
}

int PanelInt(int panel, int attribute)
{
    int value = -12345;
    GetPanelAttribute(panel, attribute, &value);
    return value;
}

int CtrlInt(int panel, int control, int attribute)
{
    int value = -12345;
    GetCtrlAttribute(panel, control, attribute, &value);
    return value;
}
