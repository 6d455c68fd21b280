// The conversion panel: the conversion curve over the actual value, ZOOM 1:1, the
// button that stores the conversion data in the sensor with its progress line, and
// CLOSE.
#include "app/dimming.h"
#include "panels/panel_layout.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"

namespace
{

constexpr int kGraphTop = 20;
constexpr int kGraphLeft = 10;
constexpr int kGraphWidth = 600;
constexpr int kGraphHeight = 520;
constexpr int kButtonTop = kGraphTop + kGraphHeight + 16;
constexpr int kRowButtonHeight = 28;
constexpr int kProgressTop = kButtonTop + kRowButtonHeight + 4;
constexpr int kProgressHeight = 20;

} // namespace

// The download of the conversion curve needs the link.
const DimEntry kConversionPanelDimsEntries[] = {
    {CONVP_SAVEDATAEE, DIM_NEEDS_LINK},
};

DimTable ConversionPanelDims()
{
    return DimTable{DIM_CONVERSION_PANEL, kConversionPanelDimsEntries, 1};
}

PanelDef ConvPanelDef()
{
    PanelDef panel;
    panel.index = CONVP;
    panel.name = "CONVP";
    panel.width = kChildWidth;
    panel.height = kChildHeight;
    panel.callback = CBF_CONVP;
    CtrlDef graph = Graph(CONVP_GRAPH, "CONVERSION CURVE", kGraphTop, kGraphLeft, kGraphWidth, kGraphHeight,
                          CBF_GraphConv)
                        .Name("conversion graph");
    graph.xMin = 0.0;
    graph.xMax = 4100.0;
    graph.yMin = 0.0;
    graph.yMax = 10000.0;
    graph.xLabel = "ACTUAL VALUE";
    graph.yLabel = "SETVALUE";
    panel.controls.push_back(graph);
    panel.controls.push_back(CommandButton(CONVP_ZOOM11, "ZOOM 1:1", kButtonTop, kGraphLeft, 100,
                                           kRowButtonHeight, CBF_ButtonZoomConv11));
    panel.controls.push_back(CommandButton(CONVP_SAVEDATAEE, "SAVE CONVERSION DATA TO EEPROM", kButtonTop,
                                           180, 260, kRowButtonHeight, CBF_ButtonSaveConvDataToEE));
    panel.controls.push_back(
        TextMsg(CONVP_PROGRESS, "", kProgressTop, 180, 260, kProgressHeight).Name("download progress"));
    panel.controls.push_back(
        CommandButton(CONVP_CLOSE, "CLOSE", kButtonTop, 510, 100, kRowButtonHeight, CBF_ButtonCloseCP));
    return panel;
}
