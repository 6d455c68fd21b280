#pragma once
// The round on/off lamp of the UI runtime. Presses are not accepted, so that the
// runtime sees every click (right click shows the LED's help).

#include <QWidget>

class LedWidget : public QWidget
{
    Q_OBJECT

  public:
    explicit LedWidget(QWidget *parent = nullptr);

    void setOn(bool on);
    bool isOn() const;
    // Colours 0xRRGGBB; defaults on orange 0xFF8000, off black.
    void setColors(int on, int off);
    int onColor() const;
    int offColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    bool on_ = false;
    int onColor_ = 0xFF8000;
    int offColor_ = 0x000000;
};
