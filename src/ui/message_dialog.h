#pragma once
// The dialog of GenericMessagePopup: a plain-text message and up to three buttons. The
// default button has the focus; Enter and Escape answer with the buttons chosen for
// them, whichever button has the focus. The dialog's result is the button number.

#include <QDialog>

#include <string>
#include <vector>

class QPushButton;

class MessageDialog : public QDialog
{
    Q_OBJECT

  public:
    MessageDialog(const QString &title, const QString &message, const std::vector<std::string> &buttons,
                  int defaultButton, int enterButton, int escapeButton);

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    std::vector<QPushButton *> buttons_;
    int defaultButton_;
    int enterButton_;
    int escapeButton_;
};
