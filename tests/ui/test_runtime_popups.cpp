#include "support/popup_script.h"
#include "ui/popup_responder.h"
#include "ui/userint.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{

// Runs `operate` on the modal dialog once it is shown, with the real dialogs in place.
class RealDialogs
{
  public:
    RealDialogs() { SetPopupResponder(nullptr); }
    ~RealDialogs() { InstallDefaultPopupResponder(); }
    void WhenShown(std::function<void(QWidget *)> operate)
    {
        QTimer::singleShot(0, [operate] {
            QWidget *dialog = nullptr;
            for (int i = 0; i < 200 && !dialog; ++i) {
                dialog = QApplication::activeModalWidget();
                if (!dialog)
                    QTest::qWait(5);
            }
            ASSERT_NE(dialog, nullptr);
            operate(dialog);
        });
    }
};

// Keys go to the widget that has the focus inside the dialog.
QWidget *FocusOf(QWidget *dialog)
{
    return dialog->focusWidget() ? dialog->focusWidget() : dialog;
}

TEST(RuntimePopups, TheResponderSeesEveryPopUpAndAnswersIt)
{
    PopupScript script;
    script.Answer(0).Answer(1).Answer(0).Answer(3);
    EXPECT_EQ(MessagePopup("Message!", "Wrong password. \nPlease try again."), 0);
    EXPECT_EQ(ConfirmPopup("Info!", "Overwrite?"), 1);
    EXPECT_EQ(ConfirmPopup("Info!", "Overwrite?"), 0);
    EXPECT_EQ(
        GenericMessagePopup("Message!", "Could not establish connection!", "Close", "", "Offline", 1, 1, 1),
        3);

    ASSERT_EQ(script.Count(), 4);
    const PopupRequest &message = script.Requests()[0];
    EXPECT_EQ(message.kind, POPUP_MESSAGE);
    EXPECT_EQ(message.title, "Message!");
    EXPECT_EQ(message.message, "Wrong password. \nPlease try again.");
    EXPECT_EQ(script.Requests()[1].kind, POPUP_CONFIRM);
    const PopupRequest &generic = script.Last();
    EXPECT_EQ(generic.kind, POPUP_GENERIC);
    EXPECT_EQ(generic.buttons, (std::vector<std::string>{"Close", "Offline"}));
    EXPECT_EQ(generic.defaultButton, 1);
    EXPECT_TRUE(script.Shown(POPUP_CONFIRM, "Overwrite?"));
    EXPECT_FALSE(script.Shown(POPUP_MESSAGE, "Overwrite?"));
}

TEST(RuntimePopups, TheDefaultResponderTakesTheDefaultChoice)
{
    ClearPopupLog();
    EXPECT_EQ(ConfirmPopup("Info!", "Sure?"), 1);
    EXPECT_EQ(GenericMessagePopup("t", "m", "A", "B", nullptr, 2, 1, 1), 2);
    char path[MAX_PATHNAME_LEN] = "x";
    EXPECT_EQ(FileSelectPopup("", "a.ini", "*.ini", "Load", VAL_LOAD_BUTTON, 0, 0, 1, 1, path),
              VAL_NO_FILE_SELECTED);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(PopupLog().size(), 3u);
}

