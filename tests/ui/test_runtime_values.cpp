#include "support/event_recorder.h"
#include "support/ui_errors.h"
#include "ui/panel_loader.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <string>

namespace
{

enum { NUM = 1, DBL, SLIDE, RING, STRING, BOX, MSG, LED, TOGGLE, TABLE, BIG };

int LoadValuePanel()
{
    std::vector<CtrlDef> controls = {
        MakeCtrl(NUM, CTRL_NUMERIC, "Integral", 20, 10, 100).Range(0, 250).Initial(3),
        MakeCtrl(DBL, CTRL_NUMERIC, "Interval", 20, 130, 100)
            .Double()
            .Range(0.1, 99.9)
            .Precision(1)
            .Initial(1.0),
        MakeCtrl(SLIDE, CTRL_SLIDE, "Power", 20, 250, 150).Range(0, 1000).Initial(500),
        MakeCtrl(RING, CTRL_RING, "Gain", 80, 10, 100)
            .Items({{"AMP1", 1}, {"AMP2", 2}, {"AMP1234", 9}})
            .Initial(2),
        MakeCtrl(STRING, CTRL_STRING, "ID", 80, 130, 150).MaxLength(5).Text("ab"),
        MakeCtrl(BOX, CTRL_TEXT_BOX, "Status", 140, 10, 200, 80),
        MakeCtrl(MSG, CTRL_TEXT_MSG, "", 240, 10).Text("Info"),
        MakeCtrl(LED, CTRL_LED, "IN0", 240, 200).On(),
        MakeCtrl(TOGGLE, CTRL_TOGGLE_BUTTON, "FILE", 240, 300, 60, 24),
        MakeCtrl(BIG, CTRL_NUMERIC, "Hold", 300, 10, 100).Range(0, 65535).Initial(60000),
    };
    return LoadPanelFromDef(0, MakePanelDef("Values", controls));
}

class RuntimeValues : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        panel = LoadValuePanel();
        ASSERT_GT(panel, 0);
    }
    void TearDown() override { DiscardPanel(panel); }
    int panel = 0;
};

std::string TextOf(int panel, int control)
{
    char text[256] = "";
    EXPECT_EQ(GetCtrlVal(panel, control, text, sizeof text), 0);
    return text;
}

TEST_F(RuntimeValues, InitialValuesComeFromTheDescription)
{
    int value = 0;
    double number = 0;
    GetCtrlVal(panel, NUM, &value);
    EXPECT_EQ(value, 3);
    GetCtrlVal(panel, DBL, &number);
    EXPECT_DOUBLE_EQ(number, 1.0);
    GetCtrlVal(panel, SLIDE, &value);
    EXPECT_EQ(value, 500);
    GetCtrlVal(panel, RING, &value);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(TextOf(panel, STRING), "ab");
    EXPECT_EQ(TextOf(panel, MSG), "Info");
    GetCtrlVal(panel, LED, &value);
    EXPECT_EQ(value, 1);
    GetCtrlVal(panel, TOGGLE, &value);
    EXPECT_EQ(value, 0);
}

TEST_F(RuntimeValues, NumericValuesAreClampedToTheRange)
{
    int value = 0;
    EXPECT_EQ(SetCtrlVal(panel, NUM, 300), 0);
    GetCtrlVal(panel, NUM, &value);
    EXPECT_EQ(value, 250);
    SetCtrlVal(panel, NUM, -5);
    GetCtrlVal(panel, NUM, &value);
    EXPECT_EQ(value, 0);
    SetCtrlVal(panel, NUM, 7.6);
    GetCtrlVal(panel, NUM, &value);
    EXPECT_EQ(value, 8);

    double number = 0;
    SetCtrlVal(panel, DBL, 150.0);
    GetCtrlVal(panel, DBL, &number);
    EXPECT_DOUBLE_EQ(number, 99.9);
    // The precision is what is shown; the value set keeps its digits.
    SetCtrlVal(panel, DBL, 2.34);
    GetCtrlVal(panel, DBL, &number);
    EXPECT_DOUBLE_EQ(number, 2.34);
    EXPECT_EQ(TextOf(panel, DBL), "2.3");

    SetCtrlVal(panel, SLIDE, 5000);
    GetCtrlVal(panel, SLIDE, &value);
    EXPECT_EQ(value, 1000);

    SetCtrlAttribute(panel, NUM, ATTR_MAX_VALUE, 1000.0);
    SetCtrlVal(panel, NUM, 999);
    GetCtrlVal(panel, NUM, &value);
    EXPECT_EQ(value, 999);
    double limit = 0;
    GetCtrlAttribute(panel, NUM, ATTR_MAX_VALUE, &limit);
    EXPECT_DOUBLE_EQ(limit, 1000.0);
}

TEST_F(RuntimeValues, NarrowIntegerReadsConvertFromTheIntegerValue)
{
    unsigned short word = 0;
    short signedWord = 0;
    unsigned char byte = 0;
    EXPECT_EQ(GetCtrlVal(panel, BIG, &word), 0);
    EXPECT_EQ(word, 60000);
    GetCtrlVal(panel, BIG, &signedWord);
    EXPECT_EQ(signedWord, static_cast<short>(60000));
    GetCtrlVal(panel, RING, &byte);
    EXPECT_EQ(byte, 2);
    GetCtrlVal(panel, DBL, &word);
    EXPECT_EQ(word, 1);
}

