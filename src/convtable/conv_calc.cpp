// The conversion curve: the table's support points ordered by actual value and joined
// by straight segments, drawn with the points on the conversion panel's graph.
#include "convtable/conv_table.h"

#include "app/app_state.h"
#include "app/language.h"
#include "convtable/conv_texts.h"
#include "resource/panel_ids.h"
#include "ui/userint.h"

#include <cstdio>

namespace
{

constexpr double kUndefined = -1.0;
constexpr int kNoError = 0;
constexpr int kPlotColorPoints = 0x0000FF;
constexpr int kPlotColorCurve = 0x00FF00;

// Point markers and set values by actual value: marker[a] = a where a point is defined.
struct SupportPoints {
    double marker[kConvCurvePoints];
    double setValue[kConvCurvePoints];
};

// The first row the calculation cannot use: its number (from 1), or kNoError, and
// whether its actual value lies beyond the curve (then it never indexes the points or
// the curve) or its two cells do not fit together.
struct BadRow {
    int row;
    bool actualTooLarge;
};

BadRow CollectSupportPoints(const short cells[kConvCells], SupportPoints &points)
{
    for (int i = 0; i < kConvCurvePoints; ++i) {
        points.marker[i] = kUndefined;
        points.setValue[i] = kUndefined;
    }
    for (int row = 1; row <= kConvRows; ++row) {
        int actual = cells[(row - 1) * kConvColumns];
        int set = cells[(row - 1) * kConvColumns + 1];
        if (actual == kConvDisabled) {
            if (set < 0)
                continue;
            return BadRow{row, false};
        }
        if (actual < 0)
            continue;
        if (actual > kConvMaxActual)
            return BadRow{row, true};
        if (set == kConvDisabled)
            return BadRow{row, false};
        points.marker[actual] = actual;
        points.setValue[actual] = set;
    }
    return BadRow{kNoError, false};
}

// Later segments start where the earlier ones ended, so each end point is written
// twice with the same value. Without a point at 0 the first segment starts at the
// lowest point, and the entries below it keep their contents.
void ComputeCurve(const SupportPoints &points, double curve[kConvCurvePoints])
{
    int prev = 0;
    while (prev < kConvMaxActual && points.marker[prev] == kUndefined)
        ++prev;
    for (int i = prev + 1; i < kConvCurvePoints; ++i) {
        if (points.marker[i] == kUndefined)
            continue;
        double dx = points.marker[i] - points.marker[prev];
        double dy = points.setValue[i] - points.setValue[prev];
        double slope = dy / dx;
        int n = (short)dx;
        int x0 = (short)points.marker[prev];
        for (int k = 0; k <= n; ++k)
            curve[x0 + k] = points.setValue[prev] + slope * k;
        prev = i;
    }
}

void DrawCurve(const SupportPoints &points, const double curve[kConvCurvePoints])
{
    int panel = g_app.convPanel;
    DeleteGraphPlot(panel, CONVP_GRAPH, VAL_ALL_PLOTS, VAL_DELAYED_DRAW);
    PlotXY(panel, CONVP_GRAPH, points.marker, points.marker, kConvCurvePoints, VAL_DOUBLE, VAL_DOUBLE,
           VAL_SCATTER, VAL_SOLID_CIRCLE, VAL_SOLID, 1, kPlotColorPoints);
    PlotY(panel, CONVP_GRAPH, curve, kConvCurvePoints, VAL_DOUBLE, VAL_SCATTER, VAL_SOLID_CIRCLE, VAL_SOLID,
          1, kPlotColorCurve);
}

void ReportBadRow(const BadRow &bad, const short cells[kConvCells])
{
    if (bad.actualTooLarge) {
        char text[256];
        std::snprintf(text, sizeof text, Tr(kTxtRowActualTooLarge), bad.row,
                      (int)cells[(bad.row - 1) * kConvColumns]);
        MessagePopup(Tr(kTxtInfoTitle), text);
    } else {
        MessagePopup(Tr(kTxtInfoTitle), Tr(kTxtRowInconsistent));
    }
    int page = g_app.mainPages[PAGE_CONVERSION_TABLE];
    SetActiveCtrl(page, TABCONV_TABLE);
    SetTableSelection(page, TABCONV_TABLE, MakeRect(bad.row, 1, 1, VAL_TO_EDGE));
}

} // namespace

void CalcConvData(void)
{
    short cells[kConvCells];
    ReadConvTableCells(cells);
    SupportPoints points;
    BadRow bad = CollectSupportPoints(cells, points);
    if (bad.row != kNoError) {
        g_conv.dataValid = 0;
        ReportBadRow(bad, cells);
        return;
    }
    ComputeCurve(points, g_conv.curve);
    DrawCurve(points, g_conv.curve);
    g_conv.dataValid = 1;
}