TEST(RuntimePopups, FileSelectionTellsExistingFromNewFiles)
{
    QTemporaryDir dir;
    QString existing = dir.filePath("Parameter.ini");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    std::string fresh = dir.filePath("New.ini").toStdString();
    std::string tooLong = dir.path().toStdString() + "/" + std::string(300, 'a') + ".ini";

    PopupScript script;
    script.AnswerFile(VAL_NEW_FILE_SELECTED, existing.toStdString())
        .AnswerFile(VAL_EXISTING_FILE_SELECTED, fresh)
        .AnswerFile(VAL_NO_FILE_SELECTED, fresh)
        .AnswerFile(UIE_INVALID_VALUE, fresh)
        .AnswerFile(VAL_NEW_FILE_SELECTED, tooLong);
    char path[MAX_PATHNAME_LEN] = "";
    int result = FileSelectPopup(dir.path().toUtf8().constData(), "Parameter.ini", "*.ini", "Save parameters",
                                 VAL_SAVE_BUTTON, 0, 1, 1, 1, path);
    EXPECT_EQ(result, VAL_EXISTING_FILE_SELECTED);
    EXPECT_EQ(QString::fromUtf8(path), QDir::toNativeSeparators(existing));
    const PopupRequest &request = script.Last();
    EXPECT_EQ(request.kind, POPUP_FILE_SELECT);
    EXPECT_EQ(request.title, "Save parameters");
    EXPECT_EQ(request.defaultFileName, "Parameter.ini");
    EXPECT_EQ(request.fileTypeList, "*.ini");
    EXPECT_EQ(request.buttonType, VAL_SAVE_BUTTON);

    EXPECT_EQ(FileSelectPopup("", "", "*.ini", "t", VAL_LOAD_BUTTON, 0, 0, 1, 1, path),
              VAL_NEW_FILE_SELECTED);
    EXPECT_EQ(QString::fromUtf8(path), QDir::toNativeSeparators(QString::fromStdString(fresh)));
    EXPECT_EQ(FileSelectPopup("", "", "*.ini", "t", VAL_LOAD_BUTTON, 0, 0, 1, 1, path), VAL_NO_FILE_SELECTED);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(FileSelectPopup("", "", "*.ini", "t", VAL_LOAD_BUTTON, 0, 0, 1, 1, path), UIE_INVALID_VALUE);
    // A path that does not fit is refused rather than cut to another file's name.
    EXPECT_LT(FileSelectPopup("", "", "*.ini", "t", VAL_LOAD_BUTTON, 0, 0, 1, 1, path), 0);
    EXPECT_STREQ(path, "");
    EXPECT_LT(FileSelectPopup("", "", "*.ini", "t", VAL_LOAD_BUTTON, 0, 0, 1, 1, nullptr), 0);
}

TEST(RuntimePopups, GenericDialogMapsEnterAndEscapeToTheirButtons)
{
    RealDialogs real;
    QString focused;
    real.WhenShown([&focused](QWidget *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Message!");
        auto *button = qobject_cast<QPushButton *>(dialog->focusWidget());
        focused = button ? button->text() : QString();
        QTest::keyClick(FocusOf(dialog), Qt::Key_Return);
    });
    EXPECT_EQ(GenericMessagePopup("Message!", "Connect?", "Close", "Offline", "Retry", 2, 3, 1), 3);
    EXPECT_EQ(focused, "Offline");

    real.WhenShown([](QWidget *dialog) { QTest::keyClick(FocusOf(dialog), Qt::Key_Escape); });
    EXPECT_EQ(GenericMessagePopup("Message!", "Connect?", "Close", "Offline", "Retry", 2, 3, 1), 1);

    real.WhenShown([](QWidget *dialog) { QTest::keyClick(FocusOf(dialog), Qt::Key_Space); });
    EXPECT_EQ(GenericMessagePopup("Message!", "Connect?", "Close", "Offline", "Retry", 2, 3, 1), 2);
}

