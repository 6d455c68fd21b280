// The panel resource "Chromix1V3_1.uir": its six panels by index.
#include "panels/panel_resource.h"

#include "panels/panel_layout.h"
#include "resource/panel_ids.h"

#include <cstring>

namespace
{

// The resource may be named with a directory in front; only the file name counts.
bool IsPanelResource(const char *file)
{
    if (file == nullptr)
        return false;
    const char *name = file;
    for (const char *p = file; *p != '\0'; ++p)
        if (*p == '/' || *p == '\\')
            name = p + 1;
    return std::strcmp(name, kPanelResourceFile) == 0;
}

} // namespace

const std::vector<PanelDef> &AllPanelDefs()
{
    static const std::vector<PanelDef> panels = {ConvPanelDef(), DataPanelDef(),     GraphPanelDef(),
                                                 MainPanelDef(), PasswordPanelDef(), ScopePanelDef()};
    return panels;
}

const PanelDef *FindPanelDef(const char *file, int index)
{
    if (!IsPanelResource(file))
        return nullptr;
    for (const PanelDef &panel : AllPanelDefs())
        if (panel.index == index)
            return &panel;
    return nullptr;
}

void UseProgramPanelResource(void)
{
    static const DimTable dimTables[] = {
        MainPanelDims(), ConnectionPageDims(),      RecorderPageDims(),   OffsetPageDims(),
        ScopePageDims(), ConversionTablePageDims(), ConversionPanelDims()};
    RegisterPanelResource(FindPanelDef);
    UseDimTables(dimTables, (int)(sizeof dimTables / sizeof dimTables[0]));
}
