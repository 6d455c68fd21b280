// The connection page's settings, the controls of the selected transport, and the
// dimming of every control that needs a connected sensor.
#include "app/app_state.h"
#include "app/settings_file.h"
#include "app/settings_keys.h"
#include "connection/connection.h"
#include "connection/reconnect.h"
#include "inistore/inifile.h"
#include "link/link_state.h"
#include "platform/paths.h"
#include "resource/panel_ids.h"
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
    g_reconnect.enabled = 0;
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
    ReadShortSetting(store, kKeyAutoReconnect, &g_reconnect.enabled);
    g_reconnect.enabled = g_reconnect.enabled == 1 ? 1 : 0;
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
    SetCtrlVal(page, TABCONN_AUTORECONNECT, (int)g_reconnect.enabled);
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
    GetCtrlVal(page, TABCONN_AUTORECONNECT, &value);
    g_reconnect.enabled = value ? 1 : 0;
}
