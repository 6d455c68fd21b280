#pragma once
// German/English messages of the scope's printed report. A scan's failures use the
// link's own texts.

#include "app/language.h"

extern const TextPair kTxtReportInitFailed;
extern const TextPair kTxtReportTitle;
extern const TextPair kTxtReportPanelId;
extern const TextPair kTxtReportComment;
extern const TextPair kTxtPrintError;
extern const TextPair kTxtPrintSuccessful;
