#include "toolbox/password.h"

#include "ui/ui_qt.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace
{

const char *const kMaskProperty = "passwordMask";

int LookupPassword(int panel, int control, CtrlRecord **ctrl, QLineEdit **field)
{
    int status = LookupCtrl(panel, control, ctrl);
    if (status < 0)
        return status;
    *field = (*ctrl)->password ? StringEdit(**ctrl) : nullptr;
    return *field ? UIE_OK : UIE_INVALID_CONTROL;
}

// The style decides the character shown for each typed one; this field shows its own.
void ShowMask(QLineEdit *field, int mask)
{
    field->setProperty(kMaskProperty, mask);
    field->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: %1; }").arg(mask));
}

} // namespace

int PasswordCtrl_ConvertFromString(int panel, int control)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    QLineEdit *field = ctrl->kind == CTRL_STRING && !ctrl->comboBox ? StringEdit(*ctrl) : nullptr;
    if (!field)
        return UIE_INVALID_CONTROL;
    ctrl->password = true;
    field->setEchoMode(QLineEdit::Password);
    ShowMask(field, '*');
    return UIE_OK;
}

int PasswordCtrl_SetAttribute(int panel, int control, int attribute, int value)
{
    CtrlRecord *ctrl = nullptr;
    QLineEdit *field = nullptr;
    int status = LookupPassword(panel, control, &ctrl, &field);
    if (status < 0)
        return status;
    switch (attribute) {
    case ATTR_PASSWORD_MAX_LENGTH:
        if (value < 1)
            return UIE_INVALID_VALUE;
        field->setMaxLength(value);
        return UIE_OK;
    case ATTR_PASSWORD_MASK_CHARACTER:
        if (value < 0x21 || value > 0xFFFF)
            return UIE_INVALID_VALUE;
        ShowMask(field, value);
        return UIE_OK;
    default:
        return UIE_INVALID_ATTRIBUTE;
    }
}

int PasswordCtrl_SetAttribute(int panel, int control, int attribute, const char *value)
{
    CtrlRecord *ctrl = nullptr;
    QLineEdit *field = nullptr;
    int status = LookupPassword(panel, control, &ctrl, &field);
    if (status < 0)
        return status;
    if (attribute != ATTR_PASSWORD_VAL)
        return UIE_INVALID_ATTRIBUTE;
    if (!value)
        return UIE_INVALID_VALUE;
    QSignalBlocker blocker(field);
    field->setText(QString::fromUtf8(value));
    ctrl->committedText = field->text();
    return UIE_OK;
}

int PasswordCtrl_GetAttribute(int panel, int control, int attribute, int *value)
{
    CtrlRecord *ctrl = nullptr;
    QLineEdit *field = nullptr;
    int status = LookupPassword(panel, control, &ctrl, &field);
    if (status < 0)
        return status;
    if (!value)
        return UIE_INVALID_VALUE;
    switch (attribute) {
    case ATTR_PASSWORD_MAX_LENGTH:
        *value = field->maxLength();
        return UIE_OK;
    case ATTR_PASSWORD_MASK_CHARACTER:
        *value = field->property(kMaskProperty).toInt();
        return UIE_OK;
    default:
        return UIE_INVALID_ATTRIBUTE;
    }
}

int PasswordCtrl_GetAttribute(int panel, int control, int attribute, char *buffer)
{
    CtrlRecord *ctrl = nullptr;
    QLineEdit *field = nullptr;
    int status = LookupPassword(panel, control, &ctrl, &field);
    if (status < 0)
        return status;
    if (attribute != ATTR_PASSWORD_VAL)
        return UIE_INVALID_ATTRIBUTE;
    // The caller's buffer holds the maximum length + 1 bytes; a text of wide
    // characters is cut there rather than written past it.
    return CopyTextOut(field->text(), buffer, field->maxLength() + 1);
}
