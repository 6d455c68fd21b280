// The main panel: the top strip (program title, parameter transfer, live data,
// logo) and the main tab control with its seven pages. The four child panels take
// the area right of the tab control; start-up places them there.
#include "app/dimming.h"
#include "panels/decor_ids.h"
#include "panels/panel_layout.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"

namespace
{

// Top strip: start-up writes the program title at left 15, top 18 in 20 points,
// so the strip's controls begin right of it.
constexpr int kStripFrameTop = kLabelHeight;
constexpr int kStripFrameHeight = 42;
constexpr int kStripButtonTop = 23;
constexpr int kStripButtonWidth = 64;
constexpr int kStripButtonHeight = 28;
constexpr int kStripPitch = 68;
constexpr int kTransferLeft = 385;
constexpr int kTransferWidth = 358;
constexpr int kMemoryLeft = kTransferLeft + 6 + 2 * kStripPitch + 10;
constexpr int kLiveLeft = kTransferLeft + kTransferWidth + 6;
constexpr int kLiveWidth = 140;

// The logo sits on a white backdrop in the top right corner.
constexpr int kLogoTop = 5;
constexpr int kLogoLeft = 900;
constexpr int kLogoWidth = 105;
constexpr int kLogoHeight = 52;

// The main tab control left of the child panel area. Its page labels are short so
// that the six pages an operator normally sees fit the tab bar without scrolling.
constexpr int kTabTop = 63;
constexpr int kTabLeft = 5;
constexpr int kTabWidth = 372;
constexpr int kTabHeight = 617;

CtrlDef StripButton(int id, const std::string &label, int left, CtrlCallbackPtr cb)
{
    return CommandButton(id, label, kStripButtonTop, left, kStripButtonWidth, kStripButtonHeight, cb);
}

CtrlDef MemoryButton(int id, const std::string &label, int index)
{
    return ToggleButton(id, label, kStripButtonTop, kMemoryLeft + index * kStripPitch, kStripButtonWidth,
                        kStripButtonHeight, CBF_ButtonSelectMem);
}

void AddTransferGroup(std::vector<CtrlDef> &c)
{
    c.push_back(GroupHeading(HEAD_MAIN_TRANSFER, "PARAMETER TRANSFER", 0, kTransferLeft, kTransferWidth));
    c.push_back(Decoration(DECO_MAIN_TRANSFER, kStripFrameTop, kTransferLeft, kTransferWidth,
                           kStripFrameHeight, nullptr)
                    .Name("PARAMETER TRANSFER"));
    c.push_back(StripButton(MAINP_SEND, "SEND", kTransferLeft + 6, CBF_ButtonSend).Shortcut("F9"));
    c.push_back(
        StripButton(MAINP_GET, "GET", kTransferLeft + 6 + kStripPitch, CBF_ButtonGet).Shortcut("F10"));
    // Where SEND goes and GET comes from: exactly one is on, RAM at start.
    c.push_back(MemoryButton(MAINP_RAM, "RAM", 0).On());
    c.push_back(MemoryButton(MAINP_EEPROM, "EEPROM", 1));
    c.push_back(MemoryButton(MAINP_FILE, "FILE", 2));
}

void AddLiveGroup(std::vector<CtrlDef> &c)
{
    c.push_back(GroupHeading(HEAD_MAIN_LIVE, "LIVE DATA", 0, kLiveLeft, kLiveWidth));
    c.push_back(Decoration(DECO_MAIN_LIVE, kStripFrameTop, kLiveLeft, kLiveWidth, kStripFrameHeight, nullptr)
                    .Name("LIVE DATA"));
    c.push_back(StripButton(MAINP_GO, "GO", kLiveLeft + 6, CBF_ButtonGo).Shortcut("F11"));
    c.push_back(
        StripButton(MAINP_STOP, "STOP", kLiveLeft + 6 + kStripPitch - 2, CBF_ButtonStop).Shortcut("F12"));
}

void AddLogo(std::vector<CtrlDef> &c)
{
    c.push_back(Decoration(MAINP_LOGO_BACKDROP, kLogoTop - 3, kLogoLeft - 5, kLogoWidth + 10, kLogoHeight + 6,
                           nullptr)
                    .Name("logo backdrop"));
    // Start-up loads the bitmap and shows the picture.
    c.push_back(Picture(MAINP_LOGO, kLogoTop, kLogoLeft, kLogoWidth, kLogoHeight)
                    .Text("logoORV.bmp")
                    .Name("logo")
                    .Hidden());
}

} // namespace

// SEND and GET stay usable during live polling and offline (parameter files); GO needs
// the link.
const DimEntry kMainPanelDimsEntries[] = {
    {MAINP_RAM, DIM_TRANSFER},
    {MAINP_EEPROM, DIM_TRANSFER},
    {MAINP_FILE, DIM_TRANSFER},
    {MAINP_SEND, DIM_TRANSFER | DIM_OFFLINE_USABLE},
    {MAINP_GET, DIM_TRANSFER | DIM_OFFLINE_USABLE},
    {MAINP_GO, DIM_NEEDS_LINK},
};

DimTable MainPanelDims()
{
    return DimTable{DIM_MAIN_PANEL, kMainPanelDimsEntries, 6};
}

PanelDef MainPanelDef()
{
    PanelDef panel;
    panel.index = MAINP;
    panel.name = "MAINP";
    panel.title = "CHROMIX1 Scope V3.1";
    panel.width = kMainWidth;
    panel.height = kMainHeight;
    panel.callback = CBF_MAINP;
    AddTransferGroup(panel.controls);
    AddLiveGroup(panel.controls);
    AddLogo(panel.controls);
    panel.controls.push_back(
        Tab(MAINP_TAB, kTabTop, kTabLeft, kTabWidth, kTabHeight, CBF_TabMain1,
            {ConnectionPageDef(), ParametersIPageDef(), ParametersIIPageDef(), ConversionTablePageDef(),
             RecorderPageDef(), ScopePageDef(), OffsetPageDef()})
            .Name("main tab"));
    return panel;
}
