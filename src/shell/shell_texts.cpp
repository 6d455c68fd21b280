#include "shell/shell_texts.h"

const TextPair kHelpTabMain = {"Waehlen Sie eine Registerkarte.", "Select TAB-window."};
