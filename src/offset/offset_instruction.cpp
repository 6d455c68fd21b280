#include "offset/offset_instruction.h"

#include "app/app_state.h"
#include "app/language.h"
#include "ui/userint.h"

namespace
{

const TextPair kTxtOffsetInstruction = {
    "Sicherstellen, dass der Empfaenger des Sensors verdeckt ist! \n\nOFFSET BERECHNEN waehlen um den Offset "
    "zu ermitteln. \n\nOFFSET SENDEN waehlen um den Sensor zu aktualisieren.",
    "Make sure that the Receiver of the sensor is covered! \n\nPush CALCULATE OFFSET to detect the offset. "
    "\n\nPush SEND OFFSET to update the sensor."};

} // namespace

void ShowOffsetInstruction(void)
{
    SetCtrlVal(g_app.mainPages[PAGE_OFFSET], TABOFFSET_INSTRUCTION, Tr(kTxtOffsetInstruction));
}
