// The one reaction to every failed exchange, and the question that follows a failed
// connection attempt.
#include "link/link_failure.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "link/connection.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "link/transport.h"
#include "panels/panel_ids.h"
#include "platform/paths.h"
#include "ui/userint.h"

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

void ReportLinkFailure(const TextPair &text)
{
    ReportLinkFailureText(Tr(text));
}

void ReportLinkFailureText(const char *text)
{
    StringCopyBounded(g_link.message, text, kMessageLength);
    SetTimeout();
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
