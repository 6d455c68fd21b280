// Callbacks of the scope page and the scope panel. For now each control answers a
// right click with its help text; scanning, cursors, cycle time and printing arrive
// with the scope work.
#include "live/live_texts.h"
#include "panels/callbacks.h"
#include "ui/userint.h"

int CBF_ButtonCloseSP(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpClosePanel);
        break;
    }
    return 0;
}

int CBF_ButtonZoomScope11(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonZoomScope11);
        break;
    }
    return 0;
}

int CBF_EditScopeSignal(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpEditScopeSignal);
        break;
    }
    return 0;
}

int CBF_GraphScope(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpGraphScope);
        break;
    }
    return 0;
}

int CBF_DispDeltaX(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpDispDeltaX);
        break;
    }
    return 0;
}

int CBF_DispDeltaY(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpDispDeltaY);
        break;
    }
    return 0;
}

int CBF_ButtonGetCycleTime(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonGetCycleTime);
        break;
    }
    return 0;
}

int CBF_ButtonScan(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonScan);
        break;
    }
    return 0;
}

int CBF_ButtonBreakScan(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonBreakScan);
        break;
    }
    return 0;
}

int CBF_ButtonPrintScopeGraph(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonPrintScopeGraph);
        break;
    }
    return 0;
}

// The comment box has no help text; its right double click, which clears it, comes
// with the scope work.
int CBF_EditScopeComment(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_EditTriggerMode(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpEditTriggerMode);
        break;
    }
    return 0;
}

int CBF_EditPreTrigVal(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpEditPreTrigVal);
        break;
    }
    return 0;
}

int CBF_EditTriggerLevel(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpEditTriggerLevel);
        break;
    }
    return 0;
}

int CBF_EditScanRate(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpEditScanRate);
        break;
    }
    return 0;
}

int CBF_DispScanFreq(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpDispScanFreq);
        break;
    }
    return 0;
}

// The scope panel has no reaction of its own.
int CBF_SCOPEP(int, int, void *, int, int)
{
    return 0;
}
