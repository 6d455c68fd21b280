// Table operations: cells, the active cell, the selection and ranges of cells.
#include "ui/table_widget.h"
#include "ui/ui_qt.h"

#include <QSignalBlocker>

namespace
{

struct CellSpan {
    int firstRow = 0; // 0-based
    int firstColumn = 0;
    int rows = 0;
    int columns = 0;
};

int LookupTable(int panel, int control, TableWidget **table)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    *table = qobject_cast<TableWidget *>(ctrl->widget.data());
    return *table ? UIE_OK : UIE_INVALID_CONTROL;
}

bool CellInside(const QTableWidget *table, UiPoint cell)
{
    return cell.x >= 1 && cell.y >= 1 && cell.x <= table->columnCount() && cell.y <= table->rowCount();
}

// The cells of a range, VAL_TO_EDGE reaching to the last row or column; false when the
// range does not lie inside the table.
bool ResolveRange(const QTableWidget *table, UiRect range, CellSpan *span)
{
    if (range.top < 1 || range.left < 1 || range.top > table->rowCount() || range.left > table->columnCount())
        return false;
    int rows = range.height == VAL_TO_EDGE ? table->rowCount() - range.top + 1 : range.height;
    int columns = range.width == VAL_TO_EDGE ? table->columnCount() - range.left + 1 : range.width;
    if (rows < 0 || columns < 0 || range.top - 1 + rows > table->rowCount() ||
        range.left - 1 + columns > table->columnCount())
        return false;
    *span = CellSpan{range.top - 1, range.left - 1, rows, columns};
    return true;
}

// Visits the cells of a span in the given order with the running element index.
template <typename Visit> void ForEachCell(const CellSpan &span, int order, Visit visit)
{
    int index = 0;
    if (order == VAL_COLUMN_MAJOR) {
        for (int c = 0; c < span.columns; ++c)
            for (int r = 0; r < span.rows; ++r)
                visit(span.firstRow + r, span.firstColumn + c, index++);
    } else {
        for (int r = 0; r < span.rows; ++r)
            for (int c = 0; c < span.columns; ++c)
                visit(span.firstRow + r, span.firstColumn + c, index++);
    }
}

int CellValue(const QTableWidget *table, int row, int column)
{
    QTableWidgetItem *item = table->item(row, column);
    return item ? item->data(Qt::DisplayRole).toInt() : 0;
}

void SetCellValue(QTableWidget *table, int row, int column, int value)
{
    QTableWidgetItem *item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }
    item->setData(Qt::DisplayRole, value);
}

} // namespace

int SetTableCellVal(int panel, int control, UiPoint cell, int value)
{
    TableWidget *table = nullptr;
    int status = LookupTable(panel, control, &table);
    if (status < 0)
        return status;
    if (!CellInside(table, cell) || value < -32768 || value > 32767)
        return UIE_INVALID_VALUE;
    QSignalBlocker blocker(table);
    SetCellValue(table, cell.y - 1, cell.x - 1, value);
    return UIE_OK;
}

int GetTableCellVal(int panel, int control, UiPoint cell, int *value)
{
    TableWidget *table = nullptr;
    int status = LookupTable(panel, control, &table);
    if (status < 0)
        return status;
    if (!CellInside(table, cell) || !value)
        return UIE_INVALID_VALUE;
    *value = CellValue(table, cell.y - 1, cell.x - 1);
    return UIE_OK;
}

int GetActiveTableCell(int panel, int control, UiPoint *cell)
{
    TableWidget *table = nullptr;
    int status = LookupTable(panel, control, &table);
    if (status < 0)
        return status;
    if (!cell)
        return UIE_INVALID_VALUE;
    // A table always has an active cell; before the operator picks one it is the first.
    *cell = MakePoint(std::max(0, table->currentColumn()) + 1, std::max(0, table->currentRow()) + 1);
    return UIE_OK;
}

int SetActiveTableCell(int panel, int control, UiPoint cell)
{
    TableWidget *table = nullptr;
    int status = LookupTable(panel, control, &table);
    if (status < 0)
        return status;
    if (!CellInside(table, cell))
        return UIE_INVALID_VALUE;
    QSignalBlocker blocker(table);
    table->setCurrentCell(cell.y - 1, cell.x - 1);
    return UIE_OK;
}

