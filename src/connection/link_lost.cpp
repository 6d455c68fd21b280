// How the window shows a failure of the link, and the question after a failed
// connection attempt.
#include "app/app_state.h"
#include "app/dimming.h"
#include "app/long_operation.h"
#include "app/status_box.h"
#include "connection/connection.h"
#include "connection/connection_texts.h"
#include "connection/reconnect.h"
#include "link/link_failure.h"
#include "link/link_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

// A loop that reconnects shows the failure itself and goes on.
void ShowLinkFailure(const char *)
{
    if (!TakeOverLinkFailure())
        SetTimeout();
}

} // namespace

void SetTimeout(void)
{
    StopAllLoops();
    g_link.sensorConnected = 0;
    SetCtrlVal(g_app.dataPanel, DATAP_SENSOR, kTxtSensorTimeout);
    AppendStatusText(g_link.message);
    AppendStatusText("\n\n");
    SetConnectionButtonsDimmed(1);
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_CONNECTION);
}

void OfferCloseOrOffline(const char *message)
{
    constexpr int kCloseButton = 1;
    constexpr int kOfflineButton = 2;
    int choice = GenericMessagePopup(Tr(kTxtInfoTitle), message, Tr(kTxtButtonClose), kTxtButtonOffline,
                                     nullptr, kCloseButton, kCloseButton, kCloseButton);
    if (choice == kOfflineButton)
        Disconnect();
    else
        QuitUserInterface(0);
}

void ReportLinkFailuresOnConnectionPage(void)
{
    InstallLinkReports(LinkReports{ShowLinkFailure});
}
