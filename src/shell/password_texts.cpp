#include "shell/password_texts.h"

const TextPair kHelpLanguageSelector = {"Sprache auswaehlen.", "Select a language."};
