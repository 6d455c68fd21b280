#include "ui/message_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

MessageDialog::MessageDialog(const QString &title, const QString &message,
                             const std::vector<std::string> &buttons, int defaultButton, int enterButton,
                             int escapeButton)
    : defaultButton_(defaultButton), enterButton_(enterButton), escapeButton_(escapeButton)
{
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(message, this);
    text->setTextFormat(Qt::PlainText);
    layout->addWidget(text);
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (size_t i = 0; i < buttons.size(); ++i) {
        auto *button = new QPushButton(QString::fromStdString(buttons[i]), this);
        // Enter is mapped explicitly below, never to the focused button.
        button->setAutoDefault(false);
        int number = static_cast<int>(i) + 1;
        connect(button, &QPushButton::clicked, this, [this, number] { done(number); });
        row->addWidget(button);
        buttons_.push_back(button);
    }
    layout->addLayout(row);
}

void MessageDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (defaultButton_ >= 1 && defaultButton_ <= static_cast<int>(buttons_.size()))
        buttons_[static_cast<size_t>(defaultButton_ - 1)]->setFocus(Qt::OtherFocusReason);
}

void MessageDialog::keyPressEvent(QKeyEvent *event)
{
    int count = static_cast<int>(buttons_.size());
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (enterButton_ >= 1 && enterButton_ <= count)
            done(enterButton_);
        event->accept();
        return;
    case Qt::Key_Escape:
        if (escapeButton_ >= 1 && escapeButton_ <= count)
            done(escapeButton_);
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void MessageDialog::closeEvent(QCloseEvent *event)
{
    // The close box answers like Escape; without an Escape button it answers like the
    // default button, so that the window can always be closed.
    int count = static_cast<int>(buttons_.size());
    int answer = escapeButton_ >= 1 && escapeButton_ <= count ? escapeButton_ : defaultButton_;
    if (answer < 1 || answer > count)
        answer = 1;
    event->ignore();
    done(answer);
}
