#pragma once
// The grid every panel of the resource is laid out on, and the frames that group
// related controls under a small heading.
//
// A control's geometry is its body. Labelled controls (numerics, rings, strings,
// slides, text boxes, tables, graphs, strip charts) show their label in a strip of
// kLabelHeight pixels just above the body, LEDs theirs to the right; command and
// toggle buttons carry theirs as the caption. A group's heading is a text message
// in the same kind of strip above its frame.

#include "app/dimming.h"
#include "panels/ctrl_builders.h"
#include "ui/panel_defs.h"

#include <string>
#include <vector>

// Heights of the control bodies
constexpr int kLabelHeight = 16;
constexpr int kFieldHeight = 22;  // numerics, rings, strings
constexpr int kButtonHeight = 26; // command buttons in a field row
constexpr int kLedSize = 20;

// One row of a group: label strip, field, and a gap to the next row.
constexpr int kRowPitch = 44;

// Two-column grid of the main tab pages: fields of kColumnWidth start at
// kColumn1 and kColumn2; full-width fields span kWideWidth.
constexpr int kColumn1 = 16;
constexpr int kColumn2 = 194;
constexpr int kColumnWidth = 150;
constexpr int kWideWidth = 328;

// Group frames on the main tab pages: full width or one column of the grid.
constexpr int kFrameLeft1 = 6;
constexpr int kFrameLeft2 = 184;
constexpr int kFrameFullWidth = 348;
constexpr int kFrameHalfWidth = 170;

// Usable area of a main tab page and of a page of the data panel's tab control
constexpr int kMainPageWidth = 360;
constexpr int kMainPageHeight = 580;
constexpr int kDataPageWidth = 596;
constexpr int kDataPageHeight = 300;

// Main panel and the shared area of its four child panels
constexpr int kMainWidth = 1014;
constexpr int kMainHeight = 690;
constexpr int kChildWidth = 620;
constexpr int kChildHeight = 615;

// Vertical positions inside a group whose heading strip starts at `groupTop`: the
// frame follows the heading, then rows of label strip and field on kRowPitch.
constexpr int kFramePadding = 6;
constexpr int FrameTop(int groupTop)
{
    return groupTop + kLabelHeight;
}
// Field of row `row` (0-based)
constexpr int FieldTop(int groupTop, int row)
{
    return FrameTop(groupTop) + kFramePadding + kLabelHeight + row * kRowPitch;
}
// A command button centred on that row's field
constexpr int ButtonTop(int groupTop, int row)
{
    return FieldTop(groupTop, row) - (kButtonHeight - kFieldHeight) / 2;
}
constexpr int GroupHeight(int rows)
{
    return kFramePadding + rows * kRowPitch;
}
constexpr int NextGroupTop(int groupTop, int rows)
{
    return FrameTop(groupTop) + GroupHeight(rows) + kFramePadding;
}

// A group: its heading in the strip at `groupTop`, then its frame of `rows` rows.
CtrlDef GroupFrame(int id, const std::string &name, int groupTop, int left, int width, int rows);
CtrlDef GroupHeading(int id, const std::string &heading, int groupTop, int left, int width);
void AddGroup(std::vector<CtrlDef> &controls, int frameId, int headingId, const std::string &heading,
              int groupTop, int left, int width, int rows);

// Main tab pages (page_*.cpp)
PageDef ConnectionPageDef();
PageDef ParametersIPageDef();
PageDef ParametersIIPageDef();
PageDef ConversionTablePageDef();
PageDef RecorderPageDef();
PageDef ScopePageDef();
PageDef OffsetPageDef();

// The dimming roles of each page's and panel's controls that need the sensor (beside
// their definitions)
DimTable ConnectionPageDims();
DimTable MainPanelDims();
DimTable RecorderPageDims();
DimTable OffsetPageDims();
DimTable ScopePageDims();
DimTable ConversionTablePageDims();
DimTable ConversionPanelDims();

// The six panels (*_panel_def.cpp)
PanelDef ConvPanelDef();
PanelDef DataPanelDef();
PanelDef GraphPanelDef();
PanelDef MainPanelDef();
PanelDef PasswordPanelDef();
PanelDef ScopePanelDef();
