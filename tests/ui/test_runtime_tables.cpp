#include "support/event_recorder.h"
#include "support/ui_actions.h"
#include "ui/panel_loader.h"
#include "ui/table_widget.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

enum { TABLE = 1 };

class RuntimeTables : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        CtrlDef table = MakeCtrl(TABLE, CTRL_TABLE, "Conversion table", 30, 10, 300, 300);
        table.rows = 64;
        table.columns = 2;
        table.columnLabels = {"ACTUAL VALUE", "SET VALUE"};
        panel = LoadPanelFromDef(0, MakePanelDef("Tables", {table}));
        ASSERT_GT(panel, 0);
        ASSERT_TRUE(ShowAndActivate(panel));
        ClearRecordedEvents();
    }
    void TearDown() override
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        DiscardPanel(panel);
    }
    int Cell(int column, int row)
    {
        int value = -99999;
        EXPECT_EQ(GetTableCellVal(panel, TABLE, MakePoint(column, row), &value), 0);
        return value;
    }
    int panel = 0;
};

TEST_F(RuntimeTables, CellsHoldSigned16BitValues)
{
    int rows = 0;
    GetNumTableRows(panel, TABLE, &rows);
    EXPECT_EQ(rows, 64);
    EXPECT_EQ(Cell(2, 64), 0);
    EXPECT_EQ(SetTableCellVal(panel, TABLE, MakePoint(1, 64), 4095), 0);
    EXPECT_EQ(SetTableCellVal(panel, TABLE, MakePoint(2, 64), -32768), 0);
    EXPECT_EQ(Cell(1, 64), 4095);
    EXPECT_EQ(Cell(2, 64), -32768);
    EXPECT_LT(SetTableCellVal(panel, TABLE, MakePoint(2, 64), 32768), 0);
    EXPECT_LT(SetTableCellVal(panel, TABLE, MakePoint(3, 1), 1), 0);
    EXPECT_LT(SetTableCellVal(panel, TABLE, MakePoint(1, 65), 1), 0);
    EXPECT_LT(SetTableCellVal(panel, TABLE, MakePoint(0, 1), 1), 0);
    EXPECT_EQ(Cell(2, 64), -32768);
    EXPECT_TRUE(RecordedEvents().empty());
}

TEST_F(RuntimeTables, RangesInRowAndColumnOrder)
{
    const short values[6] = {1, 2, 3, 4, 5, 6};
    ASSERT_EQ(SetTableCellRangeVals(panel, TABLE, MakeRect(2, 1, 3, 2), values, VAL_ROW_MAJOR), 0);
    EXPECT_EQ(Cell(1, 2), 1);
    EXPECT_EQ(Cell(2, 2), 2);
    EXPECT_EQ(Cell(1, 3), 3);
    EXPECT_EQ(Cell(2, 4), 6);
    short read[6] = {};
    ASSERT_EQ(GetTableCellRangeVals(panel, TABLE, MakeRect(2, 1, 3, 2), read, VAL_COLUMN_MAJOR), 0);
    EXPECT_EQ(std::vector<short>(read, read + 6), (std::vector<short>{1, 3, 5, 2, 4, 6}));

    ASSERT_EQ(SetTableCellRangeVals(panel, TABLE, MakeRect(2, 1, 3, 2), values, VAL_COLUMN_MAJOR), 0);
    EXPECT_EQ(Cell(1, 2), 1);
    EXPECT_EQ(Cell(1, 3), 2);
    EXPECT_EQ(Cell(2, 2), 4);

    std::vector<short> column(64, 0);
    ASSERT_EQ(
        GetTableCellRangeVals(panel, TABLE, MakeRect(1, 2, VAL_TO_EDGE, 1), column.data(), VAL_ROW_MAJOR), 0);
    EXPECT_EQ(column[1], 4);
    EXPECT_EQ(column[3], 6);
    EXPECT_LT(GetTableCellRangeVals(panel, TABLE, MakeRect(60, 1, 10, 2), read, VAL_ROW_MAJOR), 0);
    EXPECT_LT(GetTableCellRangeVals(panel, TABLE, MakeRect(1, 1, 1, 3), read, VAL_ROW_MAJOR), 0);
    EXPECT_LT(GetTableCellRangeVals(panel, TABLE, MakeRect(1, 1, 1, 1), nullptr, VAL_ROW_MAJOR), 0);
}

