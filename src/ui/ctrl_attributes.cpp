// Attributes of controls.
#include "ui/chart_ops.h"
#include "ui/double_numeric.h"
#include "ui/ui_qt.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>

#include <climits>
#include <cmath>

namespace
{

bool IsButton(int kind)
{
    return kind == CTRL_COMMAND_BUTTON || kind == CTRL_TOGGLE_BUTTON;
}

int SetGeometryPart(CtrlRecord &ctrl, int attribute, int value)
{
    QRect rect = ctrl.widget->geometry();
    switch (attribute) {
    case ATTR_LEFT:
        rect.moveLeft(value);
        break;
    case ATTR_TOP:
        rect.moveTop(value);
        break;
    case ATTR_WIDTH:
        if (value < 0)
            return UIE_INVALID_VALUE;
        rect.setWidth(value);
        break;
    default:
        if (value < 0)
            return UIE_INVALID_VALUE;
        rect.setHeight(value);
        break;
    }
    ctrl.widget->setGeometry(rect);
    PlaceCtrlLabel(ctrl);
    return UIE_OK;
}

int GeometryPart(const CtrlRecord &ctrl, int attribute)
{
    QRect rect = ctrl.widget->geometry();
    switch (attribute) {
    case ATTR_LEFT:
        return rect.left();
    case ATTR_TOP:
        return rect.top();
    case ATTR_WIDTH:
        return rect.width();
    default:
        return rect.height();
    }
}

void SetPaletteColor(QWidget *widget, std::initializer_list<QPalette::ColorRole> roles, int rgb)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : roles)
        palette.setColor(role, ColorFromRgb(rgb));
    widget->setPalette(palette);
}

int SetTextColor(CtrlRecord &ctrl, int rgb)
{
    SetPaletteColor(ctrl.widget, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, rgb);
    ctrl.textColor = rgb;
    return UIE_OK;
}

int SetTextBgColor(CtrlRecord &ctrl, int rgb)
{
    QWidget *widget = ctrl.widget;
    ctrl.textBgColor = rgb;
    if (rgb == VAL_TRANSPARENT) {
        widget->setAutoFillBackground(false);
        return UIE_OK;
    }
    SetPaletteColor(widget, {QPalette::Window, QPalette::Base}, rgb);
    widget->setAutoFillBackground(ctrl.kind == CTRL_TEXT_MSG || ctrl.kind == CTRL_DECORATION);
    return UIE_OK;
}

int SetFrameColor(CtrlRecord &ctrl, int rgb)
{
    ctrl.frameColor = rgb;
    if (ctrl.kind == CTRL_DECORATION || ctrl.kind == CTRL_PICTURE) {
        SetPaletteColor(ctrl.widget, {QPalette::Window}, rgb);
        ctrl.widget->setAutoFillBackground(true);
    }
    return UIE_OK;
}

int SetButtonColor(CtrlRecord &ctrl, int rgb)
{
    if (!IsButton(ctrl.kind))
        return UIE_INVALID_ATTRIBUTE;
    SetPaletteColor(ctrl.widget, {QPalette::Button}, rgb);
    ctrl.buttonColor = rgb;
    return UIE_OK;
}

int SetPointSize(CtrlRecord &ctrl, int size)
{
    if (size <= 0)
        return UIE_INVALID_VALUE;
    QFont font = ctrl.widget->font();
    font.setPointSize(size);
    ctrl.widget->setFont(font);
    if (ctrl.autoSize)
        ctrl.widget->adjustSize();
    return UIE_OK;
}

int SetVisible(CtrlRecord &ctrl, int visible)
{
    ctrl.widget->setVisible(visible != 0);
    SyncCtrlLabel(ctrl);
    return UIE_OK;
}

int SetDimmed(CtrlRecord &ctrl, int dimmed)
{
    ctrl.dimmed = dimmed != 0;
    ctrl.widget->setEnabled(!ctrl.dimmed);
    SyncCtrlLabel(ctrl);
    return UIE_OK;
}

int SetPrecision(CtrlRecord &ctrl, int digits)
{
    if (digits < 0 || digits > 15)
        return UIE_INVALID_VALUE;
    if (auto *spin = qobject_cast<DoubleNumeric *>(ctrl.widget.data())) {
        spin->setPrecision(digits);
        return UIE_OK;
    }
    return qobject_cast<QSpinBox *>(ctrl.widget.data()) ? UIE_OK : UIE_INVALID_ATTRIBUTE;
}

