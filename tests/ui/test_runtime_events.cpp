#include "panels/ctrl_builders.h"
#include "support/event_recorder.h"
#include "support/popup_script.h"
#include "support/ui_actions.h"
#include "ui/panel_loader.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

enum {
    BUTTON = 1,
    TOGGLE,
    NUMERIC,
    RING,
    STRING,
    TEXTBOX,
    MESSAGE,
    DECO,
    PICTURE,
    TABLE,
    LED,
    SLIDE,
    DOUBLE
};

int LoadEventPanel()
{
    std::vector<CtrlDef> controls = {
        MakeCtrl(BUTTON, CTRL_COMMAND_BUTTON, "GO", 20, 10, 80, 26).Shortcut("F11"),
        MakeCtrl(TOGGLE, CTRL_TOGGLE_BUTTON, "RAM", 20, 100, 80, 26),
        MakeCtrl(NUMERIC, CTRL_NUMERIC, "COM port", 80, 10, 100).Range(1, 255).Initial(1),
        MakeCtrl(RING, CTRL_RING, "Protocol", 80, 130, 120).Items({{"RS-232", 0}, {"TCP/IP", 1}, {"USB", 7}}),
        MakeCtrl(STRING, CTRL_STRING, "Port number", 140, 10, 120),
        MakeCtrl(TEXTBOX, CTRL_TEXT_BOX, "Status", 200, 10, 200, 80),
        MakeCtrl(MESSAGE, CTRL_TEXT_MSG, "", 300, 10, 120, 20).Text("Hello"),
        MakeCtrl(DECO, CTRL_DECORATION, "", 300, 300, 100, 60),
        MakeCtrl(PICTURE, CTRL_PICTURE, "", 300, 420, 60, 60),
        MakeCtrl(LED, CTRL_LED, "OUT0", 140, 300),
        MakeCtrl(SLIDE, CTRL_SLIDE, "POWER", 20, 300, 150).Range(0, 1000),
        MakeCtrl(DOUBLE, CTRL_NUMERIC, "HOLD", 80, 300, 100).Double().Precision(1).Range(0, 6000),
    };
    return LoadPanelFromDef(0, MakePanelDef("Events", controls));
}

class RuntimeEvents : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        panel = LoadEventPanel();
        ASSERT_GT(panel, 0);
        ASSERT_TRUE(ShowAndActivate(panel));
        ClearRecordedEvents();
    }
    void TearDown() override { DiscardPanel(panel); }
    int panel = 0;
};

TEST_F(RuntimeEvents, ClicksOnEveryKindReachTheCallback)
{
    for (int control : {BUTTON, NUMERIC, RING, STRING, TEXTBOX, MESSAGE, DECO, PICTURE, LED, SLIDE}) {
        ClearRecordedEvents();
        RightClick(panel, control);
        EXPECT_EQ(EventsOf(control), std::vector<int>{EVENT_RIGHT_CLICK}) << "control " << control;
        ClearRecordedEvents();
        RightDoubleClick(panel, control);
        EXPECT_EQ(EventsOf(control), (std::vector<int>{EVENT_RIGHT_CLICK, EVENT_RIGHT_DOUBLE_CLICK}))
            << "control " << control;
    }
    for (int control : {MESSAGE, DECO, PICTURE, LED}) {
        ClearRecordedEvents();
        LeftClick(panel, control);
        EXPECT_EQ(EventsOf(control), std::vector<int>{EVENT_LEFT_CLICK}) << "control " << control;
        ClearRecordedEvents();
        LeftDoubleClick(panel, control);
        EXPECT_EQ(EventsOf(control), (std::vector<int>{EVENT_LEFT_CLICK, EVENT_LEFT_DOUBLE_CLICK}))
            << "control " << control;
    }
    for (const RecordedEvent &event : RecordedEvents())
        EXPECT_EQ(event.panel, panel);
}

