// Callback of the connection page's HARDWARE INFO button. For now it answers a right
// click with its help text; writing the hardware info file arrives with the
// hardware info work.
#include "link/hwinfo_texts.h"
#include "panels/callbacks.h"
#include "ui/userint.h"

int CBF_ButtonGenHwInfoFile(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonGenHwInfoFile);
    return 0;
}
