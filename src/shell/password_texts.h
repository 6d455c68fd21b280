#pragma once
// German/English texts of language switching and the password: the help text of
// the language selector and the answer to a wrong password.

#include "app/language.h"

extern const TextPair kHelpLanguageSelector;
extern const TextPair kTxtWrongPassword;
