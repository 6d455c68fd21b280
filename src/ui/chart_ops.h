#pragma once
// The graph, strip chart and LED controls: creation from the panel description and
// the operations that the value and attribute functions forward to them. Each
// returns a UI error code.

#include "ui/panel_defs.h"

class QString;
class QWidget;
struct CtrlRecord;

QWidget *CreateGraphWidget(int panel, const CtrlDef &def, QWidget *parent);
QWidget *CreateStripChartWidget(int panel, const CtrlDef &def, QWidget *parent);
QWidget *CreateLedWidget(const CtrlDef &def, QWidget *parent);

int SetLedState(QWidget *led, bool on);
int GetLedState(QWidget *led, int *on);
// ATTR_ON_COLOR or ATTR_OFF_COLOR
int SetLedColor(QWidget *led, int attribute, int color);
int GetLedColor(QWidget *led, int attribute, int *color);

// ATTR_NUM_TRACES or ATTR_POINTS_PER_SCREEN
int SetStripChartAttribute(QWidget *chart, int attribute, int value);
int GetStripChartAttribute(QWidget *chart, int attribute, int *value);

// ATTR_CHART_PAUSED of a graph or strip chart
int SetChartPaused(QWidget *chart, int paused);
int GetChartPaused(QWidget *chart, int *paused);

// ATTR_XNAME or ATTR_YNAME of a graph
int SetAxisName(CtrlRecord &ctrl, int attribute, const QString &name);
int GetAxisName(const CtrlRecord &ctrl, int attribute, QString *name);