TEST(RuntimePopups, MessagesArePlainTextWithTheirLineBreaks)
{
    RealDialogs real;
    QString shown;
    Qt::TextFormat format = Qt::RichText;
    real.WhenShown([&](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        ASSERT_NE(box, nullptr);
        shown = box->text();
        format = box->textFormat();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(MessagePopup("Info!", "<b>Wrong</b> password. \nPlease try again."), 0);
    EXPECT_EQ(shown, "<b>Wrong</b> password. \nPlease try again.");
    EXPECT_EQ(format, Qt::PlainText);

    real.WhenShown([](QWidget *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_EQ(ConfirmPopup("Info!", "Sure?"), 0);
}

TEST(RuntimePopups, RealFileDialogStartsWhereAskedAndReportsTheChoice)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("Table.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    RealDialogs real;
    QString title;
    QString directory;
    real.WhenShown([&](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        directory = dialog->directory().absolutePath();
        auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("Table.ini");
        QTest::keyClick(name, Qt::Key_Return);
    });
    char path[MAX_PATHNAME_LEN] = "";
    int result = FileSelectPopup(dir.path().toUtf8().constData(), "Table.ini", "*.ini", "Load table",
                                 VAL_LOAD_BUTTON, 0, 0, 1, 0, path);
    EXPECT_EQ(result, VAL_EXISTING_FILE_SELECTED);
    EXPECT_EQ(title, "Load table");
    EXPECT_EQ(directory, QDir(dir.path()).absolutePath());
    EXPECT_EQ(QString::fromUtf8(path), QDir::toNativeSeparators(dir.filePath("Table.ini")));

    real.WhenShown([](QWidget *widget) { qobject_cast<QDialog *>(widget)->reject(); });
    EXPECT_EQ(FileSelectPopup(dir.path().toUtf8().constData(), "", "*.ini", "Load", VAL_LOAD_BUTTON, 0, 0, 1,
                              0, path),
              VAL_NO_FILE_SELECTED);
}

} // namespace

namespace
{

TEST(RuntimePopups, QuittingAnswersOpenDialogsLikeEscape)
{
    RealDialogs real;
    // Each quit is taken up by the loop before the next dialog, which would otherwise
    // not open at all.
    real.WhenShown([](QWidget *) { QuitUserInterface(5); });
    EXPECT_EQ(GenericMessagePopup("Message!", "Could not establish connection!", "Close", "Offline", nullptr,
                                  1, 1, 2),
              2);
    EXPECT_EQ(RunUserInterface(), 5);
    real.WhenShown([](QWidget *) { QuitUserInterface(5); });
    EXPECT_EQ(ConfirmPopup("Info!", "Sure?"), 0);
    EXPECT_EQ(RunUserInterface(), 5);
    // Even a file dialog that offers no cancel gives way.
    char path[MAX_PATHNAME_LEN] = "";
    real.WhenShown([](QWidget *) { QuitUserInterface(5); });
    EXPECT_EQ(FileSelectPopup("", "", "*.ini", "Load", VAL_LOAD_BUTTON, 0, 0, 0, 0, path),
              VAL_NO_FILE_SELECTED);
    EXPECT_EQ(RunUserInterface(), 5);
}

// After a quit no pop-up opens, neither for the operator nor for a responder: each is
// answered as its Escape key would answer it, until the loop has ended.
TEST(RuntimePopups, NoPopUpOpensOnceAQuitIsRequested)
{
    PopupScript script;
    script.Answer(1).Answer(1).Answer(3).AnswerFile(VAL_EXISTING_FILE_SELECTED, "/tmp");
    QuitUserInterface(0);
    EXPECT_TRUE(QuitRequested());
    EXPECT_EQ(MessagePopup("Info!", "No file was selected!"), 0);
    EXPECT_EQ(ConfirmPopup("Info!", "Sure?"), 0);
    EXPECT_EQ(GenericMessagePopup("Message!", "Could not establish connection!", "Close", "Offline", nullptr,
                                  1, 1, 1),
              1);
    EXPECT_EQ(GenericMessagePopup("t", "m", "A", "B", "C", 1, 1, 3), 3);
    char path[MAX_PATHNAME_LEN] = "x";
    EXPECT_EQ(FileSelectPopup("", "", "*.ini", "Load", VAL_LOAD_BUTTON, 0, 0, 0, 0, path),
              VAL_NO_FILE_SELECTED);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(script.Count(), 0);
    EXPECT_EQ(RunUserInterface(), 0);
    EXPECT_FALSE(QuitRequested());
    EXPECT_EQ(ConfirmPopup("Info!", "Sure?"), 1);
}

// Replacing an existing file is the program's question; the dialog asks none itself.
TEST(RuntimePopups, SaveDialogAsksNothingAboutAnExistingFile)
{
    QTemporaryDir dir;
    QString existing = dir.filePath("Parameter.ini");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    RealDialogs real;
    bool asked = false;
    real.WhenShown([&asked, existing](QWidget *widget) {
        QTimer::singleShot(100, [&asked] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                asked = true;
                box->done(QMessageBox::Yes);
            }
        });
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(existing);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    char path[MAX_PATHNAME_LEN] = "";
    EXPECT_EQ(FileSelectPopup(dir.path().toUtf8().constData(), "Parameter.ini", "*.ini", "Parameter",
                              VAL_SAVE_BUTTON, 0, 0, 1, 1, path),
              VAL_EXISTING_FILE_SELECTED);
    EXPECT_FALSE(asked);
    EXPECT_EQ(QString::fromUtf8(path), QDir::toNativeSeparators(existing));
}

} // namespace