TEST_F(RuntimeEvents, EveryPressCountsEvenWithoutTimeStamps)
{
    QWidget *widget = CtrlWidget(panel, DECO);
    QPointF centre = QRectF(widget->rect()).center();
    for (int i = 0; i < 2; ++i) {
        QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
    EXPECT_EQ(CountEvents(DECO, EVENT_LEFT_CLICK), 2);
}

TEST_F(RuntimeEvents, RightClickOpensNoContextMenu)
{
    for (int control : {STRING, NUMERIC, TEXTBOX}) {
        RightClick(panel, control);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "control " << control;
    }
}

TEST_F(RuntimeEvents, OperatorActionsCommit)
{
    ClickButton(panel, BUTTON);
    EXPECT_EQ(EventsOf(BUTTON), (std::vector<int>{EVENT_LEFT_CLICK, EVENT_COMMIT}));

    ToggleButton(panel, TOGGLE);
    EXPECT_EQ(EventsOf(TOGGLE), (std::vector<int>{EVENT_LEFT_CLICK, EVENT_VAL_CHANGED, EVENT_COMMIT}));
    int on = 0;
    GetCtrlVal(panel, TOGGLE, &on);
    EXPECT_EQ(on, 1);

    ClearRecordedEvents();
    CommitRing(panel, RING, 7);
    EXPECT_EQ(CountEvents(RING, EVENT_COMMIT), 1);
    int value = -1;
    GetCtrlVal(panel, RING, &value);
    EXPECT_EQ(value, 7);

    CommitNumeric(panel, NUMERIC, "17");
    EXPECT_EQ(CountEvents(NUMERIC, EVENT_COMMIT), 1);
    GetCtrlVal(panel, NUMERIC, &value);
    EXPECT_EQ(value, 17);
    // Enter on an unchanged value commits nothing.
    CommitNumeric(panel, NUMERIC, "17");
    EXPECT_EQ(CountEvents(NUMERIC, EVENT_COMMIT), 1);
    // The arrow keys step the value like the spin arrows, and each step commits.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(CountEvents(NUMERIC, EVENT_COMMIT), 2);
    GetCtrlVal(panel, NUMERIC, &value);
    EXPECT_EQ(value, 18);

    CommitNumeric(panel, DOUBLE, "12.5");
    EXPECT_EQ(CountEvents(DOUBLE, EVENT_COMMIT), 1);
    double hold = 0;
    GetCtrlVal(panel, DOUBLE, &hold);
    EXPECT_DOUBLE_EQ(hold, 12.5);
    // What the operator types is taken as shown, with the control's one digit.
    CommitNumeric(panel, DOUBLE, "7.26");
    GetCtrlVal(panel, DOUBLE, &hold);
    EXPECT_DOUBLE_EQ(hold, 7.3);

    CommitString(panel, STRING, "5000");
    EXPECT_EQ(CountEvents(STRING, EVENT_COMMIT), 1);
    char text[32] = "";
    GetCtrlVal(panel, STRING, text, sizeof text);
    EXPECT_STREQ(text, "5000");
}

TEST_F(RuntimeEvents, LeavingAFieldCommitsOnlyAChangedText)
{
    TypeText(panel, STRING, "abc");
    EXPECT_EQ(CountEvents(STRING, EVENT_COMMIT), 0);
    MoveFocusAway(panel);
    EXPECT_EQ(CountEvents(STRING, EVENT_COMMIT), 1);
    TypeText(panel, STRING, "abc");
    MoveFocusAway(panel);
    EXPECT_EQ(CountEvents(STRING, EVENT_COMMIT), 1);

    TypeText(panel, NUMERIC, "42");
    EXPECT_EQ(CountEvents(NUMERIC, EVENT_COMMIT), 0);
    MoveFocusAway(panel);
    EXPECT_EQ(CountEvents(NUMERIC, EVENT_COMMIT), 1);

    SetActiveCtrl(panel, TEXTBOX);
    QTest::keyClicks(QApplication::focusWidget(), "note");
    MoveFocusAway(panel);
    EXPECT_EQ(CountEvents(TEXTBOX, EVENT_COMMIT), 1);
}

TEST_F(RuntimeEvents, ShortcutKeyCommitsItsButtonUnlessDimmed)
{
    PressKey(panel, Qt::Key_F11);
    EXPECT_EQ(EventsOf(BUTTON), std::vector<int>{EVENT_COMMIT});
    SetCtrlAttribute(panel, BUTTON, ATTR_DIMMED, 1);
    PressKey(panel, Qt::Key_F11);
    EXPECT_EQ(CountEvents(BUTTON, EVENT_COMMIT), 1);
}

TEST_F(RuntimeEvents, DimmedControlsRaiseNothing)
{
    for (int control : {BUTTON, TOGGLE, NUMERIC, RING, STRING})
        SetCtrlAttribute(panel, control, ATTR_DIMMED, 1);
    ClickButton(panel, BUTTON);
    ToggleButton(panel, TOGGLE);
    CommitNumeric(panel, NUMERIC, "99");
    CommitString(panel, STRING, "x");
    RightClick(panel, RING);
    EXPECT_TRUE(RecordedEvents().empty());
    int value = 0;
    GetCtrlVal(panel, NUMERIC, &value);
    EXPECT_EQ(value, 1);

    SetCtrlAttribute(panel, BUTTON, ATTR_DIMMED, 0);
    ClickButton(panel, BUTTON);
    EXPECT_EQ(CountEvents(BUTTON, EVENT_COMMIT), 1);
}

TEST_F(RuntimeEvents, IndicatorsCannotBeOperatedButStillAnswerClicks)
{
    for (int control : {BUTTON, TOGGLE, NUMERIC, STRING, RING})
        ASSERT_EQ(SetCtrlAttribute(panel, control, ATTR_CTRL_MODE, VAL_INDICATOR), 0);
    ClickButton(panel, BUTTON);
    ToggleButton(panel, TOGGLE);
    CommitNumeric(panel, NUMERIC, "99");
    CommitString(panel, STRING, "typed");
    EXPECT_FALSE(CommitRing(panel, RING, 7));
    EXPECT_EQ(CountEvents(RING, EVENT_COMMIT), 0);
    EXPECT_EQ(CountEvents(BUTTON, EVENT_COMMIT), 0);
    EXPECT_EQ(CountEvents(TOGGLE, EVENT_COMMIT), 0);
    EXPECT_EQ(CountEvents(NUMERIC, EVENT_COMMIT), 0);
    EXPECT_EQ(CountEvents(STRING, EVENT_COMMIT), 0);
    int value = 0;
    GetCtrlVal(panel, NUMERIC, &value);
    EXPECT_EQ(value, 1);
    GetCtrlVal(panel, TOGGLE, &value);
    EXPECT_EQ(value, 0);
    char text[16] = "?";
    GetCtrlVal(panel, STRING, text, sizeof text);
    EXPECT_STREQ(text, "");

    RightClick(panel, NUMERIC);
    EXPECT_EQ(CountEvents(NUMERIC, EVENT_RIGHT_CLICK), 1);

    SetCtrlAttribute(panel, NUMERIC, ATTR_CTRL_MODE, VAL_HOT);
    CommitNumeric(panel, NUMERIC, "99");
    EXPECT_EQ(CountEvents(NUMERIC, EVENT_COMMIT), 1);
}

TEST_F(RuntimeEvents, ProgrammaticChangesRaiseNoEvent)
{
    SetCtrlVal(panel, NUMERIC, 5);
    SetCtrlVal(panel, DOUBLE, 2.5);
    SetCtrlVal(panel, RING, 1);
    SetCtrlVal(panel, STRING, "host");
    SetCtrlVal(panel, TEXTBOX, "line\n");
    SetCtrlVal(panel, TOGGLE, 1);
    SetCtrlVal(panel, SLIDE, 300);
    SetCtrlVal(panel, LED, 1);
    ResetTextBox(panel, TEXTBOX, "");
    QApplication::processEvents();
    EXPECT_TRUE(RecordedEvents().empty());
    // A set value is not an operator change: leaving the field commits nothing, also
    // when the value has more digits than the field shows.
    SetActiveCtrl(panel, STRING);
    MoveFocusAway(panel);
    EXPECT_EQ(CountEvents(STRING, EVENT_COMMIT), 0);
    SetCtrlVal(panel, DOUBLE, 2.56);
    SetActiveCtrl(panel, DOUBLE);
    MoveFocusAway(panel);
    EXPECT_EQ(CountEvents(DOUBLE, EVENT_COMMIT), 0);
    double hold = 0;
    GetCtrlVal(panel, DOUBLE, &hold);
    EXPECT_DOUBLE_EQ(hold, 2.56);
}

TEST_F(RuntimeEvents, CloseBoxAsksThePanelCallbackAndKeepsTheWindow)
{
    ClosePanel(panel);
    ASSERT_EQ(CountEvents(0, EVENT_CLOSE), 1);
    EXPECT_EQ(RecordedEvents().back().panel, panel);
    int visible = 0;
    GetPanelAttribute(panel, ATTR_VISIBLE, &visible);
    EXPECT_EQ(visible, 1);
    EXPECT_TRUE(PanelWidget(panel)->isVisible());
}

TEST_F(RuntimeEvents, RightDoubleClickOnEmptyPanelAreaGoesToThePanel)
{
    RightDoubleClickPanel(panel);
    EXPECT_EQ(CountEvents(0, EVENT_RIGHT_DOUBLE_CLICK), 1);
    // A click on a control is the control's, not the panel's.
    ClearRecordedEvents();
    RightDoubleClick(panel, DECO);
    EXPECT_EQ(CountEvents(0, EVENT_RIGHT_DOUBLE_CLICK), 0);
}

} // namespace
