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
    double typed = QDoubleSpinBox::valueFromText(text);
    double scale = std::pow(10.0, precision_);
    return std::round(typed * scale) / scale;
}
