// The connection page's settings, the controls of the selected transport, and the
// dimming of every control that needs a connected sensor.
#include "app/app_state.h"
#include "app/settings_keys.h"
#include "inistore/inifile.h"
#include "link/connection.h"
#include "link/link_state.h"
#include "panels/panel_ids.h"
#include "platform/paths.h"
#include "ui/userint.h"

#include <cstring>
#include <initializer_list>

namespace
{

int Page(int index)
{
    return g_app.mainPages[index];
}

void SetDefaultConnectionSettings()
{
    g_link.protocol = PROTOCOL_RS232;
    g_link.comPort = 1;
    g_link.baudIndex = 4;
    std::memset(g_link.host, 0, sizeof g_link.host);
    StringCopyBounded(g_link.portText, kDefaultPortText, sizeof g_link.portText);
}

void ReadShortSetting(IniText store, const char *key, short *field)
{
    int value = 0;
    if (Ini_GetInt(store, kSecCommunication, key, &value) == 1)
        *field = (short)value;
}

void ReadConnectionSettings(IniText store)
{
    ReadShortSetting(store, kKeyProtocol, &g_link.protocol);
    ReadShortSetting(store, kKeyComPort, &g_link.comPort);
    ReadShortSetting(store, kKeyBaudrate, &g_link.baudIndex);
    Ini_GetStringIntoBuffer(store, kSecCommunication, kKeyIpAddress, g_link.host, sizeof g_link.host);
    if (Ini_GetStringIntoBuffer(store, kSecCommunication, kKeyPortNumber, g_link.portText,
                                sizeof g_link.portText) != 1)
        StringCopyBounded(g_link.portText, kDefaultPortText, sizeof g_link.portText);
}

void ShowConnectionSettings()
{
    int page = Page(PAGE_CONNECTION);
    SetCtrlVal(page, TABCONN_PROTOCOL, (int)g_link.protocol);
    SetCtrlVal(page, TABCONN_COMPORT, (int)g_link.comPort);
    SetCtrlVal(page, TABCONN_BAUDRATE, (int)g_link.baudIndex);
    SetCtrlVal(page, TABCONN_IPADDRESS, g_link.host);
    SetCtrlVal(page, TABCONN_PORTNUMBER, g_link.portText);
}

void Dim(int panel, int control, int dim)
{
    SetCtrlAttribute(panel, control, ATTR_DIMMED, dim);
}

void Show(int panel, int control, int visible)
{
    SetCtrlAttribute(panel, control, ATTR_VISIBLE, visible);
}

} // namespace

void GetConnectionSettingsFromFile(void)
{
    SetDefaultConnectionSettings();
    IniText store = OpenPanelSettingsStore(g_app.settingsPath);
    if (store) {
        ReadConnectionSettings(store);
        Ini_Dispose(store);
    }
    ShowConnectionSettings();
}

void InitConnectPanel(void)
{
    int page = Page(PAGE_CONNECTION);
    int protocol = 0;
    GetCtrlVal(page, TABCONN_PROTOCOL, &protocol);
    g_link.protocol = (short)protocol;
    if (protocol != PROTOCOL_RS232 && protocol != PROTOCOL_TCP)
        return;
    int serial = protocol == PROTOCOL_RS232;
    Show(page, TABCONN_FINDPORTS, serial);
    Show(page, TABCONN_COMPORT, serial);
    Show(page, TABCONN_BAUDRATE, serial);
    Show(page, TABCONN_CHANGEBAUD, serial);
    Show(page, TABCONN_IPADDRESS, !serial);
    Show(page, TABCONN_PORTNUMBER, !serial);
}

void SetButtonsDimmed(int scope, int dim)
{
    if (scope == DIM_ALL_GROUPS) {
        for (int control : {MAINP_RAM, MAINP_EEPROM, MAINP_FILE, MAINP_SEND, MAINP_GET})
            Dim(g_app.mainPanel, control, dim);
    }
    Dim(g_app.mainPanel, MAINP_GO, dim);

    int connection = Page(PAGE_CONNECTION);
    for (int control : {TABCONN_CONNECT, TABCONN_DISCONNECT, TABCONN_BAUDRATE})
        Dim(connection, control, dim);
    // Change baud rate and Hardware info come back only through a good connection check.
    if (dim) {
        Dim(connection, TABCONN_CHANGEBAUD, 1);
        Dim(connection, TABCONN_HWINFO, 1);
    }

    // The record mode selector ends a running recording and MANUAL RECORD takes the
    // polled frames, so both stay operable.
    for (int control : {TABREC_START, TABREC_STARTTRIG})
        Dim(Page(PAGE_RECORDER), control, dim);
    for (int control :
         {TABOFFSET_GETOFFSET, TABOFFSET_CALCOFFSET, TABOFFSET_SENDOFFSET, TABOFFSET_SENDFACTOR})
        Dim(Page(PAGE_OFFSET), control, dim);
    for (int control : {TABSCOPE_GETCYCLE, TABSCOPE_SCAN, TABSCOPE_BREAK})
        Dim(Page(PAGE_SCOPE), control, dim);
    Dim(Page(PAGE_CONVERSION_TABLE), TABCONV_GETEE, dim);
    Dim(Page(PAGE_CONVERSION_TABLE), TABCONV_SAVEEE, dim);
    Dim(g_app.convPanel, CONVP_SAVEDATAEE, dim);

    // Show the change at once, before a long operation starts.
    ProcessSystemEvents();
}

void SetConnectionButtonsDimmed(int dim)
{
    int connection = Page(PAGE_CONNECTION);
    for (int control : {TABCONN_ACCEPT, TABCONN_CHANGEBAUD, TABCONN_HWINFO})
        Dim(connection, control, dim);
}

void ReadConnectionPageIntoLink(void)
{
    int page = Page(PAGE_CONNECTION);
    int value = 0;
    GetCtrlVal(page, TABCONN_PROTOCOL, &value);
    g_link.protocol = (short)value;
    GetCtrlVal(page, TABCONN_COMPORT, &value);
    g_link.comPort = (short)value;
    GetCtrlVal(page, TABCONN_BAUDRATE, &value);
    g_link.baudIndex = (short)value;
    GetCtrlVal(page, TABCONN_IPADDRESS, g_link.host, kHostLength);
    GetCtrlVal(page, TABCONN_PORTNUMBER, g_link.portText, kPortTextLength);
}

void AppendStatusText(const char *text)
{
    SetCtrlVal(Page(PAGE_CONNECTION), TABCONN_STATUS, text);
}
