// The six panels of the resource as real widgets: they load through LoadPanel, wrong
// requests fail, and with real fonts every control and label stays inside its panel
// or page and clear of the others.
#include "test_panels_walk.h"

#include "panels/panel_layout.h"
#include "resource/panel_ids.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QApplication>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <set>

namespace
{

struct LoadedPanels {
    int main = 0, data = 0, graph = 0, scope = 0, conv = 0, password = 0;
};

LoadedPanels LoadAll()
{
    LoadedPanels p;
    p.main = LoadPanel(0, kPanelResourceFile, MAINP);
    p.data = LoadPanel(p.main, kPanelResourceFile, DATAP);
    p.graph = LoadPanel(p.main, kPanelResourceFile, GRAPHP);
    p.scope = LoadPanel(p.main, kPanelResourceFile, SCOPEP);
    p.conv = LoadPanel(p.main, kPanelResourceFile, CONVP);
    p.password = LoadPanel(0, kPanelResourceFile, PASSWORDP);
    return p;
}

void DiscardAll(const LoadedPanels &p)
{
    DiscardPanel(p.password);
    DiscardPanel(p.main);
}

std::string Describe(const CtrlDef &def, bool label)
{
    return std::to_string(def.id) + " \"" + def.label + "\"" + (label ? " (label)" : "");
}

struct Part {
    QWidget *widget;
    std::string name;
    bool frame;
};

// Every visible control of a panel or page, with its label, inside the panel and
// no two of them on top of each other (group frames excepted, which hold others).
void ExpectTidy(int panel, const std::vector<CtrlDef> &controls, const std::string &what)
{
    QWidget *surface = PanelWidget(panel);
    ASSERT_NE(surface, nullptr) << what;
    std::vector<Part> parts;
    for (const CtrlDef &def : controls) {
        CtrlRecord *ctrl = FindCtrl(panel, def.id);
        ASSERT_NE(ctrl, nullptr) << what << ": " << Describe(def, false);
        if (ctrl->widget && ctrl->widget->isVisibleTo(surface))
            parts.push_back({ctrl->widget, Describe(def, false), def.kind == CTRL_DECORATION});
        if (ctrl->label && ctrl->label->isVisibleTo(surface))
            parts.push_back({ctrl->label, Describe(def, true), false});
    }
    for (const Part &part : parts)
        EXPECT_TRUE(surface->rect().contains(part.widget->geometry()))
            << what << ": " << part.name << " leaves it";
    for (size_t i = 0; i < parts.size(); ++i) {
        for (size_t j = i + 1; j < parts.size(); ++j) {
            if (parts[i].frame || parts[j].frame)
                continue;
            EXPECT_FALSE(parts[i].widget->geometry().intersects(parts[j].widget->geometry()))
                << what << ": " << parts[i].name << " overlaps " << parts[j].name;
        }
    }
}

const std::vector<CtrlDef> &Controls(int panelIndex)
{
    return FindPanelDef(kPanelResourceFile, panelIndex)->controls;
}

const std::vector<PageDef> &Pages(int panelIndex, int tab)
{
    static const std::vector<PageDef> none;
    for (const CtrlDef &def : Controls(panelIndex))
        if (def.id == tab)
            return def.pages;
    return none;
}

int Page(int panel, int tab, int index)
{
    int page = 0;
    EXPECT_EQ(GetPanelHandleFromTabPage(panel, tab, index, &page), 0);
    return page;
}

} // namespace

