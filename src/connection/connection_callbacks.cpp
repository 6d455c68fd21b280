// Callbacks of the connection page's controls: a right click shows the control's help
// text, a commit performs its action.
#include "app/app_state.h"
#include "app/dimming.h"
#include "app/settings_keys.h"
#include "app/status_box.h"
#include "connection/connection.h"
#include "connection/connection_texts.h"
#include "connection/reconnect.h"
#include "connection/reconnect_texts.h"
#include "link/link_busy.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "link/transport.h"
#include "platform/com_devices.h"
#include "platform/rs232.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "toolbox/combobox.h"
#include "ui/userint.h"

#include <cstdio>

namespace
{

int ConnectionPage()
{
    return g_app.mainPages[PAGE_CONNECTION];
}

void DimAccept()
{
    SetCtrlAttribute(ConnectionPage(), TABCONN_ACCEPT, ATTR_DIMMED, 1);
}

// The port is never closed under an exchange or a loop that uses it.
void DisconnectWhenIdle()
{
    if (!LinkBusy())
        Disconnect();
}

void ConnectAction()
{
    if (LinkBusy())
        return;
    SetButtonsDimmed(DIM_ALL_GROUPS, 1);
    TryToConnect();
    if (g_link.sensorConnected == 1)
        SetButtonsDimmed(DIM_ALL_GROUPS, 0);
}

void FindPortsAction()
{
    // Number, device and, for a USB adapter, maker's description and serial number:
    // an operator with several adapters sees which is which.
    static ComPortInfo ports[kMaxComPort];
    int count = ListComPorts(ports, kMaxComPort);
    if (count == 0)
        return;
    AppendStatusText(Tr(kTxtPortsAvailable));
    for (int i = 0; i < count && i < kMaxComPort; ++i)
        AppendStatusText((FormatComPortLine(ports[i]) + "\n").c_str());
    AppendStatusText("\n");
}

// The choice counts from the next failure of the link on, also during a running loop.
void AutoReconnectAction()
{
    int on = 0;
    GetCtrlVal(ConnectionPage(), TABCONN_AUTORECONNECT, &on);
    g_reconnect.enabled = on ? 1 : 0;
}

void ProtocolAction()
{
    InitConnectPanel();
    SetConnectionButtonsDimmed(1);
}

void ComPortAction()
{
    SetConnectionButtonsDimmed(1);
}

// The address goes to the top of the history, without a duplicate, and the history
// keeps the ten most recent addresses.
void AddressAction()
{
    int page = ConnectionPage();
    DimAccept();
    GetCtrlVal(page, TABCONN_IPADDRESS, g_link.host, kHostLength);
    int index = -1;
    Combo_GetIndex(page, TABCONN_IPADDRESS, g_link.host, &index);
    if (index >= 0)
        Combo_DeleteComboItem(page, TABCONN_IPADDRESS, index, 1);
    Combo_InsertComboItem(page, TABCONN_IPADDRESS, 0, g_link.host);
    int count = 0;
    Combo_GetComboAttribute(page, TABCONN_IPADDRESS, ATTR_COMBO_NUM_ITEMS, &count);
    if (count > kMaxAddressHistory)
        Combo_DeleteComboItem(page, TABCONN_IPADDRESS, kMaxAddressHistory, -1);
}

void SensorIdAction()
{
    GetCtrlVal(ConnectionPage(), TABCONN_SENSORID, g_app.sensorId, kSensorIdLength);
    SetCtrlVal(g_app.mainPages[PAGE_RECORDER], TABREC_SENSORID, g_app.sensorId);
}

void ChangeBaudrateAction()
{
    if (LinkBusy())
        return;
    SetButtonsDimmed(DIM_ALL_GROUPS, 1);
    SetConnectionButtonsDimmed(1);
    ChangeBaudrate();
    SetButtonsDimmed(DIM_ALL_GROUPS, 0);
}

} // namespace

int CBF_ButtonTryToConnect(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpConnect, ConnectAction);
    return 0;
}

int CBF_ButtonDisconnect(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpDisconnect, DisconnectWhenIdle);
    return 0;
}

int CBF_ButtonFindComPorts(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpFindPorts, FindPortsAction);
    return 0;
}

int CBF_CheckAutoReconnect(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpAutoReconnect, AutoReconnectAction);
    return 0;
}

int CBF_EditCommunicationProtocol(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpProtocol, ProtocolAction);
    return 0;
}

int CBF_EditSelectComPort(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpComPort, ComPortAction);
    return 0;
}

int CBF_EditSelectBaudrate(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpBaudrate, DimAccept);
    return 0;
}

int CBF_ButtonChangeBaudrate(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpChangeBaudrate, ChangeBaudrateAction);
    return 0;
}

int CBF_StringIpAdress(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpAddress, AddressAction);
    return 0;
}

int CBF_StringPortNumber(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpPortNumber, DimAccept);
    return 0;
}

int CBF_EditID(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpSensorId, SensorIdAction);
    return 0;
}
