// Rule steps 6 to 8: the switching thresholds, their tracing and the teach.
#include "app/app_state.h"
#include "params/param_controls.h"
#include "params/param_form.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <initializer_list>

namespace
{

const int kThreshold2Group[] = {TABPARA2_THRCALC2, TABPARA2_TEACHVAL2, TABPARA2_TOL2,
                                TABPARA2_HYST2,    TABPARA2_TEACH2,    TABPARA2_THR2FRAME};

// With two thresholds the first chart shares the page with the second and takes its
// height; otherwise it fills the place of the SIG-only chart.
void FitThresholdChart1(bool twoThresholds)
{
    int page = g_app.dataPages[DATA_PAGE_EVALUATION];
    int height = 0;
    GetCtrlAttribute(page, twoThresholds ? DATATAB1_EVAL2CHART : DATATAB1_SIGCHART, ATTR_HEIGHT, &height);
    SetCtrlAttribute(page, DATATAB1_EVAL1CHART, ATTR_HEIGHT, height);
}

} // namespace

void InitThresholdMode(void)
{
    uint16_t thresholdMode = ReadParaField(PF_THRESHOLD_MODE);
    uint16_t digitalOutmode = ReadParaField(PF_DIGITAL_OUTMODE);
    bool twoThresholds = thresholdMode == THRESHOLD_MODE_2_TRSH;

    FitThresholdChart1(twoThresholds);
    for (int control : kThreshold2Group)
        SetParaCtrlVisible(PAGE_PARAMETERS_2, control, twoThresholds);
    // Without a digital output step 3 has hidden the threshold displays for good.
    if (digitalOutmode == DIGITAL_OUTMODE_OFF)
        return;
    SetEvaluationCtrlVisible(DATATAB1_EVAL2CHART, twoThresholds);
    SetDataCtrlVisible(DATAP_REFSIG2, twoThresholds);
}

void InitThresholdTracing(void)
{
    uint16_t tracing = ReadParaField(PF_THRESHOLD_TRACING);
    if (tracing == THRESHOLD_TRACING_OFF) {
        SetParaCtrlDimmed(PAGE_PARAMETERS_2, TABPARA2_TTUP, true);
        SetParaCtrlDimmed(PAGE_PARAMETERS_2, TABPARA2_TTDOWN, true);
    } else if (tracing == THRESHOLD_TRACING_ON_TOL || tracing == THRESHOLD_TRACING_ON_CONT) {
        SetParaCtrlDimmed(PAGE_PARAMETERS_2, TABPARA2_TTUP, false);
        SetParaCtrlDimmed(PAGE_PARAMETERS_2, TABPARA2_TTDOWN, false);
    }
}

// A teach value typed or taught on the PC counts only while neither the tracing nor
// an external teach sets the reference.
void InitExtTeach(void)
{
    uint16_t externTeach = ReadParaField(PF_EXTERN_TEACH);
    uint16_t tracing = ReadParaField(PF_THRESHOLD_TRACING);
    bool referenceSetBySensor = tracing != THRESHOLD_TRACING_OFF || externTeach != EXTERN_TEACH_OFF;
    for (int control : {TABPARA2_TEACHVAL1, TABPARA2_TEACHVAL2, TABPARA2_TEACH1, TABPARA2_TEACH2})
        SetParaCtrlDimmed(PAGE_PARAMETERS_2, control, referenceSetBySensor);
}
