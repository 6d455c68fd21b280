// The latest live frame on the data panel: numbers, LEDs, the analog output in volts
// and milliamperes, and the four strip charts with their histories.
#include "live/live_display.h"

#include "app/app_state.h"
#include "convtable/conv_table.h"
#include "live/chart_statistics.h"
#include "live/data_charts.h"
#include "live/live_state.h"
#include "live/live_thresholds.h"
#include "params/param_controls.h"
#include "params/param_form.h"
#include "params/parameter_set.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cstring>

namespace
{

constexpr double kChartFixedMax = 4096.0;

int EvaluationPage()
{
    return g_app.dataPages[DATA_PAGE_EVALUATION];
}

int Ch0Page()
{
    return g_app.dataPages[DATA_PAGE_CH0];
}

void ShowNumbers(const LiveFrame &frame)
{
    const int panel = g_app.dataPanel;
    SetCtrlVal(panel, DATAP_CH0, (int)frame.Ch0);
    SetCtrlVal(panel, DATAP_SIG, (int)frame.Sig);
    SetCtrlVal(panel, DATAP_TEMP, (int)frame.Temp);
    SetCtrlVal(panel, DATAP_REFCH0, (int)frame.RefCh0);
    SetCtrlVal(panel, DATAP_REFSIG1, (int)frame.RefSig1);
    SetCtrlVal(panel, DATAP_REFSIG2, (int)frame.RefSig2);
    SetCtrlVal(panel, DATAP_MAXMIN1, (int)frame.MaxMinA);
    SetCtrlVal(panel, DATAP_MAXMIN2, (int)frame.MaxMinB);
}

void ShowAnalogOutput(int anaOut)
{
    SetCtrlVal(EvaluationPage(), DATATAB1_VOLT, anaOut * 10.0 / 4095.0);
    SetCtrlVal(EvaluationPage(), DATATAB1_MILLIAMP, anaOut * 16.0 / 4095.0 + 4.0);
}

// 0 both off, 1 OUT0 only, 2 OUT1 only, 3 both; any other state leaves the LEDs alone.
void ShowOutputLeds(unsigned outState)
{
    if (outState > 3)
        return;
    SetCtrlVal(g_app.dataPanel, DATAP_LEDOUT0, (outState & 1) ? 1 : 0);
    SetCtrlVal(g_app.dataPanel, DATAP_LEDOUT1, (outState & 2) ? 1 : 0);
}

void ShowInputLeds(unsigned inBits)
{
    SetCtrlVal(g_app.dataPanel, DATAP_LEDIN0, (inBits & 1) ? 1 : 0);
    SetCtrlVal(g_app.dataPanel, DATAP_LEDIN1, (inBits & 2) ? 1 : 0);
}

// Drops the oldest of `length` values and stores `value` as the newest.
void ShiftIn(double *history, int length, double value)
{
    std::memmove(history, history + 1, sizeof(double) * (size_t)(length - 1));
    history[length - 1] = value;
}

void AppendThresholdSample(double *history, int ref, int sig, int thresholdCalc, int tolerance,
                           int hysteresis)
{
    ThresholdLines lines =
        ComputeThresholdLines(ref, thresholdCalc, tolerance, hysteresis, ParameterSet.ThresholdMode);
    std::memmove(history, history + kThresholdTraces,
                 sizeof(double) * (size_t)(kThresholdHistoryLength - kThresholdTraces));
    double *sample = history + kThresholdHistoryLength - kThresholdTraces;
    sample[0] = ref;
    sample[1] = sig;
    sample[2] = lines.toleranceA;
    sample[3] = lines.toleranceB;
    sample[4] = lines.hysteresisA;
    sample[5] = lines.hysteresisB;
}

const int kThresholdFields[] = {PF_THRESHOLD_MODE,   PF_THRESHOLD_CALC_1, PF_TOLERANCE_1, PF_HYSTERESIS_1,
                                PF_THRESHOLD_CALC_2, PF_TOLERANCE_2,      PF_HYSTERESIS_2};

void AppendSample();

} // namespace

void ShowFrameValues(void)
{
    const LiveFrame &frame = g_live.frame;
    ShowNumbers(frame);
    ShowAnalogOutput(frame.AnaOut);
    ShowConvLiveSignal(); // the conversion table page's current value follows Sig
    ShowOutputLeds(frame.OutState);
    ShowInputLeds(frame.InBits);
}

void SetPanelData(void)
{
    ShowFrameValues();
    InitGraphBuffers();
}

void InitGraphBuffers(void)
{
    GetPanelValues();
    AppendSample();
}

void AppendFrameToHistories(void)
{
    for (int field : kThresholdFields)
        ReadParaField(field);
    AppendSample();
}

namespace
{

void AppendSample()
{
    const LiveFrame &frame = g_live.frame;
    AppendThresholdSample(g_live.eval1History, frame.RefSig1, frame.Sig, ParameterSet.ThresholdCalc1,
                          ParameterSet.Tolerance1, ParameterSet.Hysteresis1);
    AppendThresholdSample(g_live.eval2History, frame.RefSig2, frame.Sig, ParameterSet.ThresholdCalc2,
                          ParameterSet.Tolerance2, ParameterSet.Hysteresis2);
    ShiftIn(g_live.sigHistory, kHistoryLength, frame.Sig);
    ShiftIn(g_live.ch0History, kHistoryLength, frame.Ch0);
}

} // namespace

void ShowGraph(void)
{
    PlotStripChart(EvaluationPage(), DATATAB1_SIGCHART, g_live.sigHistory, kHistoryLength, 0, 0, VAL_DOUBLE);
    PlotStripChart(EvaluationPage(), DATATAB1_EVAL1CHART, g_live.eval1History, kThresholdHistoryLength, 0, 0,
                   VAL_DOUBLE);
    PlotStripChart(EvaluationPage(), DATATAB1_EVAL2CHART, g_live.eval2History, kThresholdHistoryLength, 0, 0,
                   VAL_DOUBLE);
    PlotStripChart(Ch0Page(), DATATAB0_CH0CHART, g_live.ch0History, kHistoryLength, 0, 0, VAL_DOUBLE);
    ++g_live.chartRefreshes;
    ShowChartStatistics();
}

void SetChartsYAutoscale(int autoscale)
{
    for (const DataChart &chart : kDataCharts) {
        if (autoscale)
            SetAxisScalingMode(DataChartPage(chart), chart.chart, VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0.0, 0.0);
        else
            SetAxisScalingMode(DataChartPage(chart), chart.chart, VAL_LEFT_YAXIS, VAL_MANUAL, 0.0,
                               kChartFixedMax);
    }
}
