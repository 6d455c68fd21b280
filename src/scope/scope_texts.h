#pragma once
// German/English texts of the scope: the help texts of its controls and the messages
// of the printed report. A scan's failures use the link's own texts.

#include "app/language.h"

extern const TextPair kTxtReportInitFailed;
extern const TextPair kTxtReportTitle;
extern const TextPair kTxtReportPanelId;
extern const TextPair kTxtReportComment;
extern const TextPair kTxtPrintError;
extern const TextPair kTxtPrintSuccessful;

// Help texts of the scope page and the scope panel
extern const TextPair kHelpButtonZoomScope11;
extern const TextPair kHelpEditScopeSignal;
extern const TextPair kHelpGraphScope;
extern const TextPair kHelpDispDeltaX;
extern const TextPair kHelpDispDeltaY;
extern const TextPair kHelpButtonGetCycleTime;
extern const TextPair kHelpButtonScan;
extern const TextPair kHelpButtonBreakScan;
extern const TextPair kHelpButtonPrintScopeGraph;
extern const TextPair kHelpEditTriggerMode;
extern const TextPair kHelpEditPreTrigVal;
extern const TextPair kHelpEditTriggerLevel;
extern const TextPair kHelpEditScanRate;
extern const TextPair kHelpDispScanFreq;
