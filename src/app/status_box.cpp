#include "app/status_box.h"

#include "app/app_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

namespace
{

void (*g_statusSink)(const char *text) = nullptr;

} // namespace

void AppendStatusText(const char *text)
{
    if (g_statusSink) {
        g_statusSink(text);
        return;
    }
    SetCtrlVal(g_app.mainPages[PAGE_CONNECTION], TABCONN_STATUS, text);
}

void SetStatusTextSink(void (*sink)(const char *text))
{
    g_statusSink = sink;
}
