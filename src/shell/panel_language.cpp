#include "shell/panel_language.h"

#include "app/app_state.h"
#include "offset/offset_instruction.h"
#include "platform/paths.h"
#include "resource/panel_ids.h"
#include "toolbox/localize.h"
#include "ui/userint.h"

void InitLanguage(void)
{
    int language = LANGUAGE_ENGLISH;
    GetCtrlVal(g_app.mainPages[PAGE_CONNECTION], TABCONN_LANGUAGE, &language);
    g_app.language = language == LANGUAGE_GERMAN ? LANGUAGE_GERMAN : LANGUAGE_ENGLISH;

    // By full path: a start from another working directory finds the files beside the
    // program all the same. A missing file leaves the panels as they are.
    char path[MAX_PATHNAME_LEN];
    JoinPath(path, sizeof path, g_app.projectDir,
             g_app.language == LANGUAGE_GERMAN ? kGermanLanguageFile : kEnglishLanguageFile);
    LocalizePanel(g_app.mainPanel, path);
    LocalizePanel(g_app.passwordPanel, path);
    ShowOffsetInstruction();
}
