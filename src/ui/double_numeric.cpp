#include "ui/double_numeric.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <cmath>

namespace
{

// Digits kept for a value; more than any display shows.
constexpr int kStoredDecimals = 12;

} // namespace

DoubleNumeric::DoubleNumeric(QWidget *parent) : QDoubleSpinBox(parent)
{
    setDecimals(kStoredDecimals);
}

void DoubleNumeric::setPrecision(int digits)
{
    precision_ = digits;
    QSignalBlocker blocker(this);
    lineEdit()->setText(textFromValue(value()));
}

QString DoubleNumeric::textFromValue(double value) const
{
    QString text = locale().toString(value, 'f', precision_);
    if (!isGroupSeparatorShown())
        text.remove(locale().groupSeparator());
    return text;
}

double DoubleNumeric::valueFromText(const QString &text) const
{
    // The display of the value held is no new input: reading it back must not round
    // the digits the value keeps.
    if (keepTypedDigits_ && text == textFromValue(value()))
        return value();
    double typed = QDoubleSpinBox::valueFromText(text);
    if (keepTypedDigits_)
        return typed;
    double scale = std::pow(10.0, precision_);
    return std::round(typed * scale) / scale;
}
