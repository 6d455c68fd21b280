// The main panel's own callbacks: closing, resizing, and the main tab control.
#include "app/app_state.h"
#include "app/child_panels.h"
#include "app/dimming.h"
#include "app/long_operation.h"
#include "recorder/recorder.h"
#include "resource/callbacks.h"
#include "shell/panel_settings.h"
#include "shell/shell_texts.h"
#include "shell/startup.h"
#include "ui/userint.h"

namespace
{

void CloseMainPanel()
{
    // A running loop ends at its next check of its flag.
    StopAllLoops();
    StorePanelSettings();
    QuitUserInterface(0);
}

void RestoreMainPanelSize()
{
    SetPanelSize(g_app.mainPanel, kMainPanelHeight, kMainPanelWidth);
    SetPanelPos(g_app.mainPanel, VAL_AUTO_CENTER, VAL_AUTO_CENTER);
}

void OnMainPageActivated(int page)
{
    switch (page) {
    case PAGE_CONNECTION:
        StopLoop(LOOP_LIVE);
        SetConnectionButtonsDimmed(1);
        break;
    case PAGE_SCOPE:
        StopLoop(LOOP_LIVE);
        ShowChildPanelDisp(g_app.scopePanel);
        break;
    case PAGE_CONVERSION_TABLE:
        ShowChildPanelDisp(g_app.convPanel);
        break;
    case PAGE_RECORDER:
        ShowRecorderPage();
        break;
    default:
        // Parameter pages and offset compensation keep the child panel that is
        // in front.
        break;
    }
}

} // namespace

int CBF_MAINP(int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_CLOSE:
        CloseMainPanel();
        break;
    case EVENT_RIGHT_DOUBLE_CLICK:
        RestoreMainPanelSize();
        break;
    default:
        break;
    }
    return 0;
}

int CBF_TabMain1(int panel, int control, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpTabMain);
        break;
    case EVENT_ACTIVE_TAB_CHANGE: {
        int page = 0;
        GetActiveTabPage(panel, control, &page);
        OnMainPageActivated(page);
        break;
    }
    default:
        break;
    }
    return 0;
}
