#include "ui/led_widget.h"

#include <QImage>
#include <gtest/gtest.h>

namespace
{

QRgb CentreColour(LedWidget &led)
{
    const QImage image = led.grab().toImage();
    return image.pixel(image.width() / 2, image.height() / 2) & 0xFFFFFF;
}

} // namespace

TEST(LedWidget, SwitchesBetweenItsTwoColours)
{
    LedWidget led;
    led.resize(20, 20);
    EXPECT_FALSE(led.isOn());
    EXPECT_EQ(led.onColor(), 0xFF8000);
    EXPECT_EQ(led.offColor(), 0x000000);
    EXPECT_EQ(CentreColour(led), 0x000000u);

    led.setOn(true);
    EXPECT_TRUE(led.isOn());
    EXPECT_EQ(CentreColour(led), 0xFF8000u);

    led.setColors(0x00FF00, 0x404040);
    EXPECT_EQ(led.onColor(), 0x00FF00);
    EXPECT_EQ(led.offColor(), 0x404040);
    EXPECT_EQ(CentreColour(led), 0x00FF00u) << "a new on colour shows at once";
    led.setOn(false);
    EXPECT_EQ(CentreColour(led), 0x404040u);

    led.setColors(0x7F00FF00, -1);
    EXPECT_EQ(led.onColor(), 0x00FF00) << "only the 0xRRGGBB bits count";
    EXPECT_EQ(led.offColor(), 0xFFFFFF);
}
