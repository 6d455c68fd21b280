// The form's mapping to the parameter set, the teach and assign buttons, the password
// gesture, SEND/GET and the memory selectors.
#include "param_test_env.h"

#include "app/app_state.h"
#include "app/dimming.h"
#include "app/long_operation.h"
#include "connection/connection.h"
#include "live/live_state.h"
#include "params/param_controls.h"
#include "params/param_form.h"
#include "params/parameter_set.h"
#include "resource/panel_ids.h"
#include "support/program_fixture.h"
#include "support/ui_actions.h"
#include "toolbox/password.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <cstring>
#include <initializer_list>

namespace
{

using FormTest = ParamProgramTest;
using TransferButtonsTest = ParamProgramTest;

const char *const kAssignQuestion =
    "Make sure that the sensor has the surface which should be compensated! \n\n"
    "If you want to compensate the self-reflection of an optic, then let it look into nothing. \n\n"
    "If the sensor already works with an offset, it must first be set to zero. \n"
    "This is not necessary if CHANNEL OFFSET was previously OFF. \n\n"
    "Press SEND to update the sensor.";

int SelectorValue(int control)
{
    int on = -1;
    GetCtrlVal(g_app.mainPanel, control, &on);
    return on;
}

void ToggleSelector(int control)
{
    ASSERT_TRUE(ToggleButton(g_app.mainPanel, control));
}

} // namespace

TEST(HoldConversion, TenthsOfMillisecondsAreTruncatedAfterADoubleProduct)
{
    EXPECT_EQ(125, HoldTenthsFromMilliseconds(12.5));
    EXPECT_EQ(3, HoldTenthsFromMilliseconds(0.3));
    EXPECT_EQ(0, HoldTenthsFromMilliseconds(0.05));
    EXPECT_EQ(65535, HoldTenthsFromMilliseconds(6553.5));
    EXPECT_DOUBLE_EQ(0.7, HoldMillisecondsFromTenths(7));
    EXPECT_DOUBLE_EQ(6553.5, HoldMillisecondsFromTenths(65535));
}

TEST_F(FormTest, EveryFieldTravelsBetweenFormAndRecord)
{
    GetPanelValues();
    EXPECT_EQ(500, ParameterSet.Power);
    EXPECT_EQ(100, ParameterSet.Hold);
    EXPECT_EQ(1, ParameterSet.DigitalOutmode);

    // Distinct values that every control accepts, each in its own field.
    for (int field = 0; field < kParameterCount; ++field)
        SetParameterField(field, static_cast<uint16_t>(field % 2 + 1));
    ParameterSet.Power = 777;
    ParameterSet.DynWinLo = 1234;
    ParameterSet.Hold = 7;
    ParameterSet.TeachValue2Sig = 3999;
    ParameterSet.Ch0Offset = 88;
    ParameterFields written = ParameterSet;
    SetPanelValues();
    EXPECT_EQ(777, Value(Page1(), TABPARA1_POWER));
    EXPECT_EQ(1234, Value(Page1(), TABPARA1_DYNWINLO));
    EXPECT_DOUBLE_EQ(0.7, DoubleValue(Page2(), TABPARA2_HOLD));
    EXPECT_EQ(3999, Value(Page2(), TABPARA2_TEACHVAL2));
    EXPECT_EQ(88, Value(Page1(), TABPARA1_CH0OFFSET));

    std::memset(&ParameterSet, 0, sizeof ParameterSet);
    GetPanelValues();
    EXPECT_EQ(0, std::memcmp(&written, &ParameterSet, sizeof written));

    SetCtrlVal(Page2(), TABPARA2_HOLD, 12.5);
    GetPanelValues();
    EXPECT_EQ(125, ParameterSet.Hold);
    SetCtrlVal(Page2(), TABPARA2_HOLD, 0.3);
    GetPanelValues();
    EXPECT_EQ(3, ParameterSet.Hold);
}

