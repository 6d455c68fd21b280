#include "toolbox/combobox.h"

#include "ui/ui_qt.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <map>
#include <utility>

namespace
{

// The plain field of each address box, kept to give the control back on discard.
std::map<std::pair<int, int>, QPointer<QLineEdit>> &PlainFields()
{
    static std::map<std::pair<int, int>, QPointer<QLineEdit>> fields;
    return fields;
}

int LookupCombo(int panel, int control, CtrlRecord **ctrl, QComboBox **combo)
{
    int status = LookupCtrl(panel, control, ctrl);
    if (status < 0)
        return status;
    *combo = (*ctrl)->comboBox ? qobject_cast<QComboBox *>((*ctrl)->widget.data()) : nullptr;
    return *combo ? UIE_OK : UIE_INVALID_CONTROL;
}

// Changing the list of an editable combo box may replace the text being edited; the
// operator's text stays as it was.
template <typename Change> void ChangeList(QComboBox *combo, Change change)
{
    QSignalBlocker blocker(combo);
    QString text = combo->currentText();
    change();
    combo->setEditText(text);
}

// Leaving an editable combo box makes it announce `activated` when its text matches
// an item other than the current one. Only Enter and a choice from the list commit the
// address box, so the box marks the time its focus leaves.
class FocusLeaveMarker : public QObject
{
  public:
    using QObject::QObject;
    bool leaving = false;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::FocusOut || leaving)
            return false;
        leaving = true;
        watched->event(event);
        leaving = false;
        return true;
    }
};

QComboBox *CreateAddressBox(int panel, int control, QLineEdit *field)
{
    auto *combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(10);
    combo->lineEdit()->setMaxLength(field->maxLength());
    combo->setEditText(field->text());
    WireStringCommit(panel, control, combo->lineEdit());
    auto *marker = new FocusLeaveMarker(combo);
    combo->installEventFilter(marker);
    QObject::connect(combo, &QComboBox::activated, combo, [panel, control, combo, marker](int index) {
        if (marker->leaving)
            return;
        combo->setEditText(combo->itemText(index));
        CommitStringCtrl(panel, control, true);
    });
    return combo;
}

} // namespace

int Combo_NewComboBox(int panel, int control)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    QLineEdit *field =
        ctrl->kind == CTRL_STRING && !ctrl->comboBox && !ctrl->password ? StringEdit(*ctrl) : nullptr;
    if (!field)
        return UIE_INVALID_CONTROL;
    QComboBox *combo = CreateAddressBox(panel, control, field);
    combo->lineEdit()->setReadOnly(field->isReadOnly());
    status = ReplaceCtrlWidget(panel, control, combo);
    if (status < 0) {
        delete combo;
        return status;
    }
    ctrl->comboBox = true;
    PlainFields()[{panel, control}] = field;
    return UIE_OK;
}

int Combo_InsertComboItem(int panel, int control, int index, const char *text)
{
    CtrlRecord *ctrl = nullptr;
    QComboBox *combo = nullptr;
    int status = LookupCombo(panel, control, &ctrl, &combo);
    if (status < 0)
        return status;
    if (!text || index < -1)
        return UIE_INVALID_VALUE;
    int position = index == -1 || index > combo->count() ? combo->count() : index;
    ChangeList(combo, [combo, position, text] { combo->insertItem(position, QString::fromUtf8(text)); });
    return UIE_OK;
}

int Combo_DeleteComboItem(int panel, int control, int index, int count)
{
    CtrlRecord *ctrl = nullptr;
    QComboBox *combo = nullptr;
    int status = LookupCombo(panel, control, &ctrl, &combo);
    if (status < 0)
        return status;
    if (index < 0 || index >= combo->count() || count < -1)
        return UIE_INVALID_VALUE;
    int remaining = combo->count() - index;
    int toDelete = count == -1 || count > remaining ? remaining : count;
    ChangeList(combo, [combo, index, toDelete] {
        for (int i = 0; i < toDelete; ++i)
            combo->removeItem(index);
    });
    return UIE_OK;
}

int Combo_GetIndex(int panel, int control, const char *text, int *index)
{
    CtrlRecord *ctrl = nullptr;
    QComboBox *combo = nullptr;
    int status = LookupCombo(panel, control, &ctrl, &combo);
    if (status < 0)
        return status;
    if (!text || !index)
        return UIE_INVALID_VALUE;
    *index = combo->findText(QString::fromUtf8(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    return UIE_OK;
}

int Combo_GetValueFromIndex(int panel, int control, int index, char *buffer, int size)
{
    CtrlRecord *ctrl = nullptr;
    QComboBox *combo = nullptr;
    int status = LookupCombo(panel, control, &ctrl, &combo);
    if (status < 0)
        return status;
    if (index < 0 || index >= combo->count())
        return UIE_INVALID_VALUE;
    return CopyTextOut(combo->itemText(index), buffer, size);
}

int Combo_GetComboAttribute(int panel, int control, int attribute, int *value)
{
    CtrlRecord *ctrl = nullptr;
    QComboBox *combo = nullptr;
    int status = LookupCombo(panel, control, &ctrl, &combo);
    if (status < 0)
        return status;
    if (!value)
        return UIE_INVALID_VALUE;
    switch (attribute) {
    case ATTR_COMBO_NUM_ITEMS:
        *value = combo->count();
        return UIE_OK;
    case ATTR_COMBO_FRAME_COLOR:
        *value = ctrl->frameColor;
        return UIE_OK;
    default:
        return UIE_INVALID_ATTRIBUTE;
    }
}

int Combo_SetComboAttribute(int panel, int control, int attribute, int value)
{
    CtrlRecord *ctrl = nullptr;
    QComboBox *combo = nullptr;
    int status = LookupCombo(panel, control, &ctrl, &combo);
    if (status < 0)
        return status;
    if (attribute != ATTR_COMBO_FRAME_COLOR)
        return UIE_INVALID_ATTRIBUTE;
    ctrl->frameColor = value & 0xFFFFFF;
    QPalette palette = combo->palette();
    palette.setColor(QPalette::Button, ColorFromRgb(ctrl->frameColor));
    combo->setPalette(palette);
    return UIE_OK;
}

int Combo_DiscardComboBox(int panel, int control)
{
    CtrlRecord *ctrl = nullptr;
    QComboBox *combo = nullptr;
    int status = LookupCombo(panel, control, &ctrl, &combo);
    if (status < 0)
        return status;
    auto found = PlainFields().find({panel, control});
    QLineEdit *field = found != PlainFields().end() ? found->second.data() : nullptr;
    if (!field)
        return UIE_INVALID_CONTROL;
    {
        QSignalBlocker blocker(field);
        field->setText(combo->currentText());
    }
    status = ReplaceCtrlWidget(panel, control, field);
    if (status < 0)
        return status;
    ctrl->comboBox = false;
    PlainFields().erase(found);
    combo->deleteLater();
    return UIE_OK;
}
