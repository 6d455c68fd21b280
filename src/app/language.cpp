#include "app/language.h"

#include "app/app_state.h"
#include "ui/userint.h"

const TextPair kTxtInfoTitle = {"Info!", "Message!"};
const TextPair kHelpClosePanel = {"Schliesst PANEL und kehrt zu HAUPT PANEL zurueck.",
                                  "Close PANEL and return to MAIN PANEL."};

const char *Tr(const TextPair &text)
{
    return g_app.language == LANGUAGE_GERMAN ? text.german : text.english;
}

void ShowHelpPopup(const TextPair &text)
{
    MessagePopup(Tr(kTxtInfoTitle), Tr(text));
}

void AnswerHelp(int event, const TextPair &help)
{
    if (event == EVENT_RIGHT_CLICK)
        ShowHelpPopup(help);
}

void AnswerCommit(int event, const TextPair &help, void (*action)(void))
{
    if (event == EVENT_RIGHT_CLICK)
        ShowHelpPopup(help);
    else if (event == EVENT_COMMIT)
        action();
}
