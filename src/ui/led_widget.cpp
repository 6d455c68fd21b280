#include "ui/led_widget.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace
{

QColor RgbColor(int color)
{
    return QColor::fromRgb(QRgb(0xFF000000u | (unsigned(color) & 0xFFFFFFu)));
}

} // namespace

LedWidget::LedWidget(QWidget *parent) : QWidget(parent) {}

void LedWidget::setOn(bool on)
{
    if (on == on_)
        return;
    on_ = on;
    update();
}

bool LedWidget::isOn() const
{
    return on_;
}

void LedWidget::setColors(int on, int off)
{
    onColor_ = on & 0xFFFFFF;
    offColor_ = off & 0xFFFFFF;
    update();
}

int LedWidget::onColor() const
{
    return onColor_;
}

int LedWidget::offColor() const
{
    return offColor_;
}

QSize LedWidget::sizeHint() const
{
    return QSize(18, 18);
}

QSize LedWidget::minimumSizeHint() const
{
    return QSize(8, 8);
}

// A lamp of the current colour in a grey bezel, with a small highlight above the
// centre so that a black (off) lamp still reads as a lamp.
void LedWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const int diameter = std::max(4, std::min(width(), height()) - 2);
    const QRectF lamp((width() - diameter) / 2.0, (height() - diameter) / 2.0, diameter, diameter);
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.5));
    painter.setBrush(RgbColor(on_ ? onColor_ : offColor_));
    painter.drawEllipse(lamp);
    const double glint = diameter / 5.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 110));
    painter.drawEllipse(QRectF(lamp.left() + diameter * 0.22, lamp.top() + diameter * 0.18, glint, glint));
}
