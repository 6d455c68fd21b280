#include "resource/panel_ids.h"
#include "support/event_recorder.h"
#include "support/ui_errors.h"
#include "ui/panel_loader.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

namespace
{

enum { NUM = 1, BUTTON, MSG, PICTURE, LED, STRING, DECO, CHART };

int LoadAttributePanel(int parent = 0)
{
    std::vector<CtrlDef> controls = {
        MakeCtrl(NUM, CTRL_NUMERIC, "COM port", 40, 10, 100),
        MakeCtrl(BUTTON, CTRL_COMMAND_BUTTON, "SEND", 40, 200, 80, 26),
        MakeCtrl(MSG, CTRL_TEXT_MSG, "", 100, 10).Text("Hint"),
        MakeCtrl(PICTURE, CTRL_PICTURE, "", 100, 200),
        MakeCtrl(LED, CTRL_LED, "OUT0", 160, 10),
        MakeCtrl(STRING, CTRL_STRING, "", 160, 200, 100).Name("status"),
        MakeCtrl(DECO, CTRL_DECORATION, "", 220, 10, 100, 40),
        MakeCtrl(CHART, CTRL_STRIP_CHART, "CH0", 300, 10, 200, 100),
    };
    return LoadPanelFromDef(parent, MakePanelDef("Attributes", controls));
}

class RuntimeAttributes : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        panel = LoadAttributePanel();
        ASSERT_GT(panel, 0);
    }
    void TearDown() override { DiscardPanel(panel); }
    int Attribute(int control, int attribute)
    {
        int value = -12345;
        EXPECT_EQ(GetCtrlAttribute(panel, control, attribute, &value), 0);
        return value;
    }
    std::string Text(int control, int attribute)
    {
        char text[256] = "";
        EXPECT_EQ(GetCtrlAttribute(panel, control, attribute, text, sizeof text), 0);
        return text;
    }
    int panel = 0;
};

TEST_F(RuntimeAttributes, LabelsMoveHideAndDimWithTheirControl)
{
    QLabel *label = CtrlLabel(panel, NUM);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "COM port");
    QWidget *widget = CtrlWidget(panel, NUM);
    EXPECT_LE(label->geometry().bottom(), widget->geometry().top());

    SetCtrlAttribute(panel, NUM, ATTR_LEFT, 300);
    SetCtrlAttribute(panel, NUM, ATTR_TOP, 120);
    EXPECT_EQ(Attribute(NUM, ATTR_LEFT), 300);
    EXPECT_EQ(Attribute(NUM, ATTR_TOP), 120);
    EXPECT_EQ(label->x(), 300);
    EXPECT_LE(label->geometry().bottom(), 120);

    SetCtrlAttribute(panel, NUM, ATTR_VISIBLE, 0);
    EXPECT_EQ(Attribute(NUM, ATTR_VISIBLE), 0);
    EXPECT_TRUE(widget->isHidden());
    EXPECT_TRUE(label->isHidden());
    SetCtrlAttribute(panel, NUM, ATTR_VISIBLE, 1);
    EXPECT_FALSE(label->isHidden());

    SetCtrlAttribute(panel, NUM, ATTR_DIMMED, 1);
    EXPECT_EQ(Attribute(NUM, ATTR_DIMMED), 1);
    EXPECT_FALSE(widget->isEnabled());
    EXPECT_FALSE(label->isEnabled());

    SetCtrlAttribute(panel, NUM, ATTR_LABEL_TEXT, "KOM-Port");
    EXPECT_EQ(Text(NUM, ATTR_LABEL_TEXT), "KOM-Port");
    EXPECT_EQ(label->text(), "KOM-Port");
    SetCtrlAttribute(panel, BUTTON, ATTR_LABEL_TEXT, "SENDEN");
    EXPECT_EQ(qobject_cast<QPushButton *>(CtrlWidget(panel, BUTTON))->text(), "SENDEN");

    // The LED's label stands beside it.
    QLabel *ledLabel = CtrlLabel(panel, LED);
    ASSERT_NE(ledLabel, nullptr);
    EXPECT_GT(ledLabel->x(), CtrlWidget(panel, LED)->geometry().right());
}

