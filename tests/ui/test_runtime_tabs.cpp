#include "support/event_recorder.h"
#include "support/ui_actions.h"
#include "support/ui_errors.h"
#include "ui/panel_loader.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QTabWidget>
#include <gtest/gtest.h>

namespace
{

enum { TAB = 1, PAGE_BUTTON = 10 };

int LoadTabPanel()
{
    CtrlDef tab = MakeCtrl(TAB, CTRL_TAB, "", 10, 10, 500, 300);
    for (int i = 0; i < 7; ++i) {
        PageDef page;
        page.label = "Page " + std::to_string(i);
        page.controls.push_back(
            MakeCtrl(PAGE_BUTTON + i, CTRL_COMMAND_BUTTON, "Do " + std::to_string(i), 40, 20, 80, 26));
        tab.pages.push_back(page);
    }
    return LoadPanelFromDef(0, MakePanelDef("Tabs", {tab}));
}

class RuntimeTabs : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        panel = LoadTabPanel();
        ASSERT_GT(panel, 0);
        ASSERT_TRUE(ShowAndActivate(panel));
        ClearRecordedEvents();
    }
    void TearDown() override { DiscardPanel(panel); }
    int Page(int index)
    {
        int handle = 0;
        EXPECT_EQ(GetPanelHandleFromTabPage(panel, TAB, index, &handle), 0);
        return handle;
    }
    int Active()
    {
        int index = -1;
        GetActiveTabPage(panel, TAB, &index);
        return index;
    }
    int panel = 0;
};

TEST_F(RuntimeTabs, PagesArePanelsAddressedByTheirOwnHandles)
{
    int first = Page(0);
    int last = Page(6);
    EXPECT_GT(first, 0);
    EXPECT_NE(first, last);
    EXPECT_NE(first, panel);
    EXPECT_NE(CtrlWidget(last, PAGE_BUTTON + 6), nullptr);
    EXPECT_EQ(CtrlWidget(panel, PAGE_BUTTON + 6), nullptr);
    int handle = 0;
    EXPECT_EQ(GetPanelHandleFromTabPage(panel, TAB, 7, &handle), UIE_INVALID_TAB_PAGE);
    {
        ExpectUiErrors expected;
        EXPECT_LT(GetPanelHandleFromTabPage(panel, 4242, 0, &handle), 0);
        EXPECT_EQ(expected.Count(), 1);
    }

    // The page's handle is the panel argument of its controls' events.
    SetActiveTabPage(panel, TAB, 6);
    ClickButton(last, PAGE_BUTTON + 6);
    ASSERT_EQ(CountEvents(PAGE_BUTTON + 6, EVENT_COMMIT), 1);
    EXPECT_EQ(RecordedEvents().back().panel, last);
}

TEST_F(RuntimeTabs, ProgrammaticPageChangesRaiseNoEventButTheOperatorsDo)
{
    EXPECT_EQ(SetActiveTabPage(panel, TAB, 1), 0);
    EXPECT_EQ(Active(), 1);
    EXPECT_EQ(CountEvents(TAB, EVENT_ACTIVE_TAB_CHANGE), 0);

    SelectTab(panel, TAB, 4);
    EXPECT_EQ(Active(), 4);
    ASSERT_EQ(CountEvents(TAB, EVENT_ACTIVE_TAB_CHANGE), 1);
    const RecordedEvent &change = RecordedEvents().back();
    EXPECT_EQ(change.panel, panel);
    EXPECT_EQ(change.data1, 1);
    EXPECT_EQ(change.data2, 4);
}

TEST_F(RuntimeTabs, HiddenPagesKeepTheIndexNumbering)
{
    ASSERT_EQ(SetTabPageAttribute(panel, TAB, 2, ATTR_VISIBLE, 0), 0);
    ASSERT_EQ(SetTabPageAttribute(panel, TAB, 6, ATTR_VISIBLE, 0), 0);
    int visible = 1;
    GetTabPageAttribute(panel, TAB, 2, ATTR_VISIBLE, &visible);
    EXPECT_EQ(visible, 0);
    EXPECT_LT(SetActiveTabPage(panel, TAB, 6), 0);

    // Index 5 is still page 5, whatever is hidden before it.
    SelectTab(panel, TAB, 5);
    EXPECT_EQ(Active(), 5);
    EXPECT_EQ(RecordedEvents().back().data2, 5);
    auto *tabs = qobject_cast<QTabWidget *>(CtrlWidget(panel, TAB));
    EXPECT_EQ(tabs->widget(5), PanelWidget(Page(5)));

    ASSERT_EQ(SetTabPageAttribute(panel, TAB, 6, ATTR_VISIBLE, 1), 0);
    ASSERT_EQ(SetActiveTabPage(panel, TAB, 6), 0);
    EXPECT_EQ(Active(), 6);
    EXPECT_EQ(tabs->currentWidget(), PanelWidget(Page(6)));
    EXPECT_EQ(CountEvents(TAB, EVENT_ACTIVE_TAB_CHANGE), 1);

    // Hiding the active page moves to another page without an event.
    SetTabPageAttribute(panel, TAB, 6, ATTR_VISIBLE, 0);
    EXPECT_NE(Active(), 6);
    EXPECT_EQ(CountEvents(TAB, EVENT_ACTIVE_TAB_CHANGE), 1);
    EXPECT_EQ(SetTabPageAttribute(panel, TAB, 1, ATTR_DIMMED, 1), UIE_INVALID_ATTRIBUTE);
}

TEST_F(RuntimeTabs, PageLabelsCanBeChanged)
{
    ASSERT_EQ(SetTabPageAttribute(panel, TAB, 0, ATTR_LABEL_TEXT, "Verbindung"), 0);
    char label[32] = "";
    ASSERT_EQ(GetTabPageAttribute(panel, TAB, 0, ATTR_LABEL_TEXT, label, sizeof label), 0);
    EXPECT_STREQ(label, "Verbindung");
    auto *tabs = qobject_cast<QTabWidget *>(CtrlWidget(panel, TAB));
    EXPECT_EQ(tabs->tabText(0), "Verbindung");
    EXPECT_LT(SetTabPageAttribute(panel, TAB, 9, ATTR_LABEL_TEXT, "x"), 0);
    EXPECT_EQ(SetTabPageAttribute(panel, TAB, 0, ATTR_TITLE, "x"), UIE_INVALID_ATTRIBUTE);
}

TEST_F(RuntimeTabs, DiscardingThePanelTakesItsPagesAlong)
{
    int page = Page(3);
    ASSERT_EQ(DiscardPanel(panel), 0);
    EXPECT_EQ(PanelWidget(page), nullptr);
    {
        ExpectUiErrors expected;
        EXPECT_LT(SetCtrlVal(page, PAGE_BUTTON + 3, 1), 0);
        EXPECT_EQ(expected.Count(), 1);
    }
    panel = LoadTabPanel();
}

} // namespace
