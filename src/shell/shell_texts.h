#pragma once
// German/English help texts of the shell's own controls: the main tab control, the
// language selector and ACCEPT on the connection page.

#include "app/language.h"

extern const TextPair kHelpTabMain;
extern const TextPair kHelpLanguageSelector;
extern const TextPair kHelpAccept;