TEST_F(RuntimeTables, ActiveCellAndSelection)
{
    UiPoint cell{};
    GetActiveTableCell(panel, TABLE, &cell);
    EXPECT_EQ(cell.x, 1);
    EXPECT_EQ(cell.y, 1);
    SetActiveTableCell(panel, TABLE, MakePoint(1, 5));
    GetActiveTableCell(panel, TABLE, &cell);
    EXPECT_EQ(cell.x, 1);
    EXPECT_EQ(cell.y, 5);

    ASSERT_EQ(SetTableSelection(panel, TABLE, MakeRect(7, 1, 1, VAL_TO_EDGE)), 0);
    UiRect range{};
    GetTableSelection(panel, TABLE, &range);
    EXPECT_EQ(range.top, 7);
    EXPECT_EQ(range.left, 1);
    EXPECT_EQ(range.height, 1);
    EXPECT_EQ(range.width, 2);
    SetTableSelection(panel, TABLE, MakeRect(0, 0, 0, 0));
    GetTableSelection(panel, TABLE, &range);
    EXPECT_EQ(range.height, 0);

    // The operator's click makes a cell active.
    EditTableCell(panel, TABLE, 9, 2, "7");
    GetActiveTableCell(panel, TABLE, &cell);
    EXPECT_EQ(cell.x, 2);
    EXPECT_EQ(cell.y, 9);
}

TEST_F(RuntimeTables, OperatorEditsAreCheckedAndCommitted)
{
    SetTableCellVal(panel, TABLE, MakePoint(1, 3), 100);
    EditTableCell(panel, TABLE, 3, 1, "2000");
    ProcessSystemEvents();
    EXPECT_EQ(Cell(1, 3), 2000);
    ASSERT_EQ(CountEvents(TABLE, EVENT_COMMIT), 1);
    EXPECT_EQ(RecordedEvents().back().data1, 3);
    EXPECT_EQ(RecordedEvents().back().data2, 1);

    for (const char *refused : {"40000", "-32769", "abc", "12.5", ""}) {
        EditTableCell(panel, TABLE, 3, 1, refused);
        ProcessSystemEvents();
        EXPECT_EQ(Cell(1, 3), 2000) << refused;
    }
    EditTableCell(panel, TABLE, 3, 1, "-1");
    ProcessSystemEvents();
    EXPECT_EQ(Cell(1, 3), -1);
    EXPECT_EQ(CountEvents(TABLE, EVENT_COMMIT), 2);
}

TEST_F(RuntimeTables, RightClickRaisesTheEventThenTheTablesOwnMenu)
{
    RightClick(panel, TABLE);
    EXPECT_EQ(EventsOf(TABLE), std::vector<int>{EVENT_RIGHT_CLICK});
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().size(), 4);
    menu->close();

    auto *table = qobject_cast<TableWidget *>(CtrlWidget(panel, TABLE));
    HideBuiltInCtrlMenuItem(panel, TABLE, VAL_SORT);
    HideBuiltInCtrlMenuItem(panel, TABLE, VAL_EXPAND);
    EXPECT_EQ(table->offeredMenuItems(), (std::vector<int>{VAL_GOTO, VAL_SEARCH}));
    HideBuiltInCtrlMenuItem(panel, TABLE, VAL_GOTO);
    HideBuiltInCtrlMenuItem(panel, TABLE, VAL_SEARCH);
    EXPECT_LT(HideBuiltInCtrlMenuItem(panel, TABLE, 77), 0);

    ClearRecordedEvents();
    RightClick(panel, TABLE);
    EXPECT_EQ(EventsOf(TABLE), std::vector<int>{EVENT_RIGHT_CLICK});
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

} // namespace
