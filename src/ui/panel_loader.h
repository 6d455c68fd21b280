#pragma once
// Turning a panel description into real widgets. LoadPanel (ui/userint.h) finds the
// description in the panel resource; LoadPanelFromDef takes one directly, so that a
// test can build panels of its own.

#include "ui/panel_defs.h"

// parent 0 for a top-level panel, else the parent panel's handle. Returns the new
// panel's handle (> 0), hidden, or a negative UI error code.
int LoadPanelFromDef(int parentPanel, const PanelDef &def);