TEST(PanelLoading, AllSixPanelsLoadAndWrongRequestsFail)
{
    LoadedPanels p = LoadAll();
    for (int handle : {p.main, p.data, p.graph, p.scope, p.conv, p.password})
        EXPECT_GT(handle, 0);
    char title[64] = "";
    GetPanelAttribute(p.main, ATTR_TITLE, title, sizeof title);
    EXPECT_STREQ(title, "CHROMIX1 Scope V3.1");
    GetPanelAttribute(p.password, ATTR_TITLE, title, sizeof title);
    EXPECT_STREQ(title, "Password");
    int width = 0, height = 0;
    GetPanelAttribute(p.main, ATTR_WIDTH, &width);
    GetPanelAttribute(p.main, ATTR_HEIGHT, &height);
    EXPECT_EQ(width, 1014);
    EXPECT_EQ(height, 690);
    for (int index = 0; index < MAIN_TAB_PAGE_COUNT; ++index)
        EXPECT_GT(Page(p.main, MAINP_TAB, index), 0) << "main page " << index;
    EXPECT_GT(Page(p.data, DATAP_TAB, DATA_PAGE_CH0), 0);
    EXPECT_GT(Page(p.data, DATAP_TAB, DATA_PAGE_EVALUATION), 0);
    int kind = 0;
    EXPECT_EQ(
        GetCtrlAttribute(Page(p.main, MAINP_TAB, PAGE_PARAMETERS_2), TABPARA2_HOLD, ATTR_CTRL_KIND, &kind),
        0);
    EXPECT_EQ(kind, CTRL_NUMERIC);

    EXPECT_LT(LoadPanel(0, kPanelResourceFile, 0), 0);
    EXPECT_LT(LoadPanel(0, kPanelResourceFile, 7), 0);
    EXPECT_LT(LoadPanel(0, kPanelResourceFile, -1), 0);
    EXPECT_LT(LoadPanel(0, "Chromix1V3_0.uir", MAINP), 0);
    EXPECT_LT(LoadPanel(0, "", MAINP), 0);
    DiscardAll(p);
}

TEST(PanelLoading, RealWidgetsAndLabelsStayInsideAndApart)
{
    LoadedPanels p = LoadAll();
    for (int child : {p.data, p.graph, p.scope, p.conv})
        SetPanelPos(child, 63, 385);
    DisplayPanel(p.main);
    DisplayPanel(p.password);
    for (int child : {p.data, p.graph, p.scope, p.conv})
        DisplayPanel(child);
    for (int index = 0; index < MAIN_TAB_PAGE_COUNT; ++index) {
        SetActiveTabPage(p.main, MAINP_TAB, index);
        QApplication::processEvents();
        const int page = Page(p.main, MAINP_TAB, index);
        int width = 0, height = 0;
        GetPanelAttribute(page, ATTR_WIDTH, &width);
        GetPanelAttribute(page, ATTR_HEIGHT, &height);
        EXPECT_GE(width, kMainPageWidth) << "main page " << index;
        EXPECT_GE(height, kMainPageHeight) << "main page " << index;
        ExpectTidy(page, Pages(MAINP, MAINP_TAB)[index].controls, "main page " + std::to_string(index));
    }
    for (int index = 0; index < DATA_TAB_PAGE_COUNT; ++index) {
        SetActiveTabPage(p.data, DATAP_TAB, index);
        QApplication::processEvents();
        const int page = Page(p.data, DATAP_TAB, index);
        int width = 0, height = 0;
        GetPanelAttribute(page, ATTR_WIDTH, &width);
        GetPanelAttribute(page, ATTR_HEIGHT, &height);
        EXPECT_GE(width, kDataPageWidth) << "data page " << index;
        EXPECT_GE(height, kDataPageHeight) << "data page " << index;
        ExpectTidy(page, Pages(DATAP, DATAP_TAB)[index].controls, "data page " + std::to_string(index));
    }
    ExpectTidy(p.main, Controls(MAINP), "main panel");
    ExpectTidy(p.data, Controls(DATAP), "data panel");
    ExpectTidy(p.graph, Controls(GRAPHP), "graph panel");
    ExpectTidy(p.scope, Controls(SCOPEP), "scope panel");
    ExpectTidy(p.conv, Controls(CONVP), "conversion panel");
    ExpectTidy(p.password, Controls(PASSWORDP), "password panel");
    DiscardAll(p);
}

TEST(PanelLoading, TheSixEverydayPagesFitTheTabBar)
{
    LoadedPanels p = LoadAll();
    DisplayPanel(p.main);
    auto *tabs = qobject_cast<QTabWidget *>(CtrlWidget(p.main, MAINP_TAB));
    ASSERT_NE(tabs, nullptr);
    // The offset compensation page stays hidden until a password unlocks it.
    SetTabPageAttribute(p.main, MAINP_TAB, PAGE_OFFSET, ATTR_VISIBLE, 0);
    QApplication::processEvents();
    int needed = 0;
    for (int i = 0; i < tabs->tabBar()->count(); ++i)
        if (tabs->tabBar()->isTabVisible(i))
            needed += tabs->tabBar()->tabRect(i).width();
    EXPECT_LE(needed, tabs->width());
    DiscardAll(p);
}
