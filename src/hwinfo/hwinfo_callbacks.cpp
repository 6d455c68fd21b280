// Callback of the connection page's HARDWARE INFO button.
#include "app/dimming.h"
#include "app/long_operation.h"
#include "hwinfo/hwinfo_file.h"
#include "hwinfo/hwinfo_texts.h"
#include "link/link_busy.h"
#include "resource/callbacks.h"
#include "ui/userint.h"

namespace
{

void SaveHardwareInfoFile()
{
    GenerateHWInfoFile();
}

void GenerateHWInfoFileDimmed()
{
    if (!LinkBusy())
        RunDimmed(SaveHardwareInfoFile);
}

} // namespace

int CBF_ButtonGenHwInfoFile(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpButtonGenHwInfoFile, GenerateHWInfoFileDimmed);
    return 0;
}
