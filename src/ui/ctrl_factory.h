#pragma once
// Widgets of the control kinds (ctrl_factory.cpp, tabs.cpp, table_widget.cpp).

#include "ui/panel_defs.h"

class QWidget;

// The widget of one control, wired to raise the control's events; null for an
// unknown kind. parent is the panel's widget.
QWidget *CreateCtrlWidget(int panel, const CtrlDef &def, QWidget *parent);
// A tab control with its pages; each page becomes a panel of its own with its controls.
QWidget *CreateTabWidget(int panel, const CtrlDef &def, QWidget *parent);
