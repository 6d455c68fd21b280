// Callbacks of the connection page that belong to the panel settings: ACCEPT stores
// them, the language selector switches every text of the window.
#include "app/app_state.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "shell/panel_language.h"
#include "shell/panel_settings.h"
#include "shell/shell_texts.h"
#include "ui/userint.h"

namespace
{

void AcceptSettings()
{
    StorePanelSettings();
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_1);
}

} // namespace

int CBF_ButtonAccept(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpAccept, AcceptSettings);
    return 0;
}

int CBF_EditLanguage(int, int, int event, void *, int, int)
{
    AnswerCommit(event, kHelpLanguageSelector, InitLanguage);
    return 0;
}
