#include "app/status_box.h"

#include "app/app_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

void AppendStatusText(const char *text)
{
    SetCtrlVal(g_app.mainPages[PAGE_CONNECTION], TABCONN_STATUS, text);
}