int ClampToInt(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::max<double>(INT_MIN, std::min<double>(INT_MAX, std::round(value))));
}

int SetLimit(CtrlRecord &ctrl, int attribute, double value)
{
    QWidget *widget = ctrl.widget;
    QSignalBlocker blocker(widget);
    bool isMin = attribute == ATTR_MIN_VALUE;
    if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget)) {
        isMin ? spin->setMinimum(value) : spin->setMaximum(value);
        return UIE_OK;
    }
    if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        isMin ? spin->setMinimum(ClampToInt(value)) : spin->setMaximum(ClampToInt(value));
        return UIE_OK;
    }
    if (auto *slider = qobject_cast<QSlider *>(widget)) {
        isMin ? slider->setMinimum(ClampToInt(value)) : slider->setMaximum(ClampToInt(value));
        return UIE_OK;
    }
    return UIE_INVALID_ATTRIBUTE;
}

int GetLimit(const CtrlRecord &ctrl, int attribute, double *value)
{
    QWidget *widget = ctrl.widget;
    bool isMin = attribute == ATTR_MIN_VALUE;
    if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget))
        *value = isMin ? spin->minimum() : spin->maximum();
    else if (auto *spin = qobject_cast<QSpinBox *>(widget))
        *value = isMin ? spin->minimum() : spin->maximum();
    else if (auto *slider = qobject_cast<QSlider *>(widget))
        *value = isMin ? slider->minimum() : slider->maximum();
    else
        return UIE_INVALID_ATTRIBUTE;
    return UIE_OK;
}

int SetMaxEntryLength(CtrlRecord &ctrl, int length)
{
    QLineEdit *edit = StringEdit(ctrl);
    if (!edit)
        return UIE_INVALID_ATTRIBUTE;
    edit->setMaxLength(length < 0 ? 32767 : length);
    return UIE_OK;
}

int SetLabelText(int panel, CtrlRecord &ctrl, const QString &text)
{
    if (auto *button = qobject_cast<QAbstractButton *>(ctrl.widget.data())) {
        button->setText(text);
        FollowLabelWithName(ctrl, text);
        return UIE_OK;
    }
    if (ctrl.kind == CTRL_TEXT_MSG) {
        static_cast<QLabel *>(ctrl.widget.data())->setText(text);
        if (ctrl.autoSize)
            ctrl.widget->adjustSize();
        FollowLabelWithName(ctrl, text);
        return UIE_OK;
    }
    if (ctrl.kind == CTRL_PICTURE || ctrl.kind == CTRL_DECORATION || ctrl.kind == CTRL_TAB)
        return UIE_INVALID_ATTRIBUTE;
    if (!ctrl.label) {
        auto *label = new QLabel(ctrl.widget->parentWidget());
        label->setTextFormat(Qt::PlainText);
        ctrl.label = label;
        WatchCtrlWidget(panel, ctrl.id, ctrl.widget);
    }
    ctrl.label->setText(text);
    PlaceCtrlLabel(ctrl);
    SyncCtrlLabel(ctrl);
    FollowLabelWithName(ctrl, text);
    return UIE_OK;
}

QString LabelText(const CtrlRecord &ctrl)
{
    if (auto *button = qobject_cast<QAbstractButton *>(ctrl.widget.data()))
        return button->text();
    if (ctrl.kind == CTRL_TEXT_MSG)
        return static_cast<QLabel *>(ctrl.widget.data())->text();
    return ctrl.label ? ctrl.label->text() : QString();
}

