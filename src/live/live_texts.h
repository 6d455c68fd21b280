#pragma once
// German/English help texts of the data panel and the graph panel.

#include "app/language.h"

extern const TextPair kHelpButtonGo;
extern const TextPair kHelpButtonStop;
extern const TextPair kHelpTabDataP;
extern const TextPair kHelpDispCha;
extern const TextPair kHelpDispRefCh0;
extern const TextPair kHelpDispSig;
extern const TextPair kHelpDispRefSig;
extern const TextPair kHelpDispTemp;
extern const TextPair kHelpDispMaxMin;
extern const TextPair kHelpDispAnaOut;
extern const TextPair kHelpLedOut;
extern const TextPair kHelpLedIn;
extern const TextPair kHelpGraphAnaCha;
extern const TextPair kHelpGraphEvalSig;
extern const TextPair kHelpButtonShowGraph;
extern const TextPair kHelpEditSignal;
extern const TextPair kHelpPanelGraphGraph;
