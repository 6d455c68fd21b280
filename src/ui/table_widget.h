#pragma once
// The table control: rows x columns of signed 16-bit integer cells. The operator edits
// a cell by typing; text that is not a whole number within -32768..32767 is refused and
// the cell keeps its value. An accepted edit raises EVENT_COMMIT with eventData1 = row
// and eventData2 = column (both from 1). A right click opens the table's own menu of
// the built-in items that are not hidden; with every item hidden no menu appears.

#include "ui/panel_defs.h"

#include <QStyledItemDelegate>
#include <QTableWidget>

class TableWidget : public QTableWidget
{
    Q_OBJECT

  public:
    TableWidget(int panel, int control, int rows, int columns, QWidget *parent);
    int panel() const { return panel_; }
    int control() const { return control_; }

    // The built-in menu items shown now (UiTableMenuItem values, in menu order).
    std::vector<int> offeredMenuItems() const;

  protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

  private:
    void runMenuItem(int item);
    void gotoRow();
    void searchValue();

    int panel_;
    int control_;
};

// Accepts only whole numbers of the signed 16-bit range.
class Int16CellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

  public:
    Int16CellDelegate(int panel, int control, QObject *parent);
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

  private:
    int panel_;
    int control_;
};

// Parses an operator's cell text; false when it is not a signed 16-bit whole number.
bool ParseInt16Cell(const QString &text, int *value);

QWidget *CreateTableWidget(int panel, const CtrlDef &def, QWidget *parent);
