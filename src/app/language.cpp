#include "app/language.h"

#include "app/app_state.h"
#include "ui/userint.h"

const TextPair kTxtInfoTitle = {"Info!", "Message!"};

const char *Tr(const TextPair &text)
{
    return g_app.language == LANGUAGE_GERMAN ? text.german : text.english;
}

void ShowHelpPopup(const TextPair &text)
{
    MessagePopup(Tr(kTxtInfoTitle), Tr(text));
}
