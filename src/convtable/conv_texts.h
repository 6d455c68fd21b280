#pragma once
// German/English texts of the conversion table: the help texts of its controls and
// the messages of editing, calculating, the table file and the sensor EEPROM.

#include "app/language.h"

// Conversion table page and conversion panel
extern const TextPair kHelpButtonResetConvTable;
extern const TextPair kHelpButtonAssign;
extern const TextPair kHelpButtonCalcConvData;
extern const TextPair kHelpGraphConv;
extern const TextPair kHelpButtonCloseCP;
extern const TextPair kHelpButtonZoomConv11;

// File and EEPROM transfer
extern const TextPair kHelpButtonGetConvTableFromFile;
extern const TextPair kHelpButtonSaveConvTableToFile;
extern const TextPair kHelpButtonGetConvTableFromEE;
extern const TextPair kHelpButtonSaveConvTableToEE;
extern const TextPair kHelpButtonSaveConvDataToEE;

// Editing and calculating
extern const TextPair kTxtWrongCellSelected;
extern const TextPair kTxtActualValueOutOfRange;
extern const TextPair kTxtRowInconsistent;
// printf format with the row and its actual value above 4095
extern const TextPair kTxtRowActualTooLarge;
// After loading: printf format with the list of rows; and with the row, the value it
// was set to and the value it had
extern const TextPair kTxtActualValuesUnusable;
extern const TextPair kTxtFixedActualValueSet;
extern const TextPair kTxtCalculationSuccessful;

// Conversion table file
extern const TextPair kTxtLoadDialogTitle;
extern const TextPair kTxtSaveDialogTitle;
extern const TextPair kTxtConvNoFileSelected;
extern const TextPair kTxtNotAConversionTableFile;
extern const TextPair kTxtConvScopeVersionMismatch;
extern const TextPair kTxtNoValuesRead;
extern const TextPair kTxtDefaultsReport;
extern const TextPair kTxtFileExists;
extern const TextPair kTxtTableFileNotSaved;

// Sensor EEPROM
extern const TextPair kTxtSavedToEeprom;
extern const TextPair kTxtNotSavedToEeprom;
extern const TextPair kTxtDataCanNotBeSaved;
extern const TextPair kTxtWritingBlock;
// Status box after a failed download: printf format with the blocks acknowledged, all
// blocks, and what is known of the block in flight (one of the two below, with its
// number)
extern const TextPair kTxtConvBlocksAcknowledged;
extern const TextPair kTxtConvBlockNotSent;
extern const TextPair kTxtConvBlockUnconfirmed;
