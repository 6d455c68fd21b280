// Callbacks of the language selector and the password panel. For now the selector
// answers a right click with its help text; applying the language, checking the
// password and closing its pop-up arrive with the language and password work.
#include "panels/callbacks.h"
#include "shell/password_texts.h"
#include "ui/userint.h"

int CBF_EditLanguage(int, int, int event, void *, int, int)
{
    AnswerHelp(event, kHelpLanguageSelector);
    return 0;
}

int CBF_PASSWORDP(int, int, void *, int, int)
{
    return 0;
}

int CBF_StringEnterPW(int, int, int, void *, int, int)
{
    return 0;
}
