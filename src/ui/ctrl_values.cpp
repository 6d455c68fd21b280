// Values of controls. Setting a value never raises an event.
#include "ui/chart_ops.h"
#include "ui/ui_qt.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include <climits>
#include <cmath>

namespace
{

int RoundToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= INT_MIN)
        return INT_MIN;
    if (value >= INT_MAX)
        return INT_MAX;
    return static_cast<int>(std::lround(value));
}

QString NumberText(double value, bool isInteger)
{
    return isInteger ? QString::number(RoundToInt(value)) : QString::number(value, 'g', 15);
}

void ShowMessageText(CtrlRecord &ctrl, QLabel *label, const QString &text)
{
    label->setText(text);
    if (ctrl.autoSize)
        label->adjustSize();
    FollowLabelWithName(ctrl, text);
}

void AppendToTextBox(QPlainTextEdit *box, const QString &text)
{
    QTextCursor cursor = box->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    box->setTextCursor(cursor);
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
}

int SetText(CtrlRecord &ctrl, const QString &text)
{
    QWidget *widget = ctrl.widget;
    if (QLineEdit *edit = StringEdit(ctrl)) {
        edit->setText(text);
        ctrl.committedText = edit->text();
        return UIE_OK;
    }
    if (auto *box = qobject_cast<QPlainTextEdit *>(widget)) {
        AppendToTextBox(box, text);
        ctrl.committedText = box->toPlainText();
        return UIE_OK;
    }
    if (ctrl.kind == CTRL_TEXT_MSG) {
        ShowMessageText(ctrl, static_cast<QLabel *>(widget), text);
        return UIE_OK;
    }
    return UIE_INVALID_CONTROL;
}

int SetNumber(CtrlRecord &ctrl, double value, bool isInteger)
{
    QWidget *widget = ctrl.widget;
    if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        spin->setValue(RoundToInt(value));
        return UIE_OK;
    }
    if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget)) {
        spin->setValue(value);
        return UIE_OK;
    }
    switch (ctrl.kind) {
    case CTRL_SLIDE:
        static_cast<QSlider *>(widget)->setValue(RoundToInt(value));
        return UIE_OK;
    case CTRL_RING: {
        auto *combo = static_cast<QComboBox *>(widget);
        int index = combo->findData(RoundToInt(value));
        if (index < 0)
            return UIE_INVALID_VALUE;
        combo->setCurrentIndex(index);
        return UIE_OK;
    }
    case CTRL_TOGGLE_BUTTON:
    case CTRL_CHECK_BOX:
        static_cast<QAbstractButton *>(widget)->setChecked(value != 0.0);
        return UIE_OK;
    case CTRL_LED:
        return SetLedState(widget, value != 0.0);
    default:
        return SetText(ctrl, NumberText(value, isInteger));
    }
}

int GetNumber(const CtrlRecord &ctrl, double *value)
{
    QWidget *widget = ctrl.widget;
    if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        *value = spin->value();
        return UIE_OK;
    }
    if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget)) {
        *value = spin->value();
        return UIE_OK;
    }
    switch (ctrl.kind) {
    case CTRL_SLIDE:
        *value = static_cast<QSlider *>(widget)->value();
        return UIE_OK;
    case CTRL_RING: {
        auto *combo = static_cast<QComboBox *>(widget);
        if (combo->currentIndex() < 0)
            return UIE_INVALID_VALUE;
        *value = combo->currentData().toInt();
        return UIE_OK;
    }
    case CTRL_TOGGLE_BUTTON:
    case CTRL_CHECK_BOX:
        *value = static_cast<QAbstractButton *>(widget)->isChecked() ? 1 : 0;
        return UIE_OK;
    case CTRL_LED: {
        int on = 0;
        int status = GetLedState(widget, &on);
        *value = on;
        return status;
    }
    default:
        break;
    }
    return UIE_INVALID_CONTROL;
}

