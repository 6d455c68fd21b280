#pragma once
// The numeric control for doubles. Its precision only sets how many digits after the
// point are shown, as on an instrument: a value set by the program keeps all its
// digits, while a value the operator types is taken as shown, rounded to the
// precision, unless the control keeps typed digits (then the typed value stays whole
// and only its display is rounded).

#include <QDoubleSpinBox>

class DoubleNumeric : public QDoubleSpinBox
{
    Q_OBJECT

  public:
    explicit DoubleNumeric(QWidget *parent);
    int precision() const { return precision_; }
    void setPrecision(int digits);
    void setKeepTypedDigits(bool keep) { keepTypedDigits_ = keep; }

  protected:
    QString textFromValue(double value) const override;
    double valueFromText(const QString &text) const override;

  private:
    int precision_ = 0;
    bool keepTypedDigits_ = false;
};
