#pragma once
// German/English texts of the hardware info file: the help text of its button on
// the connection page.

#include "app/language.h"

extern const TextPair kHelpButtonGenHwInfoFile;