QString TextOf(const CtrlRecord &ctrl, bool *ok)
{
    *ok = true;
    QWidget *widget = ctrl.widget;
    if (QLineEdit *edit = StringEdit(ctrl))
        return ctrl.password ? edit->displayText() : edit->text();
    if (auto *box = qobject_cast<QPlainTextEdit *>(widget))
        return box->toPlainText();
    if (ctrl.kind == CTRL_TEXT_MSG)
        return static_cast<QLabel *>(widget)->text();
    if (ctrl.kind == CTRL_RING)
        return static_cast<QComboBox *>(widget)->currentText();
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget))
        return spin->text();
    *ok = false;
    return QString();
}

template <typename Setter> int WithControl(int panel, int control, Setter setter)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    QSignalBlocker blocker(ctrl->widget.data());
    return setter(*ctrl);
}

int GetInteger(int panel, int control, int *value)
{
    double number = 0.0;
    int status = GetCtrlVal(panel, control, &number);
    if (status < 0)
        return status;
    *value = RoundToInt(number);
    return UIE_OK;
}

} // namespace

int SetCtrlVal(int panel, int control, int value)
{
    return WithControl(panel, control, [value](CtrlRecord &ctrl) { return SetNumber(ctrl, value, true); });
}

int SetCtrlVal(int panel, int control, double value)
{
    return WithControl(panel, control, [value](CtrlRecord &ctrl) { return SetNumber(ctrl, value, false); });
}

int SetCtrlVal(int panel, int control, const char *value)
{
    if (!value)
        return UIE_INVALID_VALUE;
    QString text = QString::fromUtf8(value);
    return WithControl(panel, control, [&text](CtrlRecord &ctrl) {
        int status = SetText(ctrl, text);
        if (status != UIE_INVALID_CONTROL)
            return status;
        bool ok = false;
        double number = text.trimmed().toDouble(&ok);
        if (ctrl.kind == CTRL_RING) {
            int index = static_cast<QComboBox *>(ctrl.widget.data())->findText(text);
            if (index < 0)
                return UIE_INVALID_VALUE;
            static_cast<QComboBox *>(ctrl.widget.data())->setCurrentIndex(index);
            return UIE_OK;
        }
        return ok ? SetNumber(ctrl, number, false) : UIE_INVALID_VALUE;
    });
}

int GetCtrlVal(int panel, int control, double *value)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    if (!value)
        return UIE_INVALID_VALUE;
    status = GetNumber(*ctrl, value);
    if (status != UIE_INVALID_CONTROL)
        return status;
    bool isText = false;
    QString text = TextOf(*ctrl, &isText);
    if (!isText)
        return UIE_INVALID_CONTROL;
    bool ok = false;
    double number = text.trimmed().toDouble(&ok);
    if (!ok)
        return UIE_INVALID_VALUE;
    *value = number;
    return UIE_OK;
}

int GetCtrlVal(int panel, int control, int *value)
{
    if (!value)
        return UIE_INVALID_VALUE;
    return GetInteger(panel, control, value);
}

int GetCtrlVal(int panel, int control, short *value)
{
    int number = 0;
    int status = value ? GetInteger(panel, control, &number) : UIE_INVALID_VALUE;
    if (status == UIE_OK)
        *value = static_cast<short>(number);
    return status;
}

int GetCtrlVal(int panel, int control, unsigned short *value)
{
    int number = 0;
    int status = value ? GetInteger(panel, control, &number) : UIE_INVALID_VALUE;
    if (status == UIE_OK)
        *value = static_cast<unsigned short>(number);
    return status;
}

int GetCtrlVal(int panel, int control, unsigned char *value)
{
    int number = 0;
    int status = value ? GetInteger(panel, control, &number) : UIE_INVALID_VALUE;
    if (status == UIE_OK)
        *value = static_cast<unsigned char>(number);
    return status;
}

int GetCtrlVal(int panel, int control, char *value, int size)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    bool isText = false;
    QString text = TextOf(*ctrl, &isText);
    if (!isText)
        return UIE_INVALID_CONTROL;
    return CopyTextOut(text, value, size);
}

int ResetTextBox(int panel, int control, const char *text)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    auto *box = qobject_cast<QPlainTextEdit *>(ctrl->widget.data());
    if (!box)
        return SetCtrlVal(panel, control, text ? text : "");
    QSignalBlocker blocker(box);
    box->setPlainText(QString::fromUtf8(text ? text : ""));
    ctrl->committedText = box->toPlainText();
    return UIE_OK;
}
