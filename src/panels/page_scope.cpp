// Main tab page 5: trigger settings, the sensor's cycle time, starting and breaking
// a scan, and the printed report with its comment. The traces themselves are drawn
// on the scope panel beside the tab control.
#include "app/dimming.h"
#include "panels/decor_ids.h"
#include "panels/panel_layout.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"

namespace
{

constexpr int kTriggerTop = 4;
constexpr int kCycleTop = NextGroupTop(kTriggerTop, 2);
constexpr int kScanTop = NextGroupTop(kCycleTop, 2);
constexpr int kReportTop = NextGroupTop(kScanTop, 1);
constexpr int kReportRows = 5;
constexpr int kCommentHeight = 164;

const std::vector<std::pair<std::string, int>> kTriggerModeItems = {
    {"SINGLE SHOT", 0}, {"RISING EDGE", 1}, {"FALLING EDGE", 2}, {"INTERNAL OUT0", 3}, {"EXTERNAL IN0", 4}};

void AddTriggerGroup(std::vector<CtrlDef> &c)
{
    const int t = kTriggerTop;
    AddGroup(c, DECO_SCOPE_TRIGGER, HEAD_SCOPE_TRIGGER, "TRIGGER", t, kFrameLeft1, kFrameFullWidth, 2);
    // A rising edge through the initial level is the trigger mode whose level and
    // pre-trigger fields are both in use, so the page starts consistent.
    c.push_back(Ring(TABSCOPE_TRIGMODE, "TRIGGER MODE", FieldTop(t, 0), kColumn1, kColumnWidth,
                     CBF_EditTriggerMode, kTriggerModeItems)
                    .Initial(1));
    c.push_back(Numeric(TABSCOPE_TRIGLEVEL, "TRIGGER LEVEL", FieldTop(t, 0), kColumn2, kColumnWidth,
                        CBF_EditTriggerLevel)
                    .Range(0, 4095)
                    .Initial(2000));
    c.push_back(
        Numeric(TABSCOPE_PRETRIG, "PRE TRIGGER", FieldTop(t, 1), kColumn1, kColumnWidth, CBF_EditPreTrigVal)
            .Range(0, 127)
            .Initial(20));
    c.push_back(
        Numeric(TABSCOPE_SCANRATE, "SCAN RATE", FieldTop(t, 1), kColumn2, kColumnWidth, CBF_EditScanRate)
            .Range(1, 65535)
            .Initial(1));
}

void AddCycleGroup(std::vector<CtrlDef> &c)
{
    const int t = kCycleTop;
    AddGroup(c, DECO_SCOPE_CYCLE, HEAD_SCOPE_CYCLE, "SENSOR CYCLE", t, kFrameLeft1, kFrameFullWidth, 2);
    c.push_back(Numeric(TABSCOPE_SCANFREQ, "SCAN FREQUENCY [Hz]", FieldTop(t, 0), kColumn1, kColumnWidth,
                        CBF_DispScanFreq)
                    .Double()
                    .Range(0.0, 1.0e9)
                    .Precision(2)
                    .Indicator());
    c.push_back(Numeric(TABSCOPE_CYCLETIME, "CYCLE TIME [ms]", FieldTop(t, 0), kColumn2, kColumnWidth,
                        CBF_DispScanFreq)
                    .Double()
                    .Range(0.0, 1.0e9)
                    .Precision(3)
                    .Indicator());
    c.push_back(CommandButton(TABSCOPE_GETCYCLE, "GET CYCLE TIME", ButtonTop(t, 1), kColumn1, kColumnWidth,
                              kButtonHeight, CBF_ButtonGetCycleTime));
}

void AddScanGroup(std::vector<CtrlDef> &c)
{
    const int t = kScanTop;
    AddGroup(c, DECO_SCOPE_SCAN, HEAD_SCOPE_SCAN, "SCAN", t, kFrameLeft1, kFrameFullWidth, 1);
    c.push_back(CommandButton(TABSCOPE_SCAN, "SCAN", ButtonTop(t, 0), kColumn1, kColumnWidth, kButtonHeight,
                              CBF_ButtonScan));
    c.push_back(CommandButton(TABSCOPE_BREAK, "BREAK", ButtonTop(t, 0), kColumn2, kColumnWidth, kButtonHeight,
                              CBF_ButtonBreakScan));
}

void AddReportGroup(std::vector<CtrlDef> &c)
{
    const int t = kReportTop;
    AddGroup(c, DECO_SCOPE_REPORT, HEAD_SCOPE_REPORT, "REPORT", t, kFrameLeft1, kFrameFullWidth, kReportRows);
    c.push_back(TextBox(TABSCOPE_COMMENT, "COMMENT", FieldTop(t, 0), kColumn1, kWideWidth, kCommentHeight,
                        CBF_EditScopeComment));
    c.push_back(CommandButton(TABSCOPE_PRINT, "PRINT", ButtonTop(t, kReportRows - 1), kColumn2, kColumnWidth,
                              kButtonHeight, CBF_ButtonPrintScopeGraph));
}

} // namespace

// Cycle time, scan and break exchange frames with the sensor.
const DimEntry kScopePageDimsEntries[] = {
    {TABSCOPE_GETCYCLE, DIM_NEEDS_LINK},
    {TABSCOPE_SCAN, DIM_NEEDS_LINK},
    {TABSCOPE_BREAK, DIM_NEEDS_LINK},
};

DimTable ScopePageDims()
{
    return DimTable{PAGE_SCOPE, kScopePageDimsEntries, 3};
}

PageDef ScopePageDef()
{
    PageDef page;
    page.label = "Scope";
    AddTriggerGroup(page.controls);
    AddCycleGroup(page.controls);
    AddScanGroup(page.controls);
    AddReportGroup(page.controls);
    return page;
}
