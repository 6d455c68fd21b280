// Modal pop-ups. Each passes through the responder when one is installed, otherwise
// the operator answers a real dialog.
#include "ui/message_dialog.h"
#include "ui/popup_responder.h"
#include "ui/ui_qt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace
{

PopupResponder &TheResponder()
{
    static PopupResponder responder;
    return responder;
}

// After a quit request no new dialog opens: the pop-up is answered as its Escape key
// would answer it, so that the program ends instead of waiting for an operator.
PopupAnswer EscapeAnswer(const PopupRequest &request)
{
    PopupAnswer answer;
    switch (request.kind) {
    case POPUP_GENERIC:
        answer.result = request.escapeButton >= 1 && request.escapeButton <= (int)request.buttons.size()
                            ? request.escapeButton
                            : request.defaultButton;
        break;
    default:
        // Message: OK; question: no; file dialog: no file.
        answer.result = 0;
        break;
    }
    return answer;
}

// The responder is copied first: it may install another one while it answers.
bool AskResponder(const PopupRequest &request, PopupAnswer *answer)
{
    if (QuitRequested()) {
        *answer = EscapeAnswer(request);
        return true;
    }
    PopupResponder responder = TheResponder();
    if (!responder)
        return false;
    *answer = responder(request);
    return true;
}

std::vector<QPointer<QDialog>> &RunningDialogs()
{
    static std::vector<QPointer<QDialog>> dialogs;
    return dialogs;
}

// Runs a dialog modally, known to CloseRunningPopups while it runs.
int ExecDialog(QDialog &dialog)
{
    RunningDialogs().push_back(&dialog);
    int result = dialog.exec();
    RunningDialogs().pop_back();
    return result;
}

QString Text(const char *text)
{
    return QString::fromUtf8(text ? text : "");
}

std::string StdText(const char *text)
{
    return text ? std::string(text) : std::string();
}

PopupRequest MessageRequest(int kind, const char *title, const char *message)
{
    PopupRequest request;
    request.kind = kind;
    request.title = StdText(title);
    request.message = StdText(message);
    return request;
}

int ShowMessageBox(const PopupRequest &request, QMessageBox::StandardButtons buttons,
                   QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(request.title));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(request.message));
    box.setStandardButtons(buttons);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok);
    return ExecDialog(box);
}

QStringList NameFilters(const std::string &fileTypeList, bool restrictExtension)
{
    QStringList patterns = QString::fromStdString(fileTypeList).split(';', Qt::SkipEmptyParts);
    for (QString &pattern : patterns)
        pattern = pattern.trimmed();
    QStringList filters;
    if (!patterns.isEmpty())
        filters << patterns.join(' ');
    if (!restrictExtension || filters.isEmpty())
        filters << QStringLiteral("*");
    return filters;
}

void PrepareFileDialog(QFileDialog &dialog, const PopupRequest &request, bool restrictExtension)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowTitle(QString::fromStdString(request.title));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(request.buttonType == VAL_SAVE_BUTTON ? QFileDialog::AcceptSave
                                                               : QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly, request.allowMakeDirectory == 0);
    // Whether an existing file may be replaced is the program's question to ask, in
    // the operator's language; the dialog asks none of its own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilters(NameFilters(request.fileTypeList, restrictExtension));
    if (!request.defaultDirectory.empty())
        dialog.setDirectory(QString::fromStdString(request.defaultDirectory));
    if (!request.defaultFileName.empty())
        dialog.selectFile(QString::fromStdString(request.defaultFileName));
}

PopupAnswer ShowFileDialog(const PopupRequest &request, bool restrictDirectory, bool restrictExtension)
{
    QFileDialog dialog(QApplication::activeWindow());
    PrepareFileDialog(dialog, request, restrictExtension);
    QString home = dialog.directory().absolutePath();
    if (restrictDirectory)
        QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog,
                         [&dialog, home](const QString &dir) {
                             if (QDir(dir).absolutePath() != home)
                                 dialog.setDirectory(home);
                         });
    PopupAnswer answer;
    for (;;) {
        if (ExecDialog(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            answer.result = VAL_EXISTING_FILE_SELECTED;
            answer.path = dialog.selectedFiles().first().toStdString();
            return answer;
        }
        // Without a cancel choice the operator must pick a file, unless the program
        // is being closed.
        if (request.allowCancel || QuitRequested()) {
            answer.result = VAL_NO_FILE_SELECTED;
            return answer;
        }
    }
}

} // namespace

