// Changing the sensor's baud rate: the sensor is told the new speed at the old one,
// then the port re-opens at the new speed and the connection is checked again.
#include "app/app_state.h"
#include "app/status_box.h"
#include "connection/connection.h"
#include "connection/connection_texts.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "link/transport.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

void ChangeBaudrate(void)
{
    int baudIndex = 0;
    GetCtrlVal(g_app.mainPages[PAGE_CONNECTION], TABCONN_BAUDRATE, &baudIndex);
    g_link.baudIndex = (short)baudIndex;
    AppendStatusText(Tr(kTxtChangingBaudrate));

    g_link.currentCommand = ORDER_SET_BAUDRATE;
    FillTxBuf(ORDER_SET_BAUDRATE, (unsigned)g_link.baudIndex, 0);
    if (DataExchange(kFrameHeaderSize) != LINK_OK)
        return;
    AppendStatusText(Tr(kTxtBaudrateChanged));

    InitRS232();
    g_link.sensorConnected = 1;
    TryToConnect();
    if (g_link.sensorConnected == 1)
        AppendStatusText(Tr(kTxtConfirmBaudrate));
}
