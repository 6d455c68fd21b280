// Main tab page 1: transmitter, receiver, signal processing, channel offset and the
// outputs. Every parameter control starts at the parameter set's default value.
//
// The transmitter frame is the decoration whose right double click opens the
// password pop-up.
#include "panels/decor_ids.h"
#include "panels/panel_layout.h"
#include "panels/param_items.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"

namespace
{

constexpr int kTransmitterTop = 4;
constexpr int kColumnsTop = NextGroupTop(kTransmitterTop, 3);
constexpr int kLowerTop = NextGroupTop(kColumnsTop, 3);
constexpr int kDigitalTop = NextGroupTop(kLowerTop, 3);

// Controls that the default parameter set makes meaningless start dimmed, as the
// dependency rules would leave them.
void AddTransmitterGroup(std::vector<CtrlDef> &c)
{
    const int t = kTransmitterTop;
    c.push_back(GroupHeading(HEAD_PARA1_TRANSMITTER, "TRANSMITTER", t, kFrameLeft1, kFrameFullWidth));
    c.push_back(
        GroupFrame(TABPARA1_DECO, "TRANSMITTER", t, kFrameLeft1, kFrameFullWidth, 3).Callback(CBF_DecoPara));
    c.push_back(Slide(TABPARA1_POWER, "POWER", FieldTop(t, 0), kColumn1, kWideWidth, CBF_SlidePower)
                    .Range(0, 1000)
                    .Initial(500));
    c.push_back(Ring(TABPARA1_POWERMODE, "POWER MODE", FieldTop(t, 1), kColumn1, kColumnWidth, CBF_EditPmode,
                     kPowerModeItems)
                    .Initial(0));
    c.push_back(Ring(TABPARA1_LEDMODE, "LED MODE", FieldTop(t, 1), kColumn2, kColumnWidth, CBF_EditLedMode,
                     kLedModeItems)
                    .Initial(0));
    c.push_back(
        Numeric(TABPARA1_DYNWINLO, "DYNWIN LO", FieldTop(t, 2), kColumn1, kColumnWidth, CBF_EditDynWinLoHi)
            .Range(0, 4095)
            .Initial(3200)
            .Dimmed());
    c.push_back(
        Numeric(TABPARA1_DYNWINHI, "DYNWIN HI", FieldTop(t, 2), kColumn2, kColumnWidth, CBF_EditDynWinLoHi)
            .Range(0, 4095)
            .Initial(3300)
            .Dimmed());
}

void AddReceiverGroup(std::vector<CtrlDef> &c)
{
    const int t = kColumnsTop;
    AddGroup(c, DECO_PARA1_RECEIVER, HEAD_PARA1_RECEIVER, "RECEIVER", t, kFrameLeft1, kFrameHalfWidth, 3);
    c.push_back(Ring(TABPARA1_GAIN, "GAIN", FieldTop(t, 0), kColumn1, kColumnWidth, CBF_EditGain, kGainItems)
                    .Initial(5));
    c.push_back(Numeric(TABPARA1_AVERAGE, "AVERAGE", FieldTop(t, 1), kColumn1, kColumnWidth, CBF_EditAverage)
                    .Range(1, 1000)
                    .Initial(1));
    c.push_back(
        Numeric(TABPARA1_INTEGRAL, "INTEGRAL", FieldTop(t, 2), kColumn1, kColumnWidth, CBF_EditIntegral)
            .Range(0, 250)
            .Initial(1));
}

void AddProcessingGroup(std::vector<CtrlDef> &c)
{
    const int t = kColumnsTop;
    AddGroup(c, DECO_PARA1_PROCESSING, HEAD_PARA1_PROCESSING, "SIGNAL PROCESSING", t, kFrameLeft2,
             kFrameHalfWidth, 3);
    c.push_back(Ring(TABPARA1_OPMODE, "OPERATING MODE", FieldTop(t, 0), kColumn2, kColumnWidth,
                     CBF_EditOperatingMode, kOperatingModeItems)
                    .Initial(0));
    c.push_back(Numeric(TABPARA1_SENSITIVITY, "SENSITIVITY", FieldTop(t, 1), kColumn2, kColumnWidth,
                        CBF_EditSensitivity)
                    .Range(0, 65535)
                    .Initial(0)
                    .Dimmed());
    c.push_back(Numeric(TABPARA1_REFVALCH0, "REF VALUE CH0", FieldTop(t, 2), kColumn2, kColumnWidth,
                        CBF_EditRefValCh0)
                    .Range(0, 4095)
                    .Initial(2000)
                    .Dimmed());
}

void AddAnalogGroup(std::vector<CtrlDef> &c)
{
    const int t = kLowerTop;
    AddGroup(c, DECO_PARA1_ANALOG, HEAD_PARA1_ANALOG, "ANALOG OUTPUT", t, kFrameLeft1, kFrameHalfWidth, 3);
    c.push_back(Ring(TABPARA1_ANAOUTMODE, "ANALOG OUTMODE", FieldTop(t, 0), kColumn1, kColumnWidth,
                     CBF_EditAnaOutmode, kAnalogOutmodeItems)
                    .Initial(0));
    // Range and timing mean nothing while the analog output is off (the default).
    c.push_back(Ring(TABPARA1_ANARANGE, "ANALOG RANGE", FieldTop(t, 1), kColumn1, kColumnWidth,
                     CBF_EditAnaRange, kAnalogRangeItems)
                    .Initial(0)
                    .Hidden());
    c.push_back(Ring(TABPARA1_ANAOUT, "ANALOG OUT", FieldTop(t, 2), kColumn1, kColumnWidth, CBF_EditAnaOut,
                     kAnalogOutItems)
                    .Initial(0)
                    .Hidden());
}

void AddOffsetGroup(std::vector<CtrlDef> &c)
{
    const int t = kLowerTop;
    AddGroup(c, DECO_PARA1_OFFSET, HEAD_PARA1_OFFSET, "CHANNEL OFFSET", t, kFrameLeft2, kFrameHalfWidth, 3);
    c.push_back(Ring(TABPARA1_ADJCHOFFSET, "ADJ CHANNEL OFFSET", FieldTop(t, 0), kColumn2, kColumnWidth,
                     CBF_EditChannelOffset, kOffOnItems)
                    .Initial(0));
    c.push_back(Numeric(TABPARA1_CH0OFFSET, "CH0 OFFSET", FieldTop(t, 1), kColumn2, kColumnWidth,
                        CBF_EditChannelOffset)
                    .Range(0, 4095)
                    .Initial(0)
                    .Dimmed());
    c.push_back(CommandButton(TABPARA1_ASSIGNOFFSET, "ASSIGN OFFSET", ButtonTop(t, 2), kColumn2, kColumnWidth,
                              kButtonHeight, CBF_ButtonAssignAdjOffset)
                    .Dimmed());
}

void AddDigitalGroup(std::vector<CtrlDef> &c)
{
    const int t = kDigitalTop;
    AddGroup(c, DECO_PARA1_DIGITAL, HEAD_PARA1_DIGITAL, "DIGITAL OUTPUT", t, kFrameLeft1, kFrameFullWidth, 1);
    c.push_back(Ring(TABPARA1_DIGOUTMODE, "DIGITAL OUTMODE", FieldTop(t, 0), kColumn1, kColumnWidth,
                     CBF_EditDigOutmode, kDigitalOutmodeItems)
                    .Initial(1));
}

} // namespace

PageDef ParametersIPageDef()
{
    PageDef page;
    page.label = "Para I";
    AddTransmitterGroup(page.controls);
    AddReceiverGroup(page.controls);
    AddProcessingGroup(page.controls);
    AddAnalogGroup(page.controls);
    AddOffsetGroup(page.controls);
    AddDigitalGroup(page.controls);
    return page;
}
