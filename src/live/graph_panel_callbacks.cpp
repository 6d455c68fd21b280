// Callbacks of the graph panel and of the data panel's SHOW GRAPH button.
#include "app/app_state.h"
#include "app/child_panels.h"
#include "live/graph_panel.h"
#include "live/live_texts.h"
#include "resource/callbacks.h"
#include "ui/userint.h"

namespace
{

void ShowGraphPanel()
{
    ShowChildPanelDisp(g_app.graphPanel);
}

void ShowDataPanel()
{
    ShowChildPanelDisp(g_app.dataPanel);
}

} // namespace

int CBF_ButtonShowGraph(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonShowGraph, ShowGraphPanel);
    return 0;
}

int CBF_ButtonCloseGP(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpClosePanel, ShowDataPanel);
    return 0;
}

int CBF_EditSignal(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpEditSignal, SetGraphVisible);
    return 0;
}

int CBF_PanelGraphGraph(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpPanelGraphGraph);
    return 0;
}

// The graph panel has no reaction of its own.
int CBF_GRAPHP(int, int, void *, int, int)
{
    return 0;
}
