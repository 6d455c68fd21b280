// Going offline: SEND and GET work on parameter files from then on, and a new
// connection can be tried.
#include "app/app_state.h"
#include "app/dimming.h"
#include "app/status_box.h"
#include "connection/connection.h"
#include "connection/connection_texts.h"
#include "link/link_state.h"
#include "link/transport.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

void SelectFileMemory()
{
    SetCtrlVal(g_app.mainPanel, MAINP_FILE, 1);
    SetCtrlVal(g_app.mainPanel, MAINP_RAM, 0);
    SetCtrlVal(g_app.mainPanel, MAINP_EEPROM, 0);
    g_app.paraMemory = PARA_MEMORY_FILE;
}

} // namespace

void Disconnect(void)
{
    SetButtonsDimmed(DIM_ALL_GROUPS, 1);
    int comPort = 0;
    GetCtrlVal(g_app.mainPages[PAGE_CONNECTION], TABCONN_COMPORT, &comPort);
    g_link.comPort = (short)comPort;
    CloseTransport();
    SetCtrlVal(g_app.dataPanel, DATAP_SENSOR, Tr(kTxtNoSensor));
    AppendStatusText(Tr(kTxtNoSensor));
    SelectFileMemory();
    UndimOfflineControls();
}
