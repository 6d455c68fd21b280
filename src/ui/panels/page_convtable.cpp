// Main tab page 3: the 64-row conversion table on the left, its actions in framed
// groups on the right (edit, file, sensor EEPROM). The curve itself is drawn on the
// conversion panel beside the tab control.
#include "ui/callbacks.h"
#include "ui/panel_ids.h"
#include "ui/panels/decor_ids.h"
#include "ui/panels/panel_layout.h"

namespace
{

constexpr int kTableWidth = 218;
constexpr int kActionFrameLeft = 232;
constexpr int kActionFrameWidth = 122;
constexpr int kActionLeft = 242;
constexpr int kActionWidth = 102;

constexpr int kEditTop = 4;
constexpr int kFileTop = NextGroupTop(kEditTop, 4);
constexpr int kEepromTop = NextGroupTop(kFileTop, 2);

CtrlDef ActionButton(int id, const std::string &label, int groupTop, int row, CtrlCallbackPtr cb)
{
    return CommandButton(id, label, ButtonTop(groupTop, row), kActionLeft, kActionWidth, kButtonHeight, cb);
}

void AddEditGroup(std::vector<CtrlDef> &c)
{
    const int t = kEditTop;
    AddGroup(c, DECO_CONV_EDIT, HEAD_CONV_EDIT, "EDIT", t, kActionFrameLeft, kActionFrameWidth, 4);
    c.push_back(
        Numeric(TABCONV_CURRENTVALUE, "CURRENT VALUE", FieldTop(t, 0), kActionLeft, kActionWidth, nullptr)
            .Range(-32768, 32767)
            .Indicator());
    c.push_back(ActionButton(TABCONV_ASSIGN, "ASSIGN", t, 1, CBF_ButtonAssign));
    c.push_back(ActionButton(TABCONV_CALC, "CALCULATE", t, 2, CBF_ButtonCalcConvData));
    c.push_back(ActionButton(TABCONV_RESET, "RESET", t, 3, CBF_ButtonResetConvTable));
}

void AddFileGroup(std::vector<CtrlDef> &c)
{
    const int t = kFileTop;
    AddGroup(c, DECO_CONV_FILE, HEAD_CONV_FILE, "FILE", t, kActionFrameLeft, kActionFrameWidth, 2);
    c.push_back(ActionButton(TABCONV_LOADFILE, "LOAD FILE", t, 0, CBF_ButtonGetConvTableFromFile));
    c.push_back(ActionButton(TABCONV_SAVEFILE, "SAVE FILE", t, 1, CBF_ButtonSaveConvTableToFile));
}

void AddEepromGroup(std::vector<CtrlDef> &c)
{
    const int t = kEepromTop;
    AddGroup(c, DECO_CONV_EEPROM, HEAD_CONV_EEPROM, "SENSOR EEPROM", t, kActionFrameLeft, kActionFrameWidth,
             2);
    c.push_back(ActionButton(TABCONV_GETEE, "READ EEPROM", t, 0, CBF_ButtonGetConvTableFromEE));
    c.push_back(ActionButton(TABCONV_SAVEEE, "SAVE EEPROM", t, 1, CBF_ButtonSaveConvTableToEE));
}

} // namespace

PageDef ConversionTablePage()
{
    PageDef page;
    page.label = "Conv. Table";
    page.controls.push_back(Table(TABCONV_TABLE, "CONVERSION TABLE", kEditTop + kLabelHeight, kFrameLeft1,
                                  kTableWidth, kMainPageHeight - kEditTop - kLabelHeight, nullptr, 64, 2,
                                  {"ACTUAL VALUE", "SETVALUE"}));
    AddEditGroup(page.controls);
    AddFileGroup(page.controls);
    AddEepromGroup(page.controls);
    return page;
}
