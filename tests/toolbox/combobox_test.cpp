#include "support/event_recorder.h"
#include "support/ui_actions.h"
#include "support/ui_errors.h"
#include "toolbox/combobox.h"
#include "ui/panel_loader.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

namespace
{

enum { ADDRESS = 1 };

class AddressBox : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        panel = LoadPanelFromDef(
            0, MakePanelDef("Connection",
                            {MakeCtrl(ADDRESS, CTRL_STRING, "IP address", 40, 10, 200).Text("10.0.0.1")}));
        ASSERT_GT(panel, 0);
        ASSERT_EQ(Combo_NewComboBox(panel, ADDRESS), 0);
        ASSERT_TRUE(ShowAndActivate(panel));
        ClearRecordedEvents();
    }
    void TearDown() override { DiscardPanel(panel); }
    QComboBox *Combo() { return qobject_cast<QComboBox *>(CtrlWidget(panel, ADDRESS)); }
    std::string Entry(int index)
    {
        char text[256] = "";
        EXPECT_EQ(Combo_GetValueFromIndex(panel, ADDRESS, index, text, sizeof text), 0);
        return text;
    }
    int Count()
    {
        int count = -1;
        EXPECT_EQ(Combo_GetComboAttribute(panel, ADDRESS, ATTR_COMBO_NUM_ITEMS, &count), 0);
        return count;
    }
    std::string Text()
    {
        char text[256] = "";
        EXPECT_EQ(GetCtrlVal(panel, ADDRESS, text, sizeof text), 0);
        return text;
    }
    int panel = 0;
};

TEST_F(AddressBox, TakesThePlaceOfTheStringControl)
{
    QComboBox *combo = Combo();
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->geometry(), QRect(10, 40, 200, combo->height()));
    EXPECT_EQ(combo->accessibleName(), "IP address");
    EXPECT_EQ(Text(), "10.0.0.1");
    SetCtrlVal(panel, ADDRESS, "sensor.local");
    EXPECT_EQ(Text(), "sensor.local");
    EXPECT_LT(Combo_NewComboBox(panel, ADDRESS), 0);
    {
        ExpectUiErrors expected;
        EXPECT_LT(Combo_InsertComboItem(panel, 4242, -1, "x"), 0);
        EXPECT_EQ(expected.Count(), 1);
    }
}

TEST_F(AddressBox, HistoryOperations)
{
    for (const char *host : {"a", "b", "c"})
        ASSERT_EQ(Combo_InsertComboItem(panel, ADDRESS, -1, host), 0);
    ASSERT_EQ(Combo_InsertComboItem(panel, ADDRESS, 0, "top"), 0);
    ASSERT_EQ(Combo_InsertComboItem(panel, ADDRESS, 2, "mid"), 0);
    EXPECT_EQ(Count(), 5);
    EXPECT_EQ(Entry(0), "top");
    EXPECT_EQ(Entry(1), "a");
    EXPECT_EQ(Entry(2), "mid");
    EXPECT_EQ(Entry(4), "c");
    // The list changes, the text being edited does not.
    EXPECT_EQ(Text(), "10.0.0.1");

    int index = -2;
    Combo_GetIndex(panel, ADDRESS, "mid", &index);
    EXPECT_EQ(index, 2);
    Combo_GetIndex(panel, ADDRESS, "MID", &index);
    EXPECT_EQ(index, -1);

    ASSERT_EQ(Combo_DeleteComboItem(panel, ADDRESS, 2, 1), 0);
    EXPECT_EQ(Count(), 4);
    EXPECT_EQ(Entry(2), "b");
    ASSERT_EQ(Combo_DeleteComboItem(panel, ADDRESS, 1, -1), 0);
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(Entry(0), "top");
    EXPECT_LT(Combo_DeleteComboItem(panel, ADDRESS, 1, 1), 0);
    EXPECT_LT(Combo_GetValueFromIndex(panel, ADDRESS, 5, nullptr, 0), 0);
    EXPECT_EQ(Text(), "10.0.0.1");

    EXPECT_EQ(Combo_SetComboAttribute(panel, ADDRESS, ATTR_COMBO_FRAME_COLOR, VAL_LT_GRAY), 0);
    int color = 0;
    Combo_GetComboAttribute(panel, ADDRESS, ATTR_COMBO_FRAME_COLOR, &color);
    EXPECT_EQ(color, VAL_LT_GRAY);
    EXPECT_EQ(Combo_SetComboAttribute(panel, ADDRESS, ATTR_COMBO_NUM_ITEMS, 3), UIE_INVALID_ATTRIBUTE);
    EXPECT_TRUE(RecordedEvents().empty());
}

TEST_F(AddressBox, EnterAndPickingAnEntryCommit)
{
    CommitString(panel, ADDRESS, "192.168.1.5");
    EXPECT_EQ(CountEvents(ADDRESS, EVENT_COMMIT), 1);
    EXPECT_EQ(RecordedEvents().back().panel, panel);
    EXPECT_EQ(Text(), "192.168.1.5");
    EXPECT_EQ(Count(), 0); // the program keeps the history, not the box

    Combo_InsertComboItem(panel, ADDRESS, -1, "10.1.1.1");
    Combo_InsertComboItem(panel, ADDRESS, -1, "10.2.2.2");
    QComboBox *combo = Combo();
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    view->setCurrentIndex(view->model()->index(1, 0));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(CountEvents(ADDRESS, EVENT_COMMIT), 2);
    EXPECT_EQ(Text(), "10.2.2.2");

    RightClick(panel, ADDRESS);
    EXPECT_EQ(CountEvents(ADDRESS, EVENT_RIGHT_CLICK), 1);
}

TEST_F(AddressBox, HidingAndDimmingCoverTheDropDownButton)
{
    QComboBox *combo = Combo();
    QLabel *label = CtrlLabel(panel, ADDRESS);
    SetCtrlAttribute(panel, ADDRESS, ATTR_VISIBLE, 0);
    EXPECT_FALSE(combo->isVisible());
    EXPECT_FALSE(label->isVisible());
    SetCtrlAttribute(panel, ADDRESS, ATTR_VISIBLE, 1);
    EXPECT_TRUE(combo->isVisible());
    SetCtrlAttribute(panel, ADDRESS, ATTR_DIMMED, 1);
    EXPECT_FALSE(combo->isEnabled());
    CommitString(panel, ADDRESS, "x");
    EXPECT_EQ(CountEvents(ADDRESS, EVENT_COMMIT), 0);
}

TEST_F(AddressBox, DiscardingGivesThePlainFieldBack)
{
    SetCtrlVal(panel, ADDRESS, "kept");
    ASSERT_EQ(Combo_DiscardComboBox(panel, ADDRESS), 0);
    EXPECT_EQ(Combo(), nullptr);
    EXPECT_EQ(Text(), "kept");
    EXPECT_TRUE(CtrlWidget(panel, ADDRESS)->isVisible());
    EXPECT_LT(Combo_DiscardComboBox(panel, ADDRESS), 0);
    CommitString(panel, ADDRESS, "plain");
    EXPECT_EQ(CountEvents(ADDRESS, EVENT_COMMIT), 1);
}

} // namespace
