// The password pop-up on the real panels: opened by a right double click on the
// TRANSMITTER frame, two levels, exact comparison, and closed by its close box or
// Escape without ever holding up the main window.
#include "shell_test_env.h"

#include "app/app_state.h"
#include "resource/panel_ids.h"
#include "support/ui_actions.h"
#include "toolbox/password.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QApplication>

namespace
{

int OffsetPage()
{
    return g_app.mainPages[PAGE_OFFSET];
}

bool PopupShown()
{
    return !PanelWidget(g_app.passwordPanel)->isHidden();
}

bool OffsetPageVisible()
{
    int visible = -1;
    GetTabPageAttribute(g_app.mainPanel, MAINP_TAB, PAGE_OFFSET, ATTR_VISIBLE, &visible);
    return visible == 1;
}

int ActivePage()
{
    int page = -1;
    GetActiveTabPage(g_app.mainPanel, MAINP_TAB, &page);
    return page;
}

std::string FieldText()
{
    char text[21] = "x";
    PasswordCtrl_GetAttribute(g_app.passwordPanel, PASSWORDP_PASSWORD, ATTR_PASSWORD_VAL, text);
    return text;
}

void OpenPasswordPopup()
{
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_1);
    ASSERT_TRUE(RightDoubleClick(g_app.mainPages[PAGE_PARAMETERS_1], TABPARA1_DECO));
    ASSERT_TRUE(PopupShown());
    ASSERT_EQ(FieldText(), "");
}

void EnterPassword(const std::string &password)
{
    ASSERT_TRUE(CommitString(g_app.passwordPanel, PASSWORDP_PASSWORD, password));
}

} // namespace

class PasswordTest : public OfflineProgram
{
  protected:
    // The password panel outlives the main panel; a pop-up left open would keep the
    // next test's windows from input.
    void TearDown() override
    {
        RemovePopup(g_app.passwordPanel);
        OfflineProgram::TearDown();
    }
};

TEST_F(PasswordTest, WrongPasswordsKeepThePopupAndClearTheField)
{
    OpenPasswordPopup();
    for (const char *wrong : {"Pebble", "pebbl", "pebbles", "HARBORWAY", ""}) {
        PopupScript popups;
        EnterPassword(wrong);
        ASSERT_EQ(popups.Count(), 1) << wrong;
        EXPECT_EQ(popups.Last().title, "Message!");
        EXPECT_EQ(popups.Last().message, "Wrong password. \nPlease try again.");
        EXPECT_TRUE(PopupShown());
        EXPECT_EQ(FieldText(), "");
        EXPECT_FALSE(OffsetPageVisible());
    }
}

TEST_F(PasswordTest, BasicAndExtendedLevelsAndTheCloseButtonLocksAgain)
{
    OpenPasswordPopup();
    EnterPassword("pebble");
    EXPECT_FALSE(PopupShown());
    EXPECT_TRUE(OffsetPageVisible());
    EXPECT_EQ(ActivePage(), PAGE_OFFSET);
    EXPECT_EQ(CtrlInt(OffsetPage(), TABOFFSET_SENDFACTOR, ATTR_VISIBLE), 0);
    EXPECT_EQ(CtrlInt(OffsetPage(), TABOFFSET_FACTOR, ATTR_CTRL_MODE), VAL_INDICATOR);

    ASSERT_TRUE(ClickButton(OffsetPage(), TABOFFSET_CLOSE));
    EXPECT_FALSE(OffsetPageVisible());
    EXPECT_EQ(ActivePage(), PAGE_PARAMETERS_1);

    OpenPasswordPopup();
    EnterPassword("harborway");
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(ActivePage(), PAGE_OFFSET);
    EXPECT_EQ(CtrlInt(OffsetPage(), TABOFFSET_SENDFACTOR, ATTR_VISIBLE), 1);
    EXPECT_EQ(CtrlInt(OffsetPage(), TABOFFSET_FACTOR, ATTR_CTRL_MODE), VAL_HOT);
    EXPECT_EQ(FieldText(), "");

    PopupScript help;
    ASSERT_TRUE(RightClick(OffsetPage(), TABOFFSET_CLOSE));
    EXPECT_EQ(help.Last().message, "Close PANEL and return to MAIN PANEL.");
}

// Each way of closing leaves the page locked and the main window usable.
TEST_F(PasswordTest, CloseBoxAndEscapeRemoveThePopup)
{
    for (int way = 0; way < 2; ++way) {
        OpenPasswordPopup();
        ASSERT_TRUE(TypeText(g_app.passwordPanel, PASSWORDP_PASSWORD, "pebble"));
        EXPECT_EQ(QApplication::activeModalWidget(), PanelWidget(g_app.passwordPanel));
        if (way == 0)
            ASSERT_TRUE(ClosePanel(g_app.passwordPanel));
        else
            ASSERT_TRUE(PressKey(g_app.passwordPanel, Qt::Key_Escape));
        EXPECT_FALSE(PopupShown()) << way;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << way;
        EXPECT_FALSE(OffsetPageVisible());
        EXPECT_EQ(FieldText(), "");
    }
}
