#pragma once
// German/English texts of the hardware info file: the help text of its button on the
// connection page and what the status box says about the file.

#include "app/language.h"

extern const TextPair kHelpButtonGenHwInfoFile;
extern const TextPair kTxtHwNoFileSelected;
extern const TextPair kTxtHwFileSaved;
extern const TextPair kTxtHwFileNotSaved;        // "%s": the path
extern const TextPair kTxtHwInfoReplyIncomplete; // "%d": the bytes received
