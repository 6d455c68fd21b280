// One connection attempt with the connection page's current settings.
#include "app/app_state.h"
#include "app/status_box.h"
#include "connection/connection.h"
#include "connection/connection_texts.h"
#include "link/exchange.h"
#include "link/link_failure.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "link/transport.h"
#include "platform/rs232.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <climits>

namespace
{

void ShowTransportDisplays(bool serial)
{
    SetCtrlAttribute(g_app.dataPanel, DATAP_COMPORT, ATTR_VISIBLE, serial ? 1 : 0);
    SetCtrlAttribute(g_app.dataPanel, DATAP_ADDRESS, ATTR_VISIBLE, serial ? 0 : 1);
}

} // namespace

int PortNumberFromText(const char *text)
{
    int value = 0;
    for (const char *p = text; p && *p >= '0' && *p <= '9'; ++p) {
        int digit = *p - '0';
        // A number too large for any port stays at the largest int instead of wrapping.
        if (value > (INT_MAX - digit) / 10)
            return INT_MAX;
        value = value * 10 + digit;
    }
    return value;
}

void TryToConnect(void)
{
    CloseCom(g_link.comPort);
    SetCtrlVal(g_app.dataPanel, DATAP_SENSOR, Tr(kTxtTryToConnect));
    AppendStatusText(Tr(kTxtTryToConnect));
    ReadConnectionPageIntoLink();
    ProcessSystemEvents();

    SetCtrlVal(g_app.dataPanel, DATAP_COMPORT, (int)g_link.comPort);
    SetCtrlVal(g_app.dataPanel, DATAP_ADDRESS, g_link.host);
    g_link.portNumber = PortNumberFromText(g_link.portText);
    if (g_link.protocol == PROTOCOL_RS232) {
        ShowTransportDisplays(true);
        InitRS232();
    } else if (g_link.protocol == PROTOCOL_TCP) {
        ShowTransportDisplays(false);
        InitTCP_IP();
    }

    if (g_link.lastOpenResult >= 0)
        CheckComLine();
    else
        OfferCloseOrOffline(Tr(kTxtCouldNotConnect));
}
