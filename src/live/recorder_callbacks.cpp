// Callbacks of the recorder page. For now each control answers a right click with
// its help text; file selection and the recording modes arrive with the recorder
// work.
#include "live/live_texts.h"
#include "panels/callbacks.h"
#include "ui/userint.h"

int CBF_ButtonSelRecFile(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonSelRecFile);
    return 0;
}

int CBF_DispRecFile(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispRecFile);
    return 0;
}

int CBF_ButtonStartRecord(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonStartRecord);
    return 0;
}

int CBF_ButtonStopRecord(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonStopRecord);
    return 0;
}

int CBF_ButtonStartTrigRec(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonStartRecord);
    return 0;
}

int CBF_ButtonManualRecord(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonManualRecord);
    return 0;
}

int CBF_EditSelectDataRec(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpEditSelectDataRec);
    return 0;
}

int CBF_EditInterval(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpEditInterval);
    return 0;
}

int CBF_EditRecVal(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpEditRecVal);
    return 0;
}

int CBF_DispRecordTime(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispRecordTime);
    return 0;
}

int CBF_DispRecordedValues(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispRecordedValues);
    return 0;
}

int CBF_DispRemaining(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispRemaining);
    return 0;
}
