#pragma once
// The program's panel resource "Chromix1V3_1.uir": its six panels as descriptions.

#include "ui/panel_defs.h"

#include <vector>

// The description of panel `index` in resource `file` (only the file name counts), or null.
const PanelDef *FindPanelDef(const char *file, int index);
// All six panels, for tests that walk every control.
const std::vector<PanelDef> &AllPanelDefs();
// Makes LoadPanel read this resource, and hands the pages' dimming tables to
// SetButtonsDimmed.
void UseProgramPanelResource(void);
