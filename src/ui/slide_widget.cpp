#include "ui/slide_widget.h"

#include <QPainter>
#include <QStyleOptionSlider>

#include <algorithm>

SlideWidget::SlideWidget(QWidget *parent) : QSlider(Qt::Horizontal, parent) {}

// Room for the widest value of the range.
int SlideWidget::valueWidth() const
{
    QFontMetrics metrics = fontMetrics();
    int widest = std::max(metrics.horizontalAdvance(QString::number(minimum())),
                          metrics.horizontalAdvance(QString::number(maximum())));
    return widest + 8;
}

// The groove ends before the value; painting and mouse handling both use this.
void SlideWidget::initStyleOption(QStyleOptionSlider *option) const
{
    QSlider::initStyleOption(option);
    option->rect.setRight(option->rect.right() - valueWidth());
}

void SlideWidget::paintEvent(QPaintEvent *event)
{
    QSlider::paintEvent(event);
    QPainter painter(this);
    QRect area(width() - valueWidth(), 0, valueWidth(), height());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, QString::number(value()));
}
