#pragma once
// German/English texts of the conversion table: the help texts that its controls
// show on a right click.

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
