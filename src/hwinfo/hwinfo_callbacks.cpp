// Callback of the connection page's HARDWARE INFO button.
#include "app/long_operation.h"
#include "app/dimming.h"
#include "hwinfo/hwinfo_file.h"
#include "hwinfo/hwinfo_texts.h"
#include "resource/callbacks.h"
#include "ui/userint.h"

int CBF_ButtonGenHwInfoFile(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonGenHwInfoFile);
        break;
    case EVENT_COMMIT:
        // A long operation owns the link while it runs.
        if (AnyLoopRunning())
            break;
        SetButtonsDimmed(DIM_ALL_GROUPS, 1);
        GenerateHWInfoFile();
        SetButtonsDimmed(DIM_ALL_GROUPS, 0);
        break;
    }
    return 0;
}
