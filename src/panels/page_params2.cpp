// Main tab page 2: switching, threshold tracing and the two switching thresholds.
// Every parameter control starts at the parameter set's default value.
//
// The threshold 2 column (its frame, THRESHOLD CALC 2, TEACH VALUE 2 SIG,
// TOLERANCE 2, HYSTERESIS 2 and its TEACH button) is shown only with THRESHOLD
// MODE 2 TRSH; the default LOW hides it.
#include "panels/decor_ids.h"
#include "panels/panel_layout.h"
#include "panels/param_items.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"

namespace
{

constexpr int kSwitchingTop = 4;
constexpr int kTracingTop = NextGroupTop(kSwitchingTop, 2);
constexpr int kThresholdTop = NextGroupTop(kTracingTop, 2);
constexpr int kThresholdRows = 5;

// The controls of one switching threshold, in one column of the grid.
struct ThresholdIds {
    int frame, calc, teachValue, tolerance, hysteresis, teach;
    CtrlCallbackPtr teachCallback;
};

std::vector<CtrlDef> ThresholdGroup(const ThresholdIds &ids, const std::string &n, int frameLeft, int column)
{
    const int t = kThresholdTop;
    std::vector<CtrlDef> c;
    c.push_back(GroupFrame(ids.frame, "THRESHOLD " + n, t, frameLeft, kFrameHalfWidth, kThresholdRows));
    c.push_back(Ring(ids.calc, "THRESHOLD CALC " + n, FieldTop(t, 0), column, kColumnWidth, CBF_EditTrshCalc,
                     kThresholdCalcItems)
                    .Initial(1));
    c.push_back(Numeric(ids.teachValue, "TEACH VALUE " + n + " SIG", FieldTop(t, 1), column, kColumnWidth,
                        CBF_EditTeachValSig)
                    .Range(0, 4095)
                    .Initial(2000));
    c.push_back(
        Numeric(ids.tolerance, "TOLERANCE " + n, FieldTop(t, 2), column, kColumnWidth, CBF_EditTolerance)
            .Range(0, 4095)
            .Initial(20));
    c.push_back(
        Numeric(ids.hysteresis, "HYSTERESIS " + n, FieldTop(t, 3), column, kColumnWidth, CBF_EditHysteresis)
            .Range(0, 4095)
            .Initial(10));
    c.push_back(CommandButton(ids.teach, "TEACH", ButtonTop(t, 4), column, kColumnWidth, kButtonHeight,
                              ids.teachCallback)
                    .Name("TEACH " + n));
    return c;
}

void Append(std::vector<CtrlDef> &to, const std::vector<CtrlDef> &from)
{
    to.insert(to.end(), from.begin(), from.end());
}

void AddSwitchingGroup(std::vector<CtrlDef> &c)
{
    const int t = kSwitchingTop;
    AddGroup(c, DECO_PARA2_SWITCHING, HEAD_PARA2_SWITCHING, "SWITCHING", t, kFrameLeft1, kFrameFullWidth, 2);
    c.push_back(Ring(TABPARA2_THRMODE, "THRESHOLD MODE", FieldTop(t, 0), kColumn1, kColumnWidth,
                     CBF_EditThresholdMode, kThresholdModeItems)
                    .Initial(0));
    c.push_back(Ring(TABPARA2_EXTTEACH, "EXTERN TEACH", FieldTop(t, 0), kColumn2, kColumnWidth,
                     CBF_EditExtTeach, kExternTeachItems)
                    .Initial(0));
    // The parameter set keeps HOLD in tenths of a millisecond; the form shows ms.
    c.push_back(Numeric(TABPARA2_HOLD, "HOLD [ms]", FieldTop(t, 1), kColumn1, kColumnWidth, CBF_EditHold)
                    .Double()
                    .Range(0.0, 6553.5)
                    .Precision(1)
                    .Increment(0.1)
                    .Initial(10.0));
    c.push_back(
        Numeric(TABPARA2_DEADTIME, "DEAD TIME [%]", FieldTop(t, 1), kColumn2, kColumnWidth, CBF_EditDeadTime)
            .Range(0, 100)
            .Initial(0));
}

void AddTracingGroup(std::vector<CtrlDef> &c)
{
    const int t = kTracingTop;
    AddGroup(c, DECO_PARA2_TRACING, HEAD_PARA2_TRACING, "THRESHOLD TRACING", t, kFrameLeft1, kFrameFullWidth,
             2);
    c.push_back(Ring(TABPARA2_THRTRACING, "THRESHOLD TRACING", FieldTop(t, 0), kColumn1, kColumnWidth,
                     CBF_EditThresholdTracing, kThresholdTracingItems)
                    .Initial(0));
    c.push_back(
        Numeric(TABPARA2_TTUP, "TT UP", FieldTop(t, 1), kColumn1, kColumnWidth, CBF_EditThresholdTracingUP)
            .Range(0, 60000)
            .Initial(100)
            .Dimmed());
    c.push_back(Numeric(TABPARA2_TTDOWN, "TT DOWN", FieldTop(t, 1), kColumn2, kColumnWidth,
                        CBF_EditThresholdTracingDown)
                    .Range(0, 60000)
                    .Initial(100)
                    .Dimmed());
}

void AddThresholdGroups(std::vector<CtrlDef> &c)
{
    const ThresholdIds one = {DECO_PARA2_THR1, TABPARA2_THRCALC1, TABPARA2_TEACHVAL1, TABPARA2_TOL1,
                              TABPARA2_HYST1,  TABPARA2_TEACH1,   CBF_ButtonTeach1Sig};
    const ThresholdIds two = {TABPARA2_THR2FRAME, TABPARA2_THRCALC2, TABPARA2_TEACHVAL2, TABPARA2_TOL2,
                              TABPARA2_HYST2,     TABPARA2_TEACH2,   CBF_ButtonTeach2Sig};
    c.push_back(GroupHeading(HEAD_PARA2_THRESHOLDS, "SWITCHING THRESHOLDS", kThresholdTop, kFrameLeft1,
                             kFrameFullWidth));
    Append(c, ThresholdGroup(one, "1", kFrameLeft1, kColumn1));
    for (CtrlDef &def : ThresholdGroup(two, "2", kFrameLeft2, kColumn2))
        c.push_back(def.Hidden());
}

} // namespace

PageDef ParametersIIPageDef()
{
    PageDef page;
    page.label = "Para II";
    AddSwitchingGroup(page.controls);
    AddTracingGroup(page.controls);
    AddThresholdGroups(page.controls);
    return page;
}
