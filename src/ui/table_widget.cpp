#include "ui/table_widget.h"

#include "ui/ui_qt.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>

namespace
{

struct MenuItemText {
    int item;
    const char *text;
};

// The built-in menu of the table. Charting is not offered by this runtime.
const MenuItemText kMenuItems[] = {
    {VAL_SORT, "Sort by Column"},
    {VAL_GOTO, "Goto Row..."},
    {VAL_SEARCH, "Search Value..."},
    {VAL_EXPAND, "Expand Columns"},
};

void FillCells(QTableWidget *table)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            auto *item = new QTableWidgetItem;
            item->setData(Qt::DisplayRole, 0);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
}

} // namespace

bool ParseInt16Cell(const QString &text, int *value)
{
    bool ok = false;
    int number = text.trimmed().toInt(&ok);
    if (!ok || number < -32768 || number > 32767)
        return false;
    *value = number;
    return true;
}

Int16CellDelegate::Int16CellDelegate(int panel, int control, QObject *parent)
    : QStyledItemDelegate(parent), panel_(panel), control_(control)
{
}

// A plain text field: the operator may type anything, and what is not a cell value is
// refused when the edit ends.
QWidget *Int16CellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                         const QModelIndex &) const
{
    auto *edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

void Int16CellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        edit->setText(QString::number(index.data(Qt::DisplayRole).toInt()));
}

void Int16CellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                     const QModelIndex &index) const
{
    auto *edit = qobject_cast<QLineEdit *>(editor);
    int value = 0;
    if (!edit || !ParseInt16Cell(edit->text(), &value))
        return;
    if (model->data(index, Qt::DisplayRole).toInt() == value)
        return;
    model->setData(index, value, Qt::DisplayRole);
    int panel = panel_;
    int control = control_;
    int row = index.row() + 1;
    int column = index.column() + 1;
    // The callback runs once the editor has closed, so that a pop-up it opens cannot
    // end the same edit a second time.
    QMetaObject::invokeMethod(
        const_cast<Int16CellDelegate *>(this),
        [panel, control, row, column] { DispatchCtrlEvent(panel, control, EVENT_COMMIT, row, column); },
        Qt::QueuedConnection);
}

TableWidget::TableWidget(int panel, int control, int rows, int columns, QWidget *parent)
    : QTableWidget(rows, columns, parent), panel_(panel), control_(control)
{
    FillCells(this);
    setItemDelegate(new Int16CellDelegate(panel, control, this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
}

std::vector<int> TableWidget::offeredMenuItems() const
{
    std::vector<int> items;
    CtrlRecord *ctrl = FindCtrl(panel_, control_);
    for (const MenuItemText &entry : kMenuItems)
        if (!ctrl || !ctrl->hiddenMenuItems.count(entry.item))
            items.push_back(entry.item);
    return items;
}

void TableWidget::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    std::vector<int> items = offeredMenuItems();
    if (items.empty())
        return;
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (int item : items) {
        for (const MenuItemText &entry : kMenuItems)
            if (entry.item == item)
                menu->addAction(QString::fromUtf8(entry.text), this, [this, item] { runMenuItem(item); });
    }
    menu->popup(event->globalPos());
}

void TableWidget::runMenuItem(int item)
{
    switch (item) {
    case VAL_SORT:
        sortItems(std::max(0, currentColumn()), Qt::AscendingOrder);
        break;
    case VAL_GOTO:
        gotoRow();
        break;
    case VAL_SEARCH:
        searchValue();
        break;
    case VAL_EXPAND:
        resizeColumnsToContents();
        break;
    default:
        break;
    }
}

void TableWidget::gotoRow()
{
    bool ok = false;
    int row = QInputDialog::getInt(this, QStringLiteral("Goto"), QStringLiteral("Row:"), currentRow() + 1, 1,
                                   rowCount(), 1, &ok);
    if (ok)
        setCurrentCell(row - 1, std::max(0, currentColumn()));
}

void TableWidget::searchValue()
{
    bool ok = false;
    int value = QInputDialog::getInt(this, QStringLiteral("Search"), QStringLiteral("Value:"), 0, -32768,
                                     32767, 1, &ok);
    if (!ok)
        return;
    int cells = rowCount() * columnCount();
    int start = std::max(0, currentRow()) * columnCount() + std::max(0, currentColumn());
    for (int step = 1; step <= cells; ++step) {
        int cell = (start + step) % cells;
        QTableWidgetItem *found = item(cell / columnCount(), cell % columnCount());
        if (found && found->data(Qt::DisplayRole).toInt() == value) {
            setCurrentItem(found);
            return;
        }
    }
}

QWidget *CreateTableWidget(int panel, const CtrlDef &def, QWidget *parent)
{
    auto *table = new TableWidget(panel, def.id, std::max(0, def.rows), std::max(0, def.columns), parent);
    QStringList labels;
    for (const std::string &label : def.columnLabels)
        labels << QString::fromStdString(label);
    if (!labels.isEmpty())
        table->setHorizontalHeaderLabels(labels);
    table->horizontalHeader()->setStretchLastSection(true);
    // Compact rows, as on an instrument panel: more of a long table in view.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}