int SetTableSelection(int panel, int control, UiRect range)
{
    TableWidget *table = nullptr;
    int status = LookupTable(panel, control, &table);
    if (status < 0)
        return status;
    QSignalBlocker blocker(table);
    table->clearSelection();
    if (range.height == 0 || range.width == 0)
        return UIE_OK;
    CellSpan span;
    if (!ResolveRange(table, range, &span))
        return UIE_INVALID_VALUE;
    QTableWidgetSelectionRange selection(span.firstRow, span.firstColumn, span.firstRow + span.rows - 1,
                                         span.firstColumn + span.columns - 1);
    table->setRangeSelected(selection, true);
    return UIE_OK;
}

int GetTableSelection(int panel, int control, UiRect *range)
{
    TableWidget *table = nullptr;
    int status = LookupTable(panel, control, &table);
    if (status < 0)
        return status;
    if (!range)
        return UIE_INVALID_VALUE;
    QList<QTableWidgetSelectionRange> ranges = table->selectedRanges();
    if (ranges.isEmpty()) {
        *range = MakeRect(0, 0, 0, 0);
        return UIE_OK;
    }
    const QTableWidgetSelectionRange &first = ranges.first();
    *range = MakeRect(first.topRow() + 1, first.leftColumn() + 1, first.rowCount(), first.columnCount());
    return UIE_OK;
}

int GetTableCellRangeVals(int panel, int control, UiRect range, short *values, int order)
{
    TableWidget *table = nullptr;
    int status = LookupTable(panel, control, &table);
    if (status < 0)
        return status;
    CellSpan span;
    if (!values || !ResolveRange(table, range, &span))
        return UIE_INVALID_VALUE;
    ForEachCell(span, order, [table, values](int row, int column, int index) {
        values[index] = static_cast<short>(CellValue(table, row, column));
    });
    return UIE_OK;
}

int SetTableCellRangeVals(int panel, int control, UiRect range, const short *values, int order)
{
    TableWidget *table = nullptr;
    int status = LookupTable(panel, control, &table);
    if (status < 0)
        return status;
    CellSpan span;
    if (!values || !ResolveRange(table, range, &span))
        return UIE_INVALID_VALUE;
    QSignalBlocker blocker(table);
    ForEachCell(span, order, [table, values](int row, int column, int index) {
        SetCellValue(table, row, column, values[index]);
    });
    return UIE_OK;
}

int GetNumTableRows(int panel, int control, int *rows)
{
    TableWidget *table = nullptr;
    int status = LookupTable(panel, control, &table);
    if (status < 0)
        return status;
    if (!rows)
        return UIE_INVALID_VALUE;
    *rows = table->rowCount();
    return UIE_OK;
}

int HideBuiltInCtrlMenuItem(int panel, int control, int item)
{
    TableWidget *table = nullptr;
    int status = LookupTable(panel, control, &table);
    if (status < 0)
        return status;
    if (item < VAL_SORT || item > VAL_CHART)
        return UIE_INVALID_VALUE;
    FindCtrl(panel, control)->hiddenMenuItems.insert(item);
    return UIE_OK;
}

namespace
{

int LookupColumn(int panel, int control, int column, int attribute, TableWidget **table)
{
    int status = LookupTable(panel, control, table);
    if (status < 0)
        return status;
    if (attribute != ATTR_LABEL_TEXT)
        return UIE_INVALID_ATTRIBUTE;
    return column >= 1 && column <= (*table)->columnCount() ? UIE_OK : UIE_INVALID_VALUE;
}

} // namespace

int SetTableColumnAttribute(int panel, int control, int column, int attribute, const char *value)
{
    TableWidget *table = nullptr;
    int status = LookupColumn(panel, control, column, attribute, &table);
    if (status < 0)
        return status;
    if (!value)
        return UIE_INVALID_VALUE;
    table->setHorizontalHeaderItem(column - 1, new QTableWidgetItem(QString::fromUtf8(value)));
    return UIE_OK;
}

int GetTableColumnAttribute(int panel, int control, int column, int attribute, char *value, int size)
{
    TableWidget *table = nullptr;
    int status = LookupColumn(panel, control, column, attribute, &table);
    if (status < 0)
        return status;
    QTableWidgetItem *header = table->horizontalHeaderItem(column - 1);
    return CopyTextOut(header ? header->text() : QString(), value, size);
}