TEST_F(FormTest, TeachAndAssignCopyTheLatestLiveFrame)
{
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_2);
    SetCtrlVal(Page2(), TABPARA2_TEACHVAL1, 1234);
    SetCtrlVal(Page2(), TABPARA2_TEACHVAL2, 2345);
    SetCtrlVal(Page1(), TABPARA1_CH0OFFSET, 99);
    ASSERT_TRUE(ClickButton(Page2(), TABPARA2_TEACH1));
    Press(Page2(), TABPARA2_TEACH2);
    Press(Page1(), TABPARA1_ASSIGNOFFSET);
    // Before any frame the empty record gives 0.
    EXPECT_EQ(0, Value(Page2(), TABPARA2_TEACHVAL1));
    EXPECT_EQ(0, Value(Page2(), TABPARA2_TEACHVAL2));
    EXPECT_EQ(0, Value(Page1(), TABPARA1_CH0OFFSET));
    ASSERT_EQ(1u, Questions().size());
    EXPECT_EQ(kAssignQuestion, Questions()[0]);
    EXPECT_EQ("Message!", LastPopup().title);

    g_live.frame.Sig = 1500;
    g_live.frame.Ch0 = 321;
    ASSERT_TRUE(ClickButton(Page2(), TABPARA2_TEACH1));
    EXPECT_EQ(1500, Value(Page2(), TABPARA2_TEACHVAL1));
    EXPECT_EQ(0, Value(Page2(), TABPARA2_TEACHVAL2));
    Press(Page2(), TABPARA2_TEACH2);
    EXPECT_EQ(1500, Value(Page2(), TABPARA2_TEACHVAL2));

    Answer(0);
    Press(Page1(), TABPARA1_ASSIGNOFFSET);
    EXPECT_EQ(0, Value(Page1(), TABPARA1_CH0OFFSET));
    Press(Page1(), TABPARA1_ASSIGNOFFSET);
    EXPECT_EQ(321, Value(Page1(), TABPARA1_CH0OFFSET));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(FormTest, RightDoubleClickOnTheDecorationOpensAnEmptyPasswordPopup)
{
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_1);
    PasswordCtrl_SetAttribute(g_app.passwordPanel, PASSWORDP_PASSWORD, ATTR_PASSWORD_VAL, "pebb");
    PanelRecord *password = FindPanel(g_app.passwordPanel);
    ASSERT_NE(nullptr, password);
    DispatchCtrlEvent(Page1(), TABPARA1_DECO, EVENT_RIGHT_CLICK, 0, 0);
    EXPECT_EQ(0, PopupCount());
    EXPECT_FALSE(password->popupInstalled);

    ASSERT_TRUE(RightDoubleClick(Page1(), TABPARA1_DECO));
    char typed[32] = "x";
    PasswordCtrl_GetAttribute(g_app.passwordPanel, PASSWORDP_PASSWORD, ATTR_PASSWORD_VAL, typed);
    EXPECT_STREQ("", typed);
    EXPECT_TRUE(password->popupInstalled);
    RemovePopup(g_app.passwordPanel);
}

TEST_F(TransferButtonsTest, SelectorsKeepExactlyOneOn)
{
    // Offline only FILE makes sense; the selectors are live as with a sensor connected.
    SetButtonsDimmed(DIM_ALL_GROUPS, 0);
    ToggleSelector(MAINP_EEPROM);
    EXPECT_EQ(PARA_MEMORY_EEPROM, g_app.paraMemory);
    EXPECT_EQ(0, SelectorValue(MAINP_RAM));
    EXPECT_EQ(1, SelectorValue(MAINP_EEPROM));
    EXPECT_EQ(0, SelectorValue(MAINP_FILE));

    ToggleSelector(MAINP_RAM);
    EXPECT_EQ(PARA_MEMORY_RAM, g_app.paraMemory);
    EXPECT_EQ(1, SelectorValue(MAINP_RAM));
    EXPECT_EQ(0, SelectorValue(MAINP_EEPROM));

    // Clicking the selector that is on leaves it on.
    ToggleSelector(MAINP_RAM);
    EXPECT_EQ(PARA_MEMORY_RAM, g_app.paraMemory);
    EXPECT_EQ(1, SelectorValue(MAINP_RAM));

    ToggleSelector(MAINP_FILE);
    EXPECT_EQ(PARA_MEMORY_FILE, g_app.paraMemory);
    EXPECT_EQ(0, SelectorValue(MAINP_RAM));
    EXPECT_EQ(0, SelectorValue(MAINP_EEPROM));
    EXPECT_EQ(1, SelectorValue(MAINP_FILE));
}

