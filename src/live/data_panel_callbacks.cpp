// Callbacks of the data panel. For now each control answers a right click with its
// help text; what the controls do arrives with the live data work (polling,
// displays, charts).
#include "live/live_texts.h"
#include "panels/callbacks.h"
#include "ui/userint.h"

int CBF_ButtonGo(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonGo);
    return 0;
}

int CBF_ButtonStop(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpButtonStop);
    return 0;
}

int CBF_TabDataP(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpTabDataP);
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
    AnswerHelp(event, kHelpDispCha);
    return 0;
}

int CBF_DispRefCh0(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispRefCh0);
    return 0;
}

int CBF_DispSig(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispSig);
    return 0;
}

int CBF_DispRefSig(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispRefSig);
    return 0;
}

int CBF_DispTemp(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispTemp);
    return 0;
}

int CBF_DispMaxMin(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispMaxMin);
    return 0;
}

int CBF_DispAnaOut(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpDispAnaOut);
    return 0;
}

int CBF_LedOut(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpLedOut);
    return 0;
}

int CBF_LedIn(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpLedIn);
    return 0;
}

int CBF_GraphAnaCha(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpGraphAnaCha);
    return 0;
}

int CBF_GraphEvalSig(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpGraphEvalSig);
    return 0;
}

// The data panel has no reaction of its own.
int CBF_DATAP(int, int, void *, int, int)
{
    return 0;
}
