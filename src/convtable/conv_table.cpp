// The table control of the conversion table page: reset, reading and writing all
// cells, checking typed cells, assigning the live signal.
#include "convtable/conv_table.h"

#include "app/app_state.h"
#include "app/language.h"
#include "convtable/conv_texts.h"
#include "live/live_state.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cstdio>
#include <string>

ConvTableState g_conv;

namespace
{

constexpr int kFirstRow = 1;
constexpr int kLastRow = kConvRows;

int TablePage()
{
    return g_app.mainPages[PAGE_CONVERSION_TABLE];
}

int CellIndex(int row, int column)
{
    return (row - 1) * kConvColumns + (column - 1);
}

UiRect WholeTable()
{
    return MakeRect(1, 1, kConvRows, kConvColumns);
}

int FixedActualValue(int row)
{
    return row == kFirstRow ? 0 : kConvMaxActual;
}

bool IsFixedRow(int row)
{
    return row == kFirstRow || row == kLastRow;
}

bool TypedActualValueAllowed(int row, int value)
{
    if (IsFixedRow(row))
        return value == FixedActualValue(row);
    return value == kConvDisabled || (value >= 0 && value <= kConvMaxActual);
}

} // namespace

void ResetConvTableState(void)
{
    g_conv = ConvTableState{};
}

void ReadConvTableCells(short cells[kConvCells])
{
    GetTableCellRangeVals(TablePage(), TABCONV_TABLE, WholeTable(), cells, VAL_ROW_MAJOR);
}

void WriteConvTableCells(const short cells[kConvCells])
{
    for (int i = 0; i < kConvCells; ++i)
        g_conv.accepted[i] = cells[i];
    g_conv.accepted[CellIndex(kFirstRow, kConvColumnActual)] = (short)FixedActualValue(kFirstRow);
    g_conv.accepted[CellIndex(kLastRow, kConvColumnActual)] = (short)FixedActualValue(kLastRow);
    SetTableCellRangeVals(TablePage(), TABCONV_TABLE, WholeTable(), g_conv.accepted, VAL_ROW_MAJOR);
}

void TellLoadedActualValues(const short cells[kConvCells])
{
    std::string rows;
    for (int row = kFirstRow + 1; row < kLastRow; ++row)
        if (cells[CellIndex(row, kConvColumnActual)] > kConvMaxActual)
            rows += (rows.empty() ? "" : ", ") + std::to_string(row);
    std::string message;
    char line[256];
    if (!rows.empty()) {
        std::snprintf(line, sizeof line, Tr(kTxtActualValuesUnusable), rows.c_str());
        message += line;
    }
    for (int row : {kFirstRow, kLastRow}) {
        int loaded = cells[CellIndex(row, kConvColumnActual)];
        if (loaded == FixedActualValue(row))
            continue;
        std::snprintf(line, sizeof line, Tr(kTxtFixedActualValueSet), row, FixedActualValue(row), loaded);
        message += (message.empty() ? "" : "\n") + std::string(line);
    }
    if (!message.empty())
        MessagePopup(Tr(kTxtInfoTitle), message.c_str());
}

void ResetConvTable(void)
{
    short cells[kConvCells];
    for (int i = 0; i < kConvCells; ++i)
        cells[i] = kConvDisabled;
    cells[CellIndex(kFirstRow, kConvColumnActual)] = 0;
    cells[CellIndex(kFirstRow, kConvColumnSet)] = 0;
    cells[CellIndex(kLastRow, kConvColumnSet)] = kConvResetTopSetValue;
    WriteConvTableCells(cells);
}

// The table has already taken the typed value; a refused one is replaced by the value
// the cell held before.
void CheckTypedConvCell(int row, int column)
{
    if (row < kFirstRow || row > kLastRow || column < 1 || column > kConvColumns)
        return;
    int value = 0;
    GetTableCellVal(TablePage(), TABCONV_TABLE, MakePoint(column, row), &value);
    int index = CellIndex(row, column);
    if (column == kConvColumnActual && !TypedActualValueAllowed(row, value)) {
        SetTableCellVal(TablePage(), TABCONV_TABLE, MakePoint(column, row), g_conv.accepted[index]);
        MessagePopup(Tr(kTxtInfoTitle), Tr(kTxtActualValueOutOfRange));
        return;
    }
    g_conv.accepted[index] = (short)value;
}

void AssignLiveSignal(void)
{
    UiPoint cell = MakePoint(0, 0);
    GetActiveTableCell(TablePage(), TABCONV_TABLE, &cell);
    if (cell.x != kConvColumnActual || cell.y <= kFirstRow || cell.y >= kLastRow) {
        MessagePopup(Tr(kTxtInfoTitle), Tr(kTxtWrongCellSelected));
        return;
    }
    // The value the operator sees: displays follow the frames at the screen's pace, so
    // the newest frame may not be on the screen yet.
    int shown = 0;
    GetCtrlVal(TablePage(), TABCONV_CURRENTVALUE, &shown);
    SetTableCellVal(TablePage(), TABCONV_TABLE, cell, shown);
    g_conv.accepted[CellIndex(cell.y, cell.x)] = (short)shown;
}

void ShowConvLiveSignal(void)
{
    SetCtrlVal(TablePage(), TABCONV_CURRENTVALUE, (int)g_live.frame.Sig);
}
