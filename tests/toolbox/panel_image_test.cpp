#include "support/event_recorder.h"
#include "support/ui_errors.h"
#include "toolbox/panel_image.h"
#include "ui/panel_loader.h"
#include "ui/userint.h"

#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

TEST(PanelImage, SavesWhatThePanelShows)
{
    int panel = LoadPanelFromDef(
        0, MakePanelDef("Scope", {MakeCtrl(1, CTRL_TEXT_MSG, "", 10, 10).Text("Scope")}, 320, 200));
    ASSERT_GT(panel, 0);
    DisplayPanel(panel);
    QTemporaryDir dir;
    QString png = dir.filePath("scope.png");
    ASSERT_EQ(SavePanelDisplayToFile(panel, png.toUtf8().constData()), 0);
    QImage image(png);
    EXPECT_EQ(image.size(), QSize(320, 200));
    EXPECT_EQ(QImageReader(png).format(), "png");

    QString bmp = dir.filePath("scope.bmp");
    ASSERT_EQ(SavePanelDisplayToFile(panel, bmp.toUtf8().constData()), 0);
    EXPECT_EQ(QImageReader(bmp).format(), "bmp");
    // A name without a known image extension is written as PNG.
    QString plain = dir.filePath("scope.tmp");
    ASSERT_EQ(SavePanelDisplayToFile(panel, plain.toUtf8().constData()), 0);
    EXPECT_EQ(QImageReader(plain).format(), "png");

    EXPECT_LT(SavePanelDisplayToFile(panel, dir.filePath("missing/dir/x.png").toUtf8().constData()), 0);
    EXPECT_LT(SavePanelDisplayToFile(panel, nullptr), 0);
    ExpectUiErrors expected;
    EXPECT_EQ(SavePanelDisplayToFile(4242, png.toUtf8().constData()), UIE_INVALID_PANEL);
    EXPECT_EQ(expected.Count(), 1);
    DiscardPanel(panel);
}

} // namespace
