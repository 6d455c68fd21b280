// Creating the widget of each control kind from its description.
#include "ui/ctrl_factory.h"
#include "ui/chart_ops.h"
#include "ui/double_numeric.h"
#include "ui/slide_widget.h"
#include "ui/table_widget.h"
#include "ui/ui_qt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>

#include <algorithm>
#include <climits>

namespace
{

QString Text(const std::string &text)
{
    return QString::fromStdString(text);
}

int ClampToInt(double value)
{
    if (value <= INT_MIN)
        return INT_MIN;
    if (value >= INT_MAX)
        return INT_MAX;
    return static_cast<int>(value < 0 ? value - 0.5 : value + 0.5);
}

void AddButtonShortcut(int panel, int control, const CtrlDef &def, QPushButton *button)
{
    if (def.shortcut.empty())
        return;
    auto *shortcut = new QShortcut(QKeySequence(Text(def.shortcut)), PanelWidget(panel));
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, [panel, control, button] {
        // The field being typed into commits first, as when the button is clicked with
        // the mouse, so that the action works on what the form shows.
        if (button->isEnabled() && !button->isHidden())
            button->setFocus(Qt::ShortcutFocusReason);
        CtrlRecord *ctrl = FindCtrl(panel, control);
        // A dimmed, hidden or indicator button ignores its key like a click.
        if (ctrl && !ctrl->dimmed && !ctrl->indicator && button->isEnabled() && !button->isHidden())
            button->click();
    });
}

QWidget *CreateCommandButton(int panel, const CtrlDef &def, QWidget *parent)
{
    auto *button = new QPushButton(Text(def.label), parent);
    button->setAutoDefault(false);
    int control = def.id;
    QObject::connect(button, &QPushButton::clicked, button,
                     [panel, control] { DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0); });
    AddButtonShortcut(panel, control, def, button);
    return button;
}

QWidget *CreateToggleButton(int panel, const CtrlDef &def, QWidget *parent)
{
    auto *button = new QPushButton(Text(def.label), parent);
    button->setAutoDefault(false);
    button->setCheckable(true);
    button->setChecked(def.initiallyOn);
    int control = def.id;
    QObject::connect(button, &QPushButton::clicked, button, [panel, control] {
        DispatchCtrlEvent(panel, control, EVENT_VAL_CHANGED, 0, 0);
        DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0);
    });
    return button;
}

QWidget *CreateCheckBox(int panel, const CtrlDef &def, QWidget *parent)
{
    auto *box = new QCheckBox(Text(def.label), parent);
    box->setChecked(def.initiallyOn);
    int control = def.id;
    QObject::connect(box, &QCheckBox::clicked, box, [panel, control] {
        DispatchCtrlEvent(panel, control, EVENT_VAL_CHANGED, 0, 0);
        DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0);
    });
    return box;
}

QWidget *CreateNumeric(int panel, const CtrlDef &def, QWidget *parent)
{
    int control = def.id;
    QAbstractSpinBox *box = nullptr;
    if (def.isDouble) {
        auto *spin = new DoubleNumeric(parent);
        spin->setPrecision(def.precision);
        spin->setKeepTypedDigits(def.keepTypedDigits);
        spin->setRange(def.minValue, def.maxValue);
        spin->setSingleStep(def.increment);
        spin->setValue(def.initialValue);
        QObject::connect(spin, &QDoubleSpinBox::valueChanged, spin,
                         [panel, control] { DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0); });
        box = spin;
    } else {
        auto *spin = new QSpinBox(parent);
        spin->setRange(ClampToInt(def.minValue), ClampToInt(def.maxValue));
        spin->setSingleStep(std::max(1, ClampToInt(def.increment)));
        spin->setValue(ClampToInt(def.initialValue));
        QObject::connect(spin, &QSpinBox::valueChanged, spin,
                         [panel, control] { DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0); });
        box = spin;
    }
    // Typing alone changes nothing: the value is taken on Enter, on leaving the field
    // and on the arrows, and only a changed value commits.
    box->setKeyboardTracking(false);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

QWidget *CreateSlide(int panel, const CtrlDef &def, QWidget *parent)
{
    auto *slider = new SlideWidget(parent);
    slider->setRange(ClampToInt(def.minValue), ClampToInt(def.maxValue));
    slider->setSingleStep(std::max(1, ClampToInt(def.increment)));
    slider->setValue(ClampToInt(def.initialValue));
    // The value commits when the operator lets go, not on every step of a drag.
    slider->setTracking(false);
    int control = def.id;
    QObject::connect(slider, &QSlider::valueChanged, slider,
                     [panel, control] { DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0); });
    return slider;
}

QWidget *CreateRing(int panel, const CtrlDef &def, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    for (const auto &item : def.items)
        combo->addItem(Text(item.first), item.second);
    int initial = combo->findData(ClampToInt(def.initialValue));
    if (initial >= 0)
        combo->setCurrentIndex(initial);
    int control = def.id;
    QObject::connect(combo, &QComboBox::activated, combo,
                     [panel, control] { DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0); });
    return combo;
}

QWidget *CreateString(int panel, const CtrlDef &def, QWidget *parent)
{
    auto *edit = new QLineEdit(Text(def.text), parent);
    if (def.maxLength >= 0)
        edit->setMaxLength(def.maxLength);
    WireStringCommit(panel, def.id, edit);
    return edit;
}

QWidget *CreateTextBox(const CtrlDef &def, QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setPlainText(Text(def.text));
    return box;
}

QWidget *CreateTextMsg(const CtrlDef &def, QWidget *parent)
{
    auto *label = new QLabel(Text(def.text.empty() ? def.label : def.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A message of a given width wraps inside it; one without grows with its text.
    label->setWordWrap(def.width > 0);
    return label;
}

QWidget *CreatePicture(QWidget *parent)
{
    auto *picture = new QLabel(parent);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

QWidget *CreateDecoration(const CtrlDef &, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setAutoFillBackground(false);
    return frame;
}

} // namespace

QWidget *CreateCtrlWidget(int panel, const CtrlDef &def, QWidget *parent)
{
    switch (def.kind) {
    case CTRL_COMMAND_BUTTON:
        return CreateCommandButton(panel, def, parent);
    case CTRL_TOGGLE_BUTTON:
        return CreateToggleButton(panel, def, parent);
    case CTRL_NUMERIC:
        return CreateNumeric(panel, def, parent);
    case CTRL_SLIDE:
        return CreateSlide(panel, def, parent);
    case CTRL_RING:
        return CreateRing(panel, def, parent);
    case CTRL_STRING:
        return CreateString(panel, def, parent);
    case CTRL_TEXT_BOX:
        return CreateTextBox(def, parent);
    case CTRL_TEXT_MSG:
        return CreateTextMsg(def, parent);
    case CTRL_LED:
        return CreateLedWidget(def, parent);
    case CTRL_TAB:
        return CreateTabWidget(panel, def, parent);
    case CTRL_PICTURE:
        return CreatePicture(parent);
    case CTRL_DECORATION:
        return CreateDecoration(def, parent);
    case CTRL_GRAPH:
        return CreateGraphWidget(panel, def, parent);
    case CTRL_STRIP_CHART:
        return CreateStripChartWidget(panel, def, parent);
    case CTRL_TABLE:
        return CreateTableWidget(panel, def, parent);
    case CTRL_CHECK_BOX:
        return CreateCheckBox(panel, def, parent);
    default:
        return nullptr;
    }
}
