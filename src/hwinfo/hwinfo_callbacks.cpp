// Callback of the connection page's HARDWARE INFO button.
#include "app/dimming.h"
#include "app/long_operation.h"
#include "hwinfo/hwinfo_file.h"
#include "hwinfo/hwinfo_texts.h"
#include "resource/callbacks.h"
#include "ui/userint.h"

namespace
{

void GenerateHWInfoFileDimmed()
{
    // A long operation owns the link while it runs.
    if (AnyLoopRunning())
        return;
    SetButtonsDimmed(DIM_ALL_GROUPS, 1);
    GenerateHWInfoFile();
    SetButtonsDimmed(DIM_ALL_GROUPS, 0);
}

} // namespace

int CBF_ButtonGenHwInfoFile(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonGenHwInfoFile, GenerateHWInfoFileDimmed);
    return 0;
}