bool AskPopupResponder(const PopupRequest &request, PopupAnswer *answer)
{
    return AskResponder(request, answer);
}

int ExecPopupDialog(QDialog &dialog)
{
    return ExecDialog(dialog);
}

void CloseRunningPopups()
{
    std::vector<QPointer<QDialog>> dialogs = RunningDialogs();
    for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it)
        if (*it)
            (*it)->close();
}

void SetPopupResponder(PopupResponder responder)
{
    TheResponder() = std::move(responder);
}

int MessagePopup(const char *title, const char *message)
{
    PopupRequest request = MessageRequest(POPUP_MESSAGE, title, message);
    request.buttons = {"OK"};
    request.defaultButton = request.enterButton = request.escapeButton = 1;
    PopupAnswer answer;
    if (!AskResponder(request, &answer))
        ShowMessageBox(request, QMessageBox::Ok, QMessageBox::Ok);
    return 0;
}

int ConfirmPopup(const char *title, const char *message)
{
    PopupRequest request = MessageRequest(POPUP_CONFIRM, title, message);
    request.buttons = {"Yes", "No"};
    request.defaultButton = request.enterButton = 1;
    request.escapeButton = 2;
    PopupAnswer answer;
    if (AskResponder(request, &answer))
        return answer.result == 1 ? 1 : 0;
    return ShowMessageBox(request, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes
               ? 1
               : 0;
}

int GenericMessagePopup(const char *title, const char *message, const char *button1, const char *button2,
                        const char *button3, int defaultButton, int enterButton, int escapeButton)
{
    PopupRequest request = MessageRequest(POPUP_GENERIC, title, message);
    for (const char *button : {button1, button2, button3})
        if (button && *button)
            request.buttons.push_back(button);
    if (request.buttons.empty())
        request.buttons.push_back("OK");
    request.defaultButton = defaultButton;
    request.enterButton = enterButton;
    request.escapeButton = escapeButton;
    PopupAnswer answer;
    if (AskResponder(request, &answer))
        return answer.result;
    MessageDialog dialog(Text(title), Text(message), request.buttons, defaultButton, enterButton,
                         escapeButton);
    return ExecDialog(dialog);
}

int FileSelectPopup(const char *defaultDirectory, const char *defaultFileName, const char *fileTypeList,
                    const char *title, int buttonType, int restrictDirectory, int restrictExtension,
                    int allowCancel, int allowMakeDirectory, char *pathOut)
{
    if (!pathOut)
        return UIE_INVALID_VALUE;
    pathOut[0] = '\0';
    PopupRequest request;
    request.kind = POPUP_FILE_SELECT;
    request.title = StdText(title);
    request.defaultDirectory = StdText(defaultDirectory);
    request.defaultFileName = StdText(defaultFileName);
    request.fileTypeList = StdText(fileTypeList);
    request.buttonType = buttonType;
    request.allowCancel = allowCancel;
    request.allowMakeDirectory = allowMakeDirectory;
    PopupAnswer answer;
    if (!AskResponder(request, &answer))
        answer = ShowFileDialog(request, restrictDirectory != 0, restrictExtension != 0);
    if (answer.result <= VAL_NO_FILE_SELECTED || answer.path.empty())
        return answer.result < 0 ? answer.result : VAL_NO_FILE_SELECTED;
    QString path = QDir::toNativeSeparators(QString::fromStdString(answer.path));
    // A path cut to fit would name another file; it is refused instead.
    if (path.toUtf8().size() > MAX_PATHNAME_LEN - 1)
        return UIE_INVALID_VALUE;
    CopyTextOut(path, pathOut, MAX_PATHNAME_LEN);
    return QFileInfo::exists(path) ? VAL_EXISTING_FILE_SELECTED : VAL_NEW_FILE_SELECTED;
}
