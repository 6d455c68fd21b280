#include "shell/startup.h"

#include "app/app_state.h"
#include "app/child_panels.h"
#include "app/dimming.h"
#include "app/long_operation.h"
#include "connection/connection.h"
#include "convtable/conv_table.h"
#include "link/link_state.h"
#include "panels/panel_resource.h"
#include "params/param_form.h"
#include "platform/rs232.h"
#include "platform/tcp_client.h"
#include "platform/termination.h"
#include "recorder/recorder.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "shell/panel_settings.h"
#include "shell/process_state.h"
#include "shell/settings_location.h"
#include "toolbox/combobox.h"
#include "toolbox/password.h"
#include "ui/ui_init.h"
#include "ui/userint.h"

#include <cstdio>
#include <initializer_list>

namespace
{

struct PanelToLoad {
    int *handle;
    int index;
    bool child;
    const char *name;
};

void CloseMainPanelOnSignal()
{
    CBF_MAINP(g_app.mainPanel, EVENT_CLOSE, nullptr, 0, 0);
}

void ResetSharedFlags()
{
    g_link.tcpConnected = 0;
    g_link.currentCommand = 1;
    g_app.paraMemory = PARA_MEMORY_RAM;
    ResetLoops();
}

void FetchTabPageHandles()
{
    for (int page = 0; page < MAIN_TAB_PAGE_COUNT; ++page)
        GetPanelHandleFromTabPage(g_app.mainPanel, MAINP_TAB, page, &g_app.mainPages[page]);
    for (int page = 0; page < DATA_TAB_PAGE_COUNT; ++page)
        GetPanelHandleFromTabPage(g_app.dataPanel, DATAP_TAB, page, &g_app.dataPages[page]);
}

void CreateAddressBox()
{
    int page = g_app.mainPages[PAGE_CONNECTION];
    Combo_NewComboBox(page, TABCONN_IPADDRESS);
    Combo_SetComboAttribute(page, TABCONN_IPADDRESS, ATTR_COMBO_FRAME_COLOR, VAL_LT_GRAY);
}

void CreatePasswordField()
{
    PasswordCtrl_ConvertFromString(g_app.passwordPanel, PASSWORDP_PASSWORD);
    PasswordCtrl_SetAttribute(g_app.passwordPanel, PASSWORDP_PASSWORD, ATTR_PASSWORD_MAX_LENGTH, 20);
    PasswordCtrl_SetAttribute(g_app.passwordPanel, PASSWORDP_PASSWORD, ATTR_PASSWORD_MASK_CHARACTER, '*');
}

// Sorting, expanding or charting the conversion table would break its fixed first
// and last rows, so those built-in menu items are not offered.
void HideConversionTableMenuItems()
{
    int page = g_app.mainPages[PAGE_CONVERSION_TABLE];
    HideBuiltInCtrlMenuItem(page, TABCONV_TABLE, VAL_SORT);
    HideBuiltInCtrlMenuItem(page, TABCONV_TABLE, VAL_EXPAND);
    HideBuiltInCtrlMenuItem(page, TABCONV_TABLE, VAL_CHART);
}

} // namespace

int LoadProgramPanels(const char *resourceFile)
{
    const PanelToLoad panels[] = {
        {&g_app.mainPanel, MAINP, false, "main panel"},
        {&g_app.dataPanel, DATAP, true, "data panel"},
        {&g_app.graphPanel, GRAPHP, true, "graph panel"},
        {&g_app.scopePanel, SCOPEP, true, "scope panel"},
        {&g_app.convPanel, CONVP, true, "conversion panel"},
        {&g_app.passwordPanel, PASSWORDP, false, "password panel"},
    };
    UseProgramPanelResource();
    for (const PanelToLoad &p : panels) {
        *p.handle = LoadPanel(p.child ? g_app.mainPanel : 0, resourceFile, p.index);
        if (*p.handle < 0) {
            std::fprintf(stderr, "chromix-scope: cannot load the %s (index %d) from %s\n", p.name, p.index,
                         resourceFile);
            return -1;
        }
    }
    SetPanelAttribute(g_app.mainPanel, ATTR_TITLE, kProgramTitle);
    // Where the panel resource puts the main panel until the settings file says otherwise.
    SetPanelPos(g_app.mainPanel, kMainPanelDefaultTop, kMainPanelDefaultLeft);
    for (int child : {g_app.dataPanel, g_app.graphPanel, g_app.scopePanel, g_app.convPanel})
        SetPanelPos(child, kChildPanelTop, kChildPanelLeft);
    return 0;
}

void InitPanelState(SettingsUse settings)
{
    ResetSharedFlags();
    FetchTabPageHandles();
    ShowLogo();
    GetPanelValues();
    if (settings == SETTINGS_READ_ONLY)
        FindSettingsLocation();
    else
        PrepareSettingsLocation();
    CreateAddressBox();
    LoadPanelSettings();
    InitRecorder();
    CreatePasswordField();
    HideConversionTableMenuItems();
    ResetConvTable();
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_1);
    SetTabPageAttribute(g_app.mainPanel, MAINP_TAB, PAGE_OFFSET, ATTR_VISIBLE, 0);
    ShowChildPanelDisp(g_app.dataPanel);
}

void InitAll(void)
{
    InitPanelState(SETTINGS_READ_WRITE);
    DisplayPanel(g_app.mainPanel);

    GetConnectionSettingsFromFile();
    InitConnectPanel();
    ReportLinkFailuresOnConnectionPage();
    SetButtonsDimmed(DIM_ALL_GROUPS, 1);
    TryToConnect();
    if (g_link.sensorConnected == 1)
        SetButtonsDimmed(DIM_ALL_GROUPS, 0);
}

void ShutdownProgram(void)
{
    if (g_link.tcpConnected)
        DisconnectFromTCPServer(g_link.tcpHandle);
    CloseCom(g_link.comPort);
    Combo_DiscardComboBox(g_app.mainPages[PAGE_CONNECTION], TABCONN_IPADDRESS);
    DiscardPanel(g_app.mainPanel);
}

int RunProgram(int argc, char **argv, const char *resourceFile)
{
    if (InitUserInterface(&argc, argv) < 0)
        return -1;
    ResetProcessState();
    if (LoadProgramPanels(resourceFile) < 0)
        return -1;
    InstallTerminationHandler(CloseMainPanelOnSignal);
    InitAll();
    RunUserInterface();
    ShutdownProgram();
    return 0;
}

int WinMain(int argc, char **argv)
{
    return RunProgram(argc, argv, kPanelResourceFile);
}
