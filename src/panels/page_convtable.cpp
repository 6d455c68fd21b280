// Main tab page 3: the 64-row conversion table across the page, its actions in
// framed groups below it (edit, file, sensor EEPROM). The curve itself is drawn on
// the conversion panel beside the tab control.
#include "app/dimming.h"
#include "panels/decor_ids.h"
#include "panels/panel_layout.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"

namespace
{

constexpr int kTableTop = 4 + kLabelHeight;
constexpr int kTableHeight = 300;
constexpr int kEditTop = kTableTop + kTableHeight + 6;
constexpr int kFileTop = NextGroupTop(kEditTop, 2);
constexpr int kEepromTop = NextGroupTop(kFileTop, 1);

CtrlDef ActionButton(int id, const std::string &label, int groupTop, int row, int column, CtrlCallbackPtr cb)
{
    return CommandButton(id, label, ButtonTop(groupTop, row), column, kColumnWidth, kButtonHeight, cb);
}

void AddEditGroup(std::vector<CtrlDef> &c)
{
    const int t = kEditTop;
    AddGroup(c, DECO_CONV_EDIT, HEAD_CONV_EDIT, "EDIT", t, kFrameLeft1, kFrameFullWidth, 2);
    c.push_back(
        Numeric(TABCONV_CURRENTVALUE, "CURRENT VALUE", FieldTop(t, 0), kColumn1, kColumnWidth, nullptr)
            .Range(-32768, 32767)
            .Indicator());
    c.push_back(ActionButton(TABCONV_ASSIGN, "ASSIGN", t, 0, kColumn2, CBF_ButtonAssign));
    c.push_back(ActionButton(TABCONV_CALC, "CALCULATE", t, 1, kColumn1, CBF_ButtonCalcConvData));
    c.push_back(ActionButton(TABCONV_RESET, "RESET", t, 1, kColumn2, CBF_ButtonResetConvTable));
}

void AddFileGroup(std::vector<CtrlDef> &c)
{
    const int t = kFileTop;
    AddGroup(c, DECO_CONV_FILE, HEAD_CONV_FILE, "FILE", t, kFrameLeft1, kFrameFullWidth, 1);
    c.push_back(ActionButton(TABCONV_LOADFILE, "LOAD FILE", t, 0, kColumn1, CBF_ButtonGetConvTableFromFile));
    c.push_back(ActionButton(TABCONV_SAVEFILE, "SAVE FILE", t, 0, kColumn2, CBF_ButtonSaveConvTableToFile));
}

void AddEepromGroup(std::vector<CtrlDef> &c)
{
    const int t = kEepromTop;
    AddGroup(c, DECO_CONV_EEPROM, HEAD_CONV_EEPROM, "SENSOR EEPROM", t, kFrameLeft1, kFrameFullWidth, 1);
    c.push_back(ActionButton(TABCONV_GETEE, "READ EEPROM", t, 0, kColumn1, CBF_ButtonGetConvTableFromEE));
    c.push_back(ActionButton(TABCONV_SAVEEE, "SAVE EEPROM", t, 0, kColumn2, CBF_ButtonSaveConvTableToEE));
}

} // namespace

// Reading and writing the sensor's table need the link.
const DimEntry kConversionTablePageDimsEntries[] = {
    {TABCONV_GETEE, DIM_NEEDS_LINK},
    {TABCONV_SAVEEE, DIM_NEEDS_LINK},
};

DimTable ConversionTablePageDims()
{
    return DimTable{PAGE_CONVERSION_TABLE, kConversionTablePageDimsEntries, 2};
}

PageDef ConversionTablePageDef()
{
    PageDef page;
    page.label = "Table";
    page.controls.push_back(Table(TABCONV_TABLE, "CONVERSION TABLE", kTableTop, kFrameLeft1, kFrameFullWidth,
                                  kTableHeight, CBF_TableConv, 64, 2, {"ACTUAL VALUE", "SETVALUE"}));
    AddEditGroup(page.controls);
    AddFileGroup(page.controls);
    AddEepromGroup(page.controls);
    return page;
}