TEST_F(RuntimeAttributes, EveryControlHasAnAccessibleName)
{
    EXPECT_EQ(Text(NUM, ATTR_ACCESSIBLE_NAME), "COM port");
    EXPECT_EQ(Text(STRING, ATTR_ACCESSIBLE_NAME), "status");
    EXPECT_EQ(Text(MSG, ATTR_ACCESSIBLE_NAME), "Hint");
    for (int control : {NUM, BUTTON, MSG, PICTURE, LED, STRING, DECO, CHART}) {
        EXPECT_FALSE(Text(control, ATTR_ACCESSIBLE_NAME).empty()) << control;
        EXPECT_FALSE(CtrlWidget(panel, control)->accessibleName().isEmpty()) << control;
    }
    EXPECT_LT(SetCtrlAttribute(panel, NUM, ATTR_ACCESSIBLE_NAME, "x"), 0);
}

TEST_F(RuntimeAttributes, ModesColoursFontsAndKinds)
{
    EXPECT_EQ(Attribute(NUM, ATTR_CTRL_MODE), VAL_HOT);
    SetCtrlAttribute(panel, NUM, ATTR_CTRL_MODE, VAL_INDICATOR);
    EXPECT_EQ(Attribute(NUM, ATTR_CTRL_MODE), VAL_INDICATOR);
    EXPECT_LT(SetCtrlAttribute(panel, NUM, ATTR_CTRL_MODE, 77), 0);

    EXPECT_EQ(SetCtrlAttribute(panel, BUTTON, ATTR_CMD_BUTTON_COLOR, VAL_RED), 0);
    EXPECT_EQ(Attribute(BUTTON, ATTR_CMD_BUTTON_COLOR), VAL_RED);
    EXPECT_EQ(CtrlWidget(panel, BUTTON)->palette().color(QPalette::Button), QColor(255, 0, 0));
    SetCtrlAttribute(panel, BUTTON, ATTR_CMD_BUTTON_COLOR, VAL_LT_GRAY);
    EXPECT_EQ(CtrlWidget(panel, BUTTON)->palette().color(QPalette::Button), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(SetCtrlAttribute(panel, NUM, ATTR_CMD_BUTTON_COLOR, VAL_RED), UIE_INVALID_ATTRIBUTE);

    SetCtrlAttribute(panel, MSG, ATTR_TEXT_COLOR, VAL_BLUE);
    EXPECT_EQ(Attribute(MSG, ATTR_TEXT_COLOR), VAL_BLUE);
    EXPECT_EQ(CtrlWidget(panel, MSG)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    SetCtrlAttribute(panel, MSG, ATTR_TEXT_BGCOLOR, VAL_TRANSPARENT);
    EXPECT_FALSE(CtrlWidget(panel, MSG)->autoFillBackground());
    SetCtrlAttribute(panel, MSG, ATTR_TEXT_POINT_SIZE, 20);
    EXPECT_EQ(Attribute(MSG, ATTR_TEXT_POINT_SIZE), 20);
    SetCtrlAttribute(panel, MSG, ATTR_TEXT_FONT, "DejaVu Sans");
    EXPECT_EQ(Text(MSG, ATTR_TEXT_FONT), "DejaVu Sans");
    SetCtrlAttribute(panel, MSG, ATTR_TOOLTIP_TEXT, "CHROMIX1 Scope V3.1.0");
    EXPECT_EQ(Text(MSG, ATTR_TOOLTIP_TEXT), "CHROMIX1 Scope V3.1.0");

    SetCtrlAttribute(panel, DECO, ATTR_FRAME_COLOR, VAL_WHITE);
    EXPECT_EQ(Attribute(DECO, ATTR_FRAME_COLOR), VAL_WHITE);

    SetCtrlAttribute(panel, LED, ATTR_ON_COLOR, VAL_GREEN);
    EXPECT_EQ(Attribute(LED, ATTR_ON_COLOR), VAL_GREEN);
    EXPECT_EQ(SetCtrlAttribute(panel, NUM, ATTR_ON_COLOR, VAL_GREEN), UIE_INVALID_ATTRIBUTE);

    SetCtrlAttribute(panel, CHART, ATTR_POINTS_PER_SCREEN, 101);
    EXPECT_EQ(Attribute(CHART, ATTR_POINTS_PER_SCREEN), 101);
    SetCtrlAttribute(panel, CHART, ATTR_NUM_TRACES, 6);
    EXPECT_EQ(Attribute(CHART, ATTR_NUM_TRACES), 6);

    EXPECT_EQ(Attribute(CHART, ATTR_CTRL_KIND), CTRL_STRIP_CHART);
    EXPECT_EQ(Attribute(STRING, ATTR_MAX_ENTRY_LENGTH), -1);
    SetCtrlAttribute(panel, STRING, ATTR_MAX_ENTRY_LENGTH, 99);
    EXPECT_EQ(Attribute(STRING, ATTR_MAX_ENTRY_LENGTH), 99);
    {
        ExpectUiErrors expected;
        EXPECT_EQ(SetCtrlAttribute(panel, 4242, ATTR_VISIBLE, 0), UIE_INVALID_CONTROL);
        EXPECT_EQ(expected.Count(), 1);
    }
    EXPECT_EQ(SetCtrlAttribute(panel, LED, ATTR_PRECISION, 2), UIE_INVALID_ATTRIBUTE);
}

TEST(RuntimeNumericAttributes, PrecisionAndLimitsOfDoubleNumerics)
{
    CtrlDef freq =
        MakeCtrl(1, CTRL_NUMERIC, "Frequency [Hz]", 40, 10, 120).Double().Range(0, 1e6).Precision(2);
    int panel = LoadPanelFromDef(0, MakePanelDef("Scope", {freq}));
    ASSERT_GT(panel, 0);
    SetCtrlVal(panel, 1, 1234.5678);
    char text[32] = "";
    GetCtrlVal(panel, 1, text, sizeof text);
    EXPECT_STREQ(text, "1234.57");
    ASSERT_EQ(SetCtrlAttribute(panel, 1, ATTR_PRECISION, 0), 0);
    int digits = -1;
    GetCtrlAttribute(panel, 1, ATTR_PRECISION, &digits);
    EXPECT_EQ(digits, 0);
    SetCtrlVal(panel, 1, 10000.0);
    GetCtrlVal(panel, 1, text, sizeof text);
    EXPECT_STREQ(text, "10000");
    EXPECT_LT(SetCtrlAttribute(panel, 1, ATTR_PRECISION, -1), 0);

    // Attributes given as doubles are taken as whole numbers where they are integers.
    EXPECT_EQ(SetCtrlAttribute(panel, 1, ATTR_LEFT, 33.4), 0);
    double left = 0;
    GetCtrlAttribute(panel, 1, ATTR_LEFT, &left);
    EXPECT_DOUBLE_EQ(left, 33.0);
    EXPECT_EQ(SetCtrlAttribute(panel, 1, ATTR_MIN_VALUE, 0.5), 0);
    double min = 0;
    GetCtrlAttribute(panel, 1, ATTR_MIN_VALUE, &min);
    EXPECT_DOUBLE_EQ(min, 0.5);
    DiscardPanel(panel);
}

TEST_F(RuntimeAttributes, NewTextMessagesAtRunTime)
{
    int id = NewCtrl(panel, CTRL_TEXT_MSG, "", 18, 15);
    ASSERT_GE(id, FIRST_RUNTIME_CONTROL);
    EXPECT_EQ(SetCtrlAttribute(panel, id, ATTR_TEXT_BGCOLOR, VAL_TRANSPARENT), 0);
    EXPECT_EQ(SetCtrlAttribute(panel, id, ATTR_TEXT_POINT_SIZE, 20), 0);
    EXPECT_EQ(SetCtrlVal(panel, id, "CHROMIX1 Scope V3.1"), 0);
    char text[64] = "";
    GetCtrlVal(panel, id, text, sizeof text);
    EXPECT_STREQ(text, "CHROMIX1 Scope V3.1");
    // The message grows with its text so that it is shown whole.
    auto *label = qobject_cast<QLabel *>(CtrlWidget(panel, id));
    EXPECT_GE(label->width(), label->sizeHint().width());
    EXPECT_EQ(Attribute(id, ATTR_TOP), 18);
    EXPECT_NE(NewCtrl(panel, CTRL_TEXT_MSG, "second", 0, 0), id);
    ExpectUiErrors expected;
    EXPECT_EQ(NewCtrl(4242, CTRL_TEXT_MSG, "x", 0, 0), UIE_INVALID_PANEL);
    EXPECT_EQ(expected.Count(), 1);
}

TEST_F(RuntimeAttributes, PicturesShowImageFiles)
{
    QTemporaryDir dir;
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    QString bmp = dir.filePath("logo.bmp");
    ASSERT_TRUE(image.save(bmp, "BMP"));
    EXPECT_EQ(DisplayImageFile(panel, PICTURE, bmp.toUtf8().constData()), 0);
    auto *picture = qobject_cast<QLabel *>(CtrlWidget(panel, PICTURE));
    EXPECT_EQ(picture->pixmap().size(), QSize(40, 30));
    EXPECT_LT(DisplayImageFile(panel, PICTURE, dir.filePath("missing.bmp").toUtf8().constData()), 0);
    QString junk = dir.filePath("junk.bmp");
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an image");
    file.close();
    EXPECT_LT(DisplayImageFile(panel, PICTURE, junk.toUtf8().constData()), 0);
    EXPECT_LT(DisplayImageFile(panel, NUM, bmp.toUtf8().constData()), 0);
}

TEST_F(RuntimeAttributes, PanelsPositionSizeTitleAndZoom)
{
    ASSERT_EQ(SetPanelAttribute(panel, ATTR_TITLE, "CHROMIX1 Scope V3.1"), 0);
    char title[64] = "";
    GetPanelAttribute(panel, ATTR_TITLE, title, sizeof title);
    EXPECT_STREQ(title, "CHROMIX1 Scope V3.1");

    SetPanelSize(panel, 690, 1014);
    int value = 0;
    GetPanelAttribute(panel, ATTR_HEIGHT, &value);
    EXPECT_EQ(value, 690);
    GetPanelAttribute(panel, ATTR_WIDTH, &value);
    EXPECT_EQ(value, 1014);
    SetPanelPos(panel, 30, 40);
    GetPanelAttribute(panel, ATTR_TOP, &value);
    EXPECT_EQ(value, 30);
    GetPanelAttribute(panel, ATTR_LEFT, &value);
    EXPECT_EQ(value, 40);

    GetPanelAttribute(panel, ATTR_VISIBLE, &value);
    EXPECT_EQ(value, 0); // panels are created hidden
    DisplayPanel(panel);
    GetPanelAttribute(panel, ATTR_VISIBLE, &value);
    EXPECT_EQ(value, 1);
    SetPanelAttribute(panel, ATTR_WINDOW_ZOOM, VAL_MAXIMIZE);
    GetPanelAttribute(panel, ATTR_WINDOW_ZOOM, &value);
    EXPECT_EQ(value, VAL_MAXIMIZE);
    SetPanelAttribute(panel, ATTR_WINDOW_ZOOM, VAL_NO_ZOOM);
    GetPanelAttribute(panel, ATTR_WINDOW_ZOOM, &value);
    EXPECT_EQ(value, VAL_NO_ZOOM);
    HidePanel(panel);
    GetPanelAttribute(panel, ATTR_VISIBLE, &value);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(SetPanelAttribute(panel, ATTR_DIMMED, 1), UIE_INVALID_ATTRIBUTE);
}

TEST_F(RuntimeAttributes, ChildPanelsLiveInTheirParent)
{
    int child = LoadAttributePanel(panel);
    ASSERT_GT(child, 0);
    EXPECT_EQ(PanelWidget(child)->parentWidget(), PanelWidget(panel));
    EXPECT_TRUE(PanelWidget(child)->isHidden());
    SetPanelPos(child, 63, 385);
    EXPECT_EQ(PanelWidget(child)->pos(), QPoint(385, 63));
    SetPanelSize(child, 100, 200);
    SetPanelPos(child, VAL_AUTO_CENTER, VAL_AUTO_CENTER);
    QWidget *parent = PanelWidget(panel);
    EXPECT_EQ(PanelWidget(child)->geometry().center().x() / 10, parent->rect().center().x() / 10);

    ASSERT_EQ(DiscardPanel(panel), 0);
    EXPECT_EQ(PanelWidget(child), nullptr);
    {
        ExpectUiErrors expected;
        EXPECT_EQ(DisplayPanel(child), UIE_INVALID_PANEL);
        EXPECT_EQ(expected.Count(), 1);
    }
    panel = LoadAttributePanel();
}

TEST(RuntimeLoad, LoadPanelChecksFileIndexAndParent)
{
    EXPECT_LT(LoadPanel(0, "Other.uir", MAINP), 0);
    EXPECT_LT(LoadPanel(0, nullptr, MAINP), 0);
    EXPECT_LT(LoadPanel(0, kPanelResourceFile, 4242), 0);
    {
        ExpectUiErrors expected;
        EXPECT_EQ(LoadPanel(4242, kPanelResourceFile, DATAP), UIE_INVALID_PANEL);
        EXPECT_EQ(LoadPanelFromDef(4242, MakePanelDef("x", {})), UIE_INVALID_PANEL);
        EXPECT_EQ(expected.Count(), 2);
    }

    // Two controls with one identifier are refused, and no half-built panel stays.
    PanelDef twice =
        MakePanelDef("x", {MakeCtrl(1, CTRL_NUMERIC, "a", 20, 0), MakeCtrl(1, CTRL_NUMERIC, "b", 60, 0)});
    EXPECT_LT(LoadPanelFromDef(0, twice), 0);
}

} // namespace
