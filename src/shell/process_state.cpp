#include "shell/process_state.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "app/status_box.h"
#include "connection/reconnect.h"
#include "convtable/conv_table.h"
#include "link/link_channel.h"
#include "link/link_failure.h"
#include "link/link_state.h"
#include "live/graph_panel.h"
#include "live/live_state.h"
#include "params/parameter_set.h"
#include "recorder/recorder_state.h"
#include "scope/scope.h"
#include "ui/ui_init.h"

void ResetProcessState(void)
{
    ResetAppState();
    ResetLoops();
    ResetLinkState();
    ResetLinkChannel();
    ResetReconnectState();
    ResetLinkReports();
    SetStatusTextSink(nullptr);
    ResetParameterSet();
    ResetLiveState();
    ResetRecorderState();
    ResetGraphPanel();
    ResetScopeState();
    ResetConvTableState();
    ResetQuitRequest();
}
