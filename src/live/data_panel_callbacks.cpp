// Callbacks of the data panel. For now each control answers a right click with its
// help text; what the controls do arrives with the live data work (polling,
// displays, charts).
#include "live/live_texts.h"
#include "panels/callbacks.h"
#include "ui/userint.h"

int CBF_ButtonGo(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonGo);
        break;
    }
    return 0;
}

int CBF_ButtonStop(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpButtonStop);
        break;
    }
    return 0;
}

int CBF_TabDataP(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpTabDataP);
        break;
    }
    return 0;
}

// Its right double click, which empties the connection page's status box, comes
// with the live data work; it has no help text.
int CBF_DispStatus(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_DispCha(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpDispCha);
        break;
    }
    return 0;
}

int CBF_DispRefCh0(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpDispRefCh0);
        break;
    }
    return 0;
}

int CBF_DispSig(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpDispSig);
        break;
    }
    return 0;
}

int CBF_DispRefSig(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpDispRefSig);
        break;
    }
    return 0;
}

int CBF_DispTemp(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpDispTemp);
        break;
    }
    return 0;
}

int CBF_DispMaxMin(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpDispMaxMin);
        break;
    }
    return 0;
}

int CBF_DispAnaOut(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpDispAnaOut);
        break;
    }
    return 0;
}

int CBF_LedOut(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpLedOut);
        break;
    }
    return 0;
}

int CBF_LedIn(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpLedIn);
        break;
    }
    return 0;
}

int CBF_GraphAnaCha(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpGraphAnaCha);
        break;
    }
    return 0;
}

int CBF_GraphEvalSig(int, int, int event, void *, int, int)
{
    switch (event) {
    case EVENT_RIGHT_CLICK:
        ShowHelpPopup(kHelpGraphEvalSig);
        break;
    }
    return 0;
}

// The data panel has no reaction of its own.
int CBF_DATAP(int, int, void *, int, int)
{
    return 0;
}
