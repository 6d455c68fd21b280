#include "app/child_panels.h"

#include "app/app_state.h"
#include "ui/userint.h"

void ShowChildPanelDisp(int panel)
{
    const int children[] = {g_app.dataPanel, g_app.graphPanel, g_app.scopePanel, g_app.convPanel};
    bool known = false;
    for (int child : children) {
        HidePanel(child);
        known = known || child == panel;
    }
    DisplayPanel(known ? panel : g_app.dataPanel);
}
