#include "shell/password_texts.h"

const TextPair kHelpLanguageSelector = {"Sprache auswaehlen.", "Select a language."};
const TextPair kTxtWrongPassword = {"Passwort falsch. \nBitte versuchen Sie es erneut.",
                                    "Wrong password. \nPlease try again."};
