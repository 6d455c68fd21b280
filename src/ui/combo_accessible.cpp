// Drop-down lists on the accessibility bus: named by their label, with the current
// entry as their value. Qt's own interface names a drop-down list on Linux by its
// current entry ("TCP/IP", "AMP5"), so a screen reader could not say which setting it
// is and a test could not find it by its label.
#include "ui/ui_qt.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace
{

class LabelledComboAccessible : public QAccessibleWidget
{
  public:
    explicit LabelledComboAccessible(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return CurrentEntry();
        if (kind == QAccessible::Name && !Combo()->accessibleName().isEmpty())
            return Combo()->accessibleName();
        if (kind == QAccessible::Name)
            return CurrentEntry();
        return QAccessibleWidget::text(kind);
    }

    // The list of entries, and the text field of an editable box.
    int childCount() const override { return Combo()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(Combo()->view());
        if (index == 1 && Combo()->isEditable())
            return QAccessible::queryAccessibleInterface(Combo()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == Combo()->view())
            return 0;
        if (Combo()->isEditable() && child->object() == Combo()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        QLineEdit *field = Combo()->isEditable() ? Combo()->lineEdit() : nullptr;
        if (field && field->rect().translated(field->mapToGlobal(QPoint(0, 0))).contains(x, y))
            return child(1);
        return nullptr;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (Combo()->view()->isVisible())
            Combo()->hidePopup();
        else
            Combo()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

  private:
    QComboBox *Combo() const { return static_cast<QComboBox *>(widget()); }

    QString CurrentEntry() const
    {
        return Combo()->isEditable() ? Combo()->lineEdit()->text() : Combo()->currentText();
    }
};

QAccessibleInterface *CreateComboAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String("QComboBox"))
        return nullptr;
    auto *combo = qobject_cast<QComboBox *>(object);
    return combo ? new LabelledComboAccessible(combo) : nullptr;
}

} // namespace

void UseLabelledComboAccessibility()
{
    // Factories installed later are asked first, so this one comes before Qt's own.
    // Qt keeps a factory only once, however often it is installed.
    QAccessible::installFactory(CreateComboAccessible);
}