TEST_F(TransferButtonsTest, WhileLiveDataRunsSendAndGetOnlyQueueTheirRequest)
{
    for (short memory : {PARA_MEMORY_RAM, PARA_MEMORY_EEPROM}) {
        g_app.paraMemory = memory;
        g_loops.liveRunning = 1;
        g_loops.sendRequested = 0;
        g_loops.getRequested = 0;
        SetCtrlVal(Page1(), TABPARA1_POWER, 640);
        Press(g_app.mainPanel, MAINP_SEND);
        EXPECT_EQ(1, g_loops.sendRequested);
        EXPECT_EQ(0, g_loops.getRequested);
        Press(g_app.mainPanel, MAINP_GET);
        EXPECT_EQ(1, g_loops.getRequested);
        EXPECT_EQ(640, Value(Page1(), TABPARA1_POWER));
        EXPECT_FALSE(Dimmed(g_app.mainPanel, MAINP_SEND));
        EXPECT_EQ(0, PopupCount());
    }
    g_loops.liveRunning = 0;
}

TEST_F(TransferButtonsTest, StoppedLiveDataTransfersAtOnceAndUndimsAfterwards)
{
    // No sensor answers: the transfer fails through the link failure, which has
    // reported it; the transfer controls are live again afterwards.
    g_app.paraMemory = PARA_MEMORY_RAM;
    g_loops.liveRunning = 0;
    g_loops.sendRequested = 1;
    g_loops.getRequested = 1;
    SetCtrlVal(Page1(), TABPARA1_POWER, 640);
    Press(g_app.mainPanel, MAINP_SEND);
    EXPECT_EQ(0, g_loops.sendRequested);
    Press(g_app.mainPanel, MAINP_GET);
    EXPECT_EQ(0, g_loops.getRequested);
    EXPECT_EQ(640, Value(Page1(), TABPARA1_POWER));
    EXPECT_FALSE(Dimmed(g_app.mainPanel, MAINP_SEND));
    EXPECT_FALSE(Dimmed(g_app.mainPanel, MAINP_GET));
    EXPECT_TRUE(FileDialogs().empty());
}

TEST_F(TransferButtonsTest, FileTargetWorksWithoutASensor)
{
    const std::string file = dir + "/Parameter.ini";
    SetCtrlVal(Page1(), TABPARA1_POWER, 640);
    ChooseFile(file);
    ASSERT_TRUE(PressKey(g_app.mainPanel, Qt::Key_F9));
    EXPECT_NE(std::string::npos, ReadWholeFile(file).find("POWER = 640\r\n"));

    SetCtrlVal(Page1(), TABPARA1_POWER, 100);
    ChooseFile(file);
    ASSERT_TRUE(PressKey(g_app.mainPanel, Qt::Key_F10));
    EXPECT_EQ(640, Value(Page1(), TABPARA1_POWER));

    SetCtrlVal(Page1(), TABPARA1_POWER, 650);
    ChooseFile(file);
    ASSERT_TRUE(ClickButton(g_app.mainPanel, MAINP_SEND));
    SetCtrlVal(Page1(), TABPARA1_POWER, 100);
    ChooseFile(file);
    ASSERT_TRUE(ClickButton(g_app.mainPanel, MAINP_GET));
    EXPECT_EQ(650, Value(Page1(), TABPARA1_POWER));

    EXPECT_EQ(4u, FileDialogs().size());
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(0, g_loops.sendRequested);
    EXPECT_EQ(0, g_loops.getRequested);
}