int GetIntAttribute(const CtrlRecord &ctrl, int attribute, int *value)
{
    switch (attribute) {
    case ATTR_LEFT:
    case ATTR_TOP:
    case ATTR_WIDTH:
    case ATTR_HEIGHT:
        *value = GeometryPart(ctrl, attribute);
        return UIE_OK;
    case ATTR_VISIBLE:
        *value = ctrl.widget->isHidden() ? 0 : 1;
        return UIE_OK;
    case ATTR_DIMMED:
        *value = ctrl.dimmed ? 1 : 0;
        return UIE_OK;
    case ATTR_CTRL_MODE:
        *value = ctrl.indicator ? VAL_INDICATOR : VAL_HOT;
        return UIE_OK;
    case ATTR_TEXT_COLOR:
        *value = ctrl.textColor;
        return UIE_OK;
    case ATTR_TEXT_BGCOLOR:
        *value = ctrl.textBgColor;
        return UIE_OK;
    case ATTR_FRAME_COLOR:
        *value = ctrl.frameColor;
        return UIE_OK;
    case ATTR_CMD_BUTTON_COLOR:
        if (!IsButton(ctrl.kind))
            return UIE_INVALID_ATTRIBUTE;
        *value = ctrl.buttonColor;
        return UIE_OK;
    case ATTR_TEXT_POINT_SIZE:
        *value = ctrl.widget->font().pointSize();
        return UIE_OK;
    case ATTR_PRECISION:
        if (auto *spin = qobject_cast<DoubleNumeric *>(ctrl.widget.data()))
            *value = spin->precision();
        else if (qobject_cast<QSpinBox *>(ctrl.widget.data()))
            *value = 0;
        else
            return UIE_INVALID_ATTRIBUTE;
        return UIE_OK;
    case ATTR_MIN_VALUE:
    case ATTR_MAX_VALUE: {
        double limit = 0.0;
        int status = GetLimit(ctrl, attribute, &limit);
        *value = ClampToInt(limit);
        return status;
    }
    case ATTR_ON_COLOR:
    case ATTR_OFF_COLOR:
        return ctrl.kind == CTRL_LED ? GetLedColor(ctrl.widget, attribute, value) : UIE_INVALID_ATTRIBUTE;
    case ATTR_MAX_ENTRY_LENGTH: {
        QLineEdit *edit = StringEdit(ctrl);
        if (!edit)
            return UIE_INVALID_ATTRIBUTE;
        *value = edit->maxLength() >= 32767 ? -1 : edit->maxLength();
        return UIE_OK;
    }
    case ATTR_NUM_TRACES:
    case ATTR_POINTS_PER_SCREEN:
        return ctrl.kind == CTRL_STRIP_CHART ? GetStripChartAttribute(ctrl.widget, attribute, value)
                                             : UIE_INVALID_ATTRIBUTE;
    case ATTR_CHART_PAUSED:
        return GetChartPaused(ctrl.widget, value);
    case ATTR_CTRL_KIND:
        *value = ctrl.kind;
        return UIE_OK;
    default:
        return UIE_INVALID_ATTRIBUTE;
    }
}

int SetIntAttribute(CtrlRecord &ctrl, int attribute, int value)
{
    switch (attribute) {
    case ATTR_LEFT:
    case ATTR_TOP:
    case ATTR_WIDTH:
    case ATTR_HEIGHT:
        return SetGeometryPart(ctrl, attribute, value);
    case ATTR_VISIBLE:
        return SetVisible(ctrl, value);
    case ATTR_DIMMED:
        return SetDimmed(ctrl, value);
    case ATTR_CTRL_MODE:
        if (value != VAL_HOT && value != VAL_INDICATOR)
            return UIE_INVALID_VALUE;
        ApplyCtrlMode(ctrl, value);
        return UIE_OK;
    case ATTR_TEXT_COLOR:
        return SetTextColor(ctrl, value);
    case ATTR_TEXT_BGCOLOR:
        return SetTextBgColor(ctrl, value);
    case ATTR_FRAME_COLOR:
        return SetFrameColor(ctrl, value);
    case ATTR_CMD_BUTTON_COLOR:
        return SetButtonColor(ctrl, value);
    case ATTR_TEXT_POINT_SIZE:
        return SetPointSize(ctrl, value);
    case ATTR_PRECISION:
        return SetPrecision(ctrl, value);
    case ATTR_MIN_VALUE:
    case ATTR_MAX_VALUE:
        return SetLimit(ctrl, attribute, value);
    case ATTR_ON_COLOR:
    case ATTR_OFF_COLOR:
        return ctrl.kind == CTRL_LED ? SetLedColor(ctrl.widget, attribute, value) : UIE_INVALID_ATTRIBUTE;
    case ATTR_MAX_ENTRY_LENGTH:
        return SetMaxEntryLength(ctrl, value);
    case ATTR_NUM_TRACES:
    case ATTR_POINTS_PER_SCREEN:
        return ctrl.kind == CTRL_STRIP_CHART ? SetStripChartAttribute(ctrl.widget, attribute, value)
                                             : UIE_INVALID_ATTRIBUTE;
    case ATTR_CHART_PAUSED:
        return SetChartPaused(ctrl.widget, value);
    default:
        return UIE_INVALID_ATTRIBUTE;
    }
}

} // namespace

