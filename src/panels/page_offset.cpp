// Main tab page 6, unlocked by password: the instruction, the receiver offset with
// its read, calculate and send buttons, the settling-time factor and its send
// button, and the page's close button. Rows follow the order of work: read or
// calculate, check or edit, send.
#include "app/dimming.h"
#include "panels/decor_ids.h"
#include "panels/panel_layout.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"

namespace
{

constexpr int kInstructionTop = 8;
constexpr int kInstructionHeight = 120;
constexpr int kOffsetTop = kInstructionTop + kInstructionHeight + 8;
constexpr int kFactorTop = NextGroupTop(kOffsetTop, 2);
constexpr int kCloseTop = NextGroupTop(kFactorTop, 1) + 8;

void AddOffsetGroup(std::vector<CtrlDef> &c)
{
    const int t = kOffsetTop;
    AddGroup(c, DECO_OFFSET_OFFSET, HEAD_OFFSET_OFFSET, "RECEIVER OFFSET", t, kFrameLeft1, kFrameFullWidth,
             2);
    c.push_back(CommandButton(TABOFFSET_GETOFFSET, "READ OFFSET", ButtonTop(t, 0), kColumn1, kColumnWidth,
                              kButtonHeight, CBF_ButtonGetOffset));
    c.push_back(CommandButton(TABOFFSET_CALCOFFSET, "CALCULATE OFFSET", ButtonTop(t, 0), kColumn2,
                              kColumnWidth, kButtonHeight, CBF_ButtonCalcOffset));
    c.push_back(Numeric(TABOFFSET_OFFSETVAL, "OFFSET VALUE", FieldTop(t, 1), kColumn1, kColumnWidth,
                        CBF_EditOffsetVal)
                    .Range(0, 65535));
    c.push_back(CommandButton(TABOFFSET_SENDOFFSET, "SEND OFFSET", ButtonTop(t, 1), kColumn2, kColumnWidth,
                              kButtonHeight, CBF_ButtonSendOffset));
}

void AddFactorGroup(std::vector<CtrlDef> &c)
{
    const int t = kFactorTop;
    AddGroup(c, DECO_OFFSET_FACTOR, HEAD_OFFSET_FACTOR, "SETTLING TIME", t, kFrameLeft1, kFrameFullWidth, 1);
    // The sensor takes the factor in tenths as a 16-bit value: 6553.5 is the most
    // that fits.
    c.push_back(Numeric(TABOFFSET_FACTOR, "SETTLING TIME FACTOR", FieldTop(t, 0), kColumn1, kColumnWidth,
                        CBF_EditSettingTimeFactor)
                    .Double()
                    .Range(0.0, 6553.5)
                    .Precision(1)
                    .KeepTypedDigits()
                    .Increment(0.1)
                    .Initial(1.0));
    c.push_back(CommandButton(TABOFFSET_SENDFACTOR, "SEND FACTOR", ButtonTop(t, 0), kColumn2, kColumnWidth,
                              kButtonHeight, CBF_ButtonSendSettingTimeFactor));
}

} // namespace

// Every button of the page exchanges frames with the sensor.
const DimEntry kOffsetPageDimsEntries[] = {
    {TABOFFSET_GETOFFSET, DIM_NEEDS_LINK},
    {TABOFFSET_CALCOFFSET, DIM_NEEDS_LINK},
    {TABOFFSET_SENDOFFSET, DIM_NEEDS_LINK},
    {TABOFFSET_SENDFACTOR, DIM_NEEDS_LINK},
};

DimTable OffsetPageDims()
{
    return DimTable{PAGE_OFFSET, kOffsetPageDimsEntries, 4};
}

PageDef OffsetPageDef()
{
    PageDef page;
    page.label = "Offset";
    // The instruction text is set at start-up and on every language change.
    page.controls.push_back(
        TextMsg(TABOFFSET_INSTRUCTION, "", kInstructionTop, kColumn1 - 6, kWideWidth + 12, kInstructionHeight)
            .Name("instruction"));
    AddOffsetGroup(page.controls);
    AddFactorGroup(page.controls);
    page.controls.push_back(CommandButton(TABOFFSET_CLOSE, "CLOSE", kCloseTop, kColumn2, kColumnWidth,
                                          kButtonHeight, CBF_ButtonCloseOffsetCompensation));
    return page;
}
