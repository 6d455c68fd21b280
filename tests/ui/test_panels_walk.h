#pragma once
// Walks the panel resource: every control with the panel, and the tab page if any,
// that holds it.

#include "panels/ctrl_builders.h"
#include "panels/panel_resource.h"
#include "ui/panel_defs.h"

#include <string>
#include <vector>

struct PlacedCtrl {
    const CtrlDef *def;
    int panelIndex;
    int tabId;     // 0 on the panel itself, else the tab control holding the page
    int pageIndex; // page of that tab control
};

inline void CollectControls(const std::vector<CtrlDef> &controls, int panelIndex, int tabId, int pageIndex,
                            std::vector<PlacedCtrl> &out)
{
    for (const CtrlDef &def : controls) {
        out.push_back({&def, panelIndex, tabId, pageIndex});
        for (size_t p = 0; p < def.pages.size(); ++p)
            CollectControls(def.pages[p].controls, panelIndex, def.id, (int)p, out);
    }
}

inline std::vector<PlacedCtrl> AllPlacedControls()
{
    std::vector<PlacedCtrl> all;
    for (const PanelDef &panel : AllPanelDefs())
        CollectControls(panel.controls, panel.index, 0, 0, all);
    return all;
}

inline const PlacedCtrl *FindPlaced(const std::vector<PlacedCtrl> &all, int id)
{
    for (const PlacedCtrl &placed : all)
        if (placed.def->id == id)
            return &placed;
    return nullptr;
}