TEST_F(RuntimeValues, RingsAreSetAndReadByItemValue)
{
    int value = 0;
    EXPECT_EQ(SetCtrlVal(panel, RING, 9), 0);
    GetCtrlVal(panel, RING, &value);
    EXPECT_EQ(value, 9);
    EXPECT_EQ(TextOf(panel, RING), "AMP1234");
    EXPECT_LT(SetCtrlVal(panel, RING, 4), 0);
    GetCtrlVal(panel, RING, &value);
    EXPECT_EQ(value, 9);

    int count = 0;
    EXPECT_EQ(InsertListItem(panel, RING, 0, "OFF", 0), 0);
    EXPECT_EQ(InsertListItem(panel, RING, -1, "LAST", 12), 0);
    GetNumListItems(panel, RING, &count);
    EXPECT_EQ(count, 5);
    SetCtrlVal(panel, RING, 12);
    EXPECT_EQ(TextOf(panel, RING), "LAST");
    // Replacing an item's label keeps the choice, as a change of language needs.
    ASSERT_EQ(ReplaceListItem(panel, RING, 4, "LETZTE", 12), 0);
    EXPECT_EQ(TextOf(panel, RING), "LETZTE");
    char label[16] = "";
    EXPECT_EQ(GetLabelFromIndex(panel, RING, 0, label, sizeof label), 0);
    EXPECT_STREQ(label, "OFF");
    EXPECT_LT(ReplaceListItem(panel, RING, 5, "x", 1), 0);
    EXPECT_LT(GetLabelFromIndex(panel, RING, -1, label, sizeof label), 0);
    EXPECT_EQ(ClearListCtrl(panel, RING), 0);
    GetNumListItems(panel, RING, &count);
    EXPECT_EQ(count, 0);
    EXPECT_LT(GetCtrlVal(panel, RING, &value), 0);
    EXPECT_LT(InsertListItem(panel, NUM, -1, "x", 1), 0);
}

TEST_F(RuntimeValues, TextsAndTheirLimits)
{
    SetCtrlVal(panel, STRING, "abcdefgh");
    EXPECT_EQ(TextOf(panel, STRING), "abcde");
    char small[4] = "";
    EXPECT_EQ(GetCtrlVal(panel, STRING, small, sizeof small), 0);
    EXPECT_STREQ(small, "abc");

    SetCtrlVal(panel, MSG, "Try to connect!\n");
    EXPECT_EQ(TextOf(panel, MSG), "Try to connect!\n");
    SetCtrlVal(panel, MSG, 42);
    EXPECT_EQ(TextOf(panel, MSG), "42");
}

TEST_F(RuntimeValues, TextBoxAppendsAndScrollsToTheEnd)
{
    SetCtrlVal(panel, BOX, "Try to connect!\n");
    SetCtrlVal(panel, BOX, "COM1\n");
    EXPECT_EQ(TextOf(panel, BOX), "Try to connect!\nCOM1\n");
    for (int i = 0; i < 50; ++i)
        SetCtrlVal(panel, BOX, "line\n");
    auto *box = qobject_cast<QPlainTextEdit *>(CtrlWidget(panel, BOX));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->textCursor().position(), box->document()->characterCount() - 1);
    ResetTextBox(panel, BOX, "");
    EXPECT_EQ(TextOf(panel, BOX), "");
}

TEST_F(RuntimeValues, OnOffControls)
{
    int value = -1;
    SetCtrlVal(panel, LED, 0);
    GetCtrlVal(panel, LED, &value);
    EXPECT_EQ(value, 0);
    SetCtrlVal(panel, TOGGLE, 1);
    GetCtrlVal(panel, TOGGLE, &value);
    EXPECT_EQ(value, 1);
    SetCtrlVal(panel, TOGGLE, 0);
    GetCtrlVal(panel, TOGGLE, &value);
    EXPECT_EQ(value, 0);
}

TEST_F(RuntimeValues, UnknownHandlesGiveNegativeCodes)
{
    int value = 0;
    ExpectUiErrors expected;
    EXPECT_EQ(SetCtrlVal(9999, NUM, 1), UIE_INVALID_PANEL);
    EXPECT_EQ(SetCtrlVal(panel, 4242, 1), UIE_INVALID_CONTROL);
    EXPECT_EQ(GetCtrlVal(panel, 4242, &value), UIE_INVALID_CONTROL);
    // Each unknown handle also reached the error hook, with the handles passed.
    ASSERT_EQ(expected.Count(), 3);
    EXPECT_EQ(expected.Errors()[0].error, UIE_INVALID_PANEL);
    EXPECT_EQ(expected.Errors()[0].panel, 9999);
    EXPECT_EQ(expected.Errors()[1].error, UIE_INVALID_CONTROL);
    EXPECT_EQ(expected.Errors()[2].panel, panel);
    EXPECT_EQ(expected.Errors()[2].control, 4242);
    // Other failures are the caller's to handle; they are not handle mistakes.
    EXPECT_EQ(GetCtrlVal(panel, NUM, static_cast<int *>(nullptr)), UIE_INVALID_VALUE);
    EXPECT_LT(SetCtrlVal(panel, NUM, static_cast<const char *>(nullptr)), 0);
    EXPECT_LT(SetCtrlVal(panel, NUM, "not a number"), 0);
    EXPECT_EQ(SetCtrlVal(panel, NUM, "12"), 0);
    GetCtrlVal(panel, NUM, &value);
    EXPECT_EQ(value, 12);
    EXPECT_LT(GetCtrlVal(panel, LED, static_cast<char *>(nullptr), 0), 0);
    EXPECT_EQ(expected.Count(), 3);
}

} // namespace
