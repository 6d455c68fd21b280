#include "shell_test_env.h"

#include "app/app_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

void OfflineProgram::SetUp()
{
    ProgramTest::SetUp();
    StartOffline(SettingsWith("", "[COMMUNICATION SETTINGS]\r\nCOMPROTOCOL = 1\r\n"
                                  "IP ADRESS = \"127.0.0.1\"\r\nPORT NUMBER = \"1\"\r\n\r\n"));
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
    return ProgramTest::Value(panel, control);
}

std::string TextValue(int panel, int control)
{
    return ProgramTest::TextValue(panel, control);
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
