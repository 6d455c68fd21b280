#pragma once
// German/English texts of language switching and the password: the help text of
// the language selector.

#include "app/language.h"

extern const TextPair kHelpLanguageSelector;
