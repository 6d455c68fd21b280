// Callbacks of the recorder page. For now each control answers a right click with
// its help text; file selection and the recording modes arrive with the recorder
// work.
#include "live/live_texts.h"
#include "panels/callbacks.h"
#include "ui/userint.h"

int CBF_ButtonSelRecFile(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonSelRecFile);
        break;
    }
    return 0;
}

int CBF_DispRecFile(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpDispRecFile);
        break;
    }
    return 0;
}

int CBF_ButtonStartRecord(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonStartRecord);
        break;
    }
    return 0;
}

int CBF_ButtonStopRecord(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonStopRecord);
        break;
    }
    return 0;
}

int CBF_ButtonStartTrigRec(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonStartRecord);
        break;
    }
    return 0;
}

int CBF_ButtonManualRecord(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonManualRecord);
        break;
    }
    return 0;
}

int CBF_EditSelectDataRec(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpEditSelectDataRec);
        break;
    }
    return 0;
}

int CBF_EditInterval(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpEditInterval);
        break;
    }
    return 0;
}

int CBF_EditRecVal(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpEditRecVal);
        break;
    }
    return 0;
}

int CBF_DispRecordTime(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpDispRecordTime);
        break;
    }
    return 0;
}

int CBF_DispRecordedValues(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpDispRecordedValues);
        break;
    }
    return 0;
}

int CBF_DispRemaining(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpDispRemaining);
        break;
    }
    return 0;
}
