#pragma once
// German/English texts of the recorder: file dialog, questions, messages and the
// record file's header labels.

#include "app/language.h"

extern const TextPair kTxtRecDialogTitle;
extern const TextPair kTxtRecNoFileSelected;
extern const TextPair kTxtRecFileExists;
extern const TextPair kTxtRecFileNotOpened;
extern const TextPair kTxtRecRightFileName;
extern const TextPair kTxtRecFileSaved;
// printf format with the number of rows not written (unsigned long long)
extern const TextPair kTxtRecRowsNotWritten;
// printf format with the number of frames among them that no row could be made of
extern const TextPair kTxtRecFramesRefused;
// Status box, once per recording: printf format with the frame's data bytes, or with
// the command it echoes
extern const TextPair kTxtRecShortFrame;
extern const TextPair kTxtRecForeignFrame;
extern const TextPair kTxtRecHeaderNotWritten;
extern const TextPair kTxtRecManualRowNotWritten;
extern const TextPair kTxtRecNoFrameYet;
extern const TextPair kTxtRecHeaderLabel;
extern const TextPair kTxtRecPanelIdLabel;
// The closing message of a recording in several files; the files follow, one a line.
extern const TextPair kTxtRecSavedInFiles;
// printf format with the rows written (unsigned long long) and the file (%s)
extern const TextPair kTxtRecDiskFull;

// Help text of the NOT WRITTEN display
extern const TextPair kHelpDispRowsNotWritten;
extern const TextPair kHelpEditSplitHours;

// Help texts of the recorder page
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
