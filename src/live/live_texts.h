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
extern const TextPair kHelpButtonPause;
extern const TextPair kHelpDispChartStatistics;
extern const TextPair kHelpDispRecordingSource;
extern const TextPair kHelpButtonOpenRecording;
extern const TextPair kHelpButtonCancelReading;

// The statistics lines: printf formats with the signal's name (%s), then n (%d), minimum
// and maximum (%.6g), mean and standard deviation (%.2f); or with the name alone.
extern const TextPair kTxtChartStatistics;
extern const TextPair kTxtNoSamplesInView;

// OPEN RECORDING. Formats take the file name (%s) and, where they say so, a line or a
// percentage (%lld) and a number of rows (%llu).
extern const TextPair kTxtOpenRecTitle;
extern const TextPair kTxtRecStopFirst;
extern const TextPair kTxtRecReading;       // name, percent
extern const TextPair kTxtRecReadCancelled; // no arguments
extern const TextPair kTxtRecOpenFailed;    // name
extern const TextPair kTxtRecNotRecordFile; // name, line
extern const TextPair kTxtRecDamagedRow;    // line, name, rows
extern const TextPair kTxtRecReadFailed;    // name, rows
extern const TextPair kTxtRecSource;        // name, rows, first and last row's date and time (%s)
extern const TextPair kTxtRecSourceEmpty;   // name
