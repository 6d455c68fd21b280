#include "support/event_recorder.h"
#include "support/ui_actions.h"
#include "toolbox/password.h"
#include "ui/panel_loader.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <string>

namespace
{

enum { FIELD = 1, PLAIN };

class PasswordField : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        panel = LoadPanelFromDef(
            0, MakePanelDef("Password", {MakeCtrl(FIELD, CTRL_STRING, "Password", 40, 10, 200),
                                         MakeCtrl(PLAIN, CTRL_STRING, "Other", 100, 10, 200)}));
        ASSERT_GT(panel, 0);
        ASSERT_EQ(PasswordCtrl_ConvertFromString(panel, FIELD), 0);
        ASSERT_EQ(PasswordCtrl_SetAttribute(panel, FIELD, ATTR_PASSWORD_MAX_LENGTH, 20), 0);
        ASSERT_EQ(PasswordCtrl_SetAttribute(panel, FIELD, ATTR_PASSWORD_MASK_CHARACTER, '*'), 0);
        ASSERT_TRUE(ShowAndActivate(panel));
        ClearRecordedEvents();
    }
    void TearDown() override { DiscardPanel(panel); }
    std::string Value()
    {
        char text[21] = "";
        EXPECT_EQ(PasswordCtrl_GetAttribute(panel, FIELD, ATTR_PASSWORD_VAL, text), 0);
        return text;
    }
    int panel = 0;
};

TEST_F(PasswordField, ShowsOnlyMaskCharactersAndGivesTheValue)
{
    CommitString(panel, FIELD, "harborway");
    EXPECT_EQ(Value(), "harborway");
    auto *field = qobject_cast<QLineEdit *>(CtrlWidget(panel, FIELD));
    EXPECT_EQ(field->displayText(), "*********");
    char shown[32] = "";
    GetCtrlVal(panel, FIELD, shown, sizeof shown);
    EXPECT_STREQ(shown, "*********");
    ASSERT_EQ(CountEvents(FIELD, EVENT_COMMIT), 1);
    EXPECT_EQ(RecordedEvents().back().panel, panel);

    PasswordCtrl_SetAttribute(panel, FIELD, ATTR_PASSWORD_MASK_CHARACTER, '#');
    EXPECT_EQ(field->displayText(), "#########");
    int mask = 0;
    PasswordCtrl_GetAttribute(panel, FIELD, ATTR_PASSWORD_MASK_CHARACTER, &mask);
    EXPECT_EQ(mask, '#');
}

TEST_F(PasswordField, AcceptsAtMostTheSetNumberOfCharacters)
{
    CommitString(panel, FIELD, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(Value(), "abcdefghijklmnopqrst");
    PasswordCtrl_SetAttribute(panel, FIELD, ATTR_PASSWORD_VAL, "0123456789012345678901234");
    EXPECT_EQ(Value(), "01234567890123456789");
    int length = 0;
    PasswordCtrl_GetAttribute(panel, FIELD, ATTR_PASSWORD_MAX_LENGTH, &length);
    EXPECT_EQ(length, 20);
    // Wide characters never overflow a buffer sized for 20 one-byte characters.
    PasswordCtrl_SetAttribute(panel, FIELD, ATTR_PASSWORD_VAL,
                              "\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4"
                              "\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4");
    EXPECT_LE(Value().size(), 20u);
}

TEST_F(PasswordField, ClearingAndSettingRaiseNoEvent)
{
    PasswordCtrl_SetAttribute(panel, FIELD, ATTR_PASSWORD_VAL, "pebble");
    EXPECT_EQ(Value(), "pebble");
    PasswordCtrl_SetAttribute(panel, FIELD, ATTR_PASSWORD_VAL, "");
    EXPECT_EQ(Value(), "");
    EXPECT_TRUE(RecordedEvents().empty());
    char text[21] = "";
    EXPECT_LT(PasswordCtrl_GetAttribute(panel, PLAIN, ATTR_PASSWORD_VAL, text), 0);
    EXPECT_LT(PasswordCtrl_SetAttribute(panel, FIELD, ATTR_PASSWORD_MAX_LENGTH, 0), 0);
    EXPECT_LT(PasswordCtrl_SetAttribute(panel, FIELD, ATTR_PASSWORD_VAL, 5), 0);
}

} // namespace
