#pragma once
// German/English texts of live data, scope, recorder and offset compensation: the
// help texts that their controls show on a right click.

#include "app/language.h"

// The close buttons of the graph and scope panels and of the offset page
extern const TextPair kHelpClosePanel;

// Data panel and graph panel
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

// Scope page and scope panel
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

// Recorder page
extern const TextPair kHelpButtonSelRecFile;
extern const TextPair kHelpDispRecFile;
extern const TextPair kHelpButtonStartRecord; // also START TRIG REC
extern const TextPair kHelpButtonStopRecord;
extern const TextPair kHelpButtonManualRecord;
extern const TextPair kHelpEditSelectDataRec;
extern const TextPair kHelpEditInterval;
extern const TextPair kHelpEditRecVal;
extern const TextPair kHelpDispRecordTime;
extern const TextPair kHelpDispRecordedValues;
extern const TextPair kHelpDispRemaining;

// Offset compensation page
extern const TextPair kHelpButtonSendOffset;
extern const TextPair kHelpButtonGetOffset;
extern const TextPair kHelpButtonCalcOffset;
extern const TextPair kHelpEditOffsetVal;
extern const TextPair kHelpEditSettingTimeFactor;
extern const TextPair kHelpButtonSendSettingTimeFactor;
// Offset compensation: the question before CALCULATE OFFSET, and a reply too short
extern const TextPair kTxtCalcOffsetConfirm;
extern const TextPair kTxtIncompleteOffsetReply;
