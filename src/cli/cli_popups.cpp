// The pop-ups of a command: nobody sits in front of the window, so every pop-up's text
// goes to standard error and the command answers. A question is answered yes only
// where the command itself means yes; a foreign file and anything unforeseen get no.
#include "app/language.h"
#include "cli/cli_session.h"
#include "recorder/recorder_texts.h"
#include "ui/popup_responder.h"
#include "ui/userint.h"

#include <cstring>
#include <sys/stat.h>

namespace
{

constexpr int kCloseButton = 1;

bool IsText(const PopupRequest &request, const TextPair &text)
{
    return request.message == text.german || request.message == text.english;
}

int AnswerQuestion(const PopupRequest &request)
{
    // START and START TRIG REC ask whether the file is the right one: the command
    // line named it.
    if (IsText(request, kTxtRecRightFileName))
        return 1;
    if (IsText(request, kTxtRecFileExists))
        return g_cli.options && g_cli.options->replace ? 1 : 0;
    return 0;
}

// The command's FILE stands for the operator's choice in every file dialog.
PopupAnswer ChooseCommandFile()
{
    PopupAnswer answer;
    if (!g_cli.options || g_cli.options->file.empty()) {
        answer.result = VAL_NO_FILE_SELECTED;
        return answer;
    }
    answer.path = g_cli.options->file;
    struct stat info;
    bool exists = stat(answer.path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    answer.result = exists ? VAL_EXISTING_FILE_SELECTED : VAL_NEW_FILE_SELECTED;
    return answer;
}

PopupAnswer AnswerForCommand(const PopupRequest &request)
{
    PopupAnswer answer;
    switch (request.kind) {
    case POPUP_FILE_SELECT:
        return ChooseCommandFile();
    case POPUP_CONFIRM:
        PrintMessage(request.message.c_str());
        answer.result = AnswerQuestion(request);
        return answer;
    case POPUP_GENERIC:
        // "Close" or "Offline" after a failed connection: the command ends.
        PrintMessage(request.message.c_str());
        answer.result = kCloseButton;
        return answer;
    case POPUP_PRINT:
        answer.result = 0;
        return answer;
    default:
        PrintMessage(request.message.c_str());
        return answer;
    }
}

} // namespace

void InstallCommandLineResponder(void)
{
    SetPopupResponder(AnswerForCommand);
}
