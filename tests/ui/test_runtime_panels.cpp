#include "support/event_recorder.h"
#include "support/ui_actions.h"
#include "support/ui_errors.h"
#include "ui/panel_loader.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QApplication>
#include <QPointer>
#include <gtest/gtest.h>

namespace
{

enum { FIELD = 1, OTHER, CLOSE };

int g_discardTarget = 0;

int DiscardOwnPanel(int panel, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        DiscardPanel(panel);
    g_discardTarget = panel;
    return 0;
}

int LoadPopupPanel()
{
    CtrlDef close = MakeCtrl(CLOSE, CTRL_COMMAND_BUTTON, "Close", 100, 10, 80, 26);
    close.callback = DiscardOwnPanel;
    return LoadPanelFromDef(0, MakePanelDef("Password",
                                            {MakeCtrl(FIELD, CTRL_STRING, "Password", 40, 10, 150),
                                             MakeCtrl(OTHER, CTRL_STRING, "Other", 40, 200, 150), close},
                                            400, 150));
}

TEST(RuntimePanels, PopUpsAreModalUntilRemoved)
{
    int main = LoadPanelFromDef(0, MakePanelDef("Main", {}));
    int popup = LoadPopupPanel();
    ASSERT_GT(popup, 0);
    DisplayPanel(main);
    ASSERT_EQ(InstallPopup(popup), 0);
    QWidget *window = PanelWidget(popup);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(QApplication::activeModalWidget(), window);
    ASSERT_EQ(RemovePopup(popup), 0);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // A child panel cannot be a pop-up window.
    int child = LoadPanelFromDef(main, MakePanelDef("Child", {}));
    EXPECT_LT(InstallPopup(child), 0);
    DiscardPanel(popup);
    DiscardPanel(main);
}

TEST(RuntimePanels, TheActiveControlFollowsTheFocus)
{
    int panel = LoadPopupPanel();
    ASSERT_TRUE(ShowAndActivate(panel));
    ASSERT_EQ(SetActiveCtrl(panel, OTHER), 0);
    int active = 0;
    GetActiveCtrl(panel, &active);
    EXPECT_EQ(active, OTHER);
    SetActiveCtrl(panel, FIELD);
    GetActiveCtrl(panel, &active);
    EXPECT_EQ(active, FIELD);
    {
        ExpectUiErrors expected;
        EXPECT_LT(SetActiveCtrl(panel, 4242), 0);
        EXPECT_EQ(expected.Count(), 1);
    }
    DiscardPanel(panel);
}

TEST(RuntimePanels, ACallbackMayDiscardItsOwnPanel)
{
    int panel = LoadPopupPanel();
    ASSERT_TRUE(ShowAndActivate(panel));
    QPointer<QWidget> window = PanelWidget(panel);
    ClickButton(panel, CLOSE);
    EXPECT_EQ(g_discardTarget, panel);
    EXPECT_EQ(PanelWidget(panel), nullptr);
    ExpectUiErrors expected;
    EXPECT_LT(SetCtrlVal(panel, FIELD, "x"), 0);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(DiscardPanel(panel), UIE_INVALID_PANEL);
    EXPECT_EQ(expected.Count(), 2);
}

} // namespace
