#include "shell/shell_texts.h"

const TextPair kHelpTabMain = {"Waehlen Sie eine Registerkarte.", "Select TAB-window."};
const TextPair kHelpLanguageSelector = {"Sprache auswaehlen.", "Select a language."};
const TextPair kHelpAccept = {
    "Verbindungseinstellungen bestaetigen \nund zum Parametrierungs-Reiter wechseln.",
    "Accept settings for communication \nand switch to para-panel."};