void ApplyCtrlMode(CtrlRecord &ctrl, int mode)
{
    bool indicator = mode == VAL_INDICATOR;
    ctrl.indicator = indicator;
    QWidget *widget = ctrl.widget;
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget)) {
        spin->setReadOnly(indicator);
        spin->setButtonSymbols(indicator ? QAbstractSpinBox::NoButtons : QAbstractSpinBox::UpDownArrows);
    } else if (QLineEdit *edit = StringEdit(ctrl)) {
        edit->setReadOnly(indicator);
    } else if (auto *box = qobject_cast<QPlainTextEdit *>(widget)) {
        box->setReadOnly(indicator);
    } else if (auto *table = qobject_cast<QTableWidget *>(widget)) {
        table->setEditTriggers(indicator
                                   ? QAbstractItemView::NoEditTriggers
                                   : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                         QAbstractItemView::AnyKeyPressed);
    } else if (IsButton(ctrl.kind) || ctrl.kind == CTRL_CHECK_BOX || ctrl.kind == CTRL_RING ||
               ctrl.kind == CTRL_SLIDE) {
        widget->setFocusPolicy(indicator ? Qt::NoFocus : Qt::StrongFocus);
    }
}

int SetCtrlAttribute(int panel, int control, int attribute, int value)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    return status < 0 ? status : SetIntAttribute(*ctrl, attribute, value);
}

int SetCtrlAttribute(int panel, int control, int attribute, double value)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    if (attribute == ATTR_MIN_VALUE || attribute == ATTR_MAX_VALUE)
        return SetLimit(*ctrl, attribute, value);
    return SetIntAttribute(*ctrl, attribute, ClampToInt(value));
}

int SetCtrlAttribute(int panel, int control, int attribute, const char *value)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    if (!value)
        return UIE_INVALID_VALUE;
    QString text = QString::fromUtf8(value);
    switch (attribute) {
    case ATTR_TEXT_FONT: {
        QFont font = ctrl->widget->font();
        font.setFamily(text);
        ctrl->widget->setFont(font);
        if (ctrl->autoSize)
            ctrl->widget->adjustSize();
        return UIE_OK;
    }
    case ATTR_LABEL_TEXT:
        return SetLabelText(panel, *ctrl, text);
    case ATTR_TOOLTIP_TEXT:
        ctrl->widget->setToolTip(text);
        return UIE_OK;
    case ATTR_XNAME:
    case ATTR_YNAME:
        return SetAxisName(*ctrl, attribute, text);
    default:
        return UIE_INVALID_ATTRIBUTE;
    }
}

int GetCtrlAttribute(int panel, int control, int attribute, int *value)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    return value ? GetIntAttribute(*ctrl, attribute, value) : UIE_INVALID_VALUE;
}

int GetCtrlAttribute(int panel, int control, int attribute, double *value)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    if (!value)
        return UIE_INVALID_VALUE;
    if (attribute == ATTR_MIN_VALUE || attribute == ATTR_MAX_VALUE)
        return GetLimit(*ctrl, attribute, value);
    int number = 0;
    status = GetIntAttribute(*ctrl, attribute, &number);
    if (status == UIE_OK)
        *value = number;
    return status;
}

int GetCtrlAttribute(int panel, int control, int attribute, char *value, int size)
{
    CtrlRecord *ctrl = nullptr;
    int status = LookupCtrl(panel, control, &ctrl);
    if (status < 0)
        return status;
    switch (attribute) {
    case ATTR_TEXT_FONT:
        return CopyTextOut(ctrl->widget->font().family(), value, size);
    case ATTR_LABEL_TEXT:
        return CopyTextOut(LabelText(*ctrl), value, size);
    case ATTR_TOOLTIP_TEXT:
        return CopyTextOut(ctrl->widget->toolTip(), value, size);
    case ATTR_ACCESSIBLE_NAME:
        return CopyTextOut(QString::fromStdString(ctrl->accessibleName), value, size);
    case ATTR_XNAME:
    case ATTR_YNAME: {
        QString name;
        int status = GetAxisName(*ctrl, attribute, &name);
        return status < 0 ? status : CopyTextOut(name, value, size);
    }
    default:
        return UIE_INVALID_ATTRIBUTE;
    }
}
