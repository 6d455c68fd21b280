#pragma once
// The slide control: a horizontal slider that shows its value at its right end, as
// an instrument's slide does, so the operator sees the number being set.

#include <QSlider>

class SlideWidget : public QSlider
{
    Q_OBJECT

  public:
    explicit SlideWidget(QWidget *parent);

  protected:
    void initStyleOption(QStyleOptionSlider *option) const override;
    void paintEvent(QPaintEvent *event) override;

  private:
    int valueWidth() const;
};
