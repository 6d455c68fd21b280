#include "ui/ui_qt.h"

#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <cstring>

namespace
{

struct Registry {
    std::map<int, PanelRecord> panels;
    int nextHandle = 1;
    int nextRuntimeControl = FIRST_RUNTIME_CONTROL;
};

Registry &TheRegistry()
{
    static Registry registry;
    return registry;
}

UiErrorHook g_errorHook = nullptr;

int Unresolved(int error, int panel, int control)
{
    if (g_errorHook)
        g_errorHook(error, panel, control);
    return error;
}

} // namespace

void SetUiErrorHook(UiErrorHook hook)
{
    g_errorHook = hook;
}

PanelRecord *FindPanel(int panel)
{
    auto &panels = TheRegistry().panels;
    auto it = panels.find(panel);
    return it == panels.end() ? nullptr : &it->second;
}

CtrlRecord *FindCtrl(int panel, int control)
{
    PanelRecord *record = FindPanel(panel);
    if (!record)
        return nullptr;
    auto it = record->controls.find(control);
    return it == record->controls.end() ? nullptr : &it->second;
}

int LookupCtrl(int panel, int control, CtrlRecord **record)
{
    *record = nullptr;
    if (!FindPanel(panel))
        return Unresolved(UIE_INVALID_PANEL, panel, control);
    *record = FindCtrl(panel, control);
    if (!*record || !(*record)->widget)
        return Unresolved(UIE_INVALID_CONTROL, panel, control);
    return UIE_OK;
}

int LookupPanel(int panel, QWidget **widget)
{
    *widget = PanelWidget(panel);
    return *widget ? UIE_OK : Unresolved(UIE_INVALID_PANEL, panel, 0);
}

PanelRecord &AddPanelRecord(int parent)
{
    Registry &registry = TheRegistry();
    int handle = registry.nextHandle++;
    PanelRecord &record = registry.panels[handle];
    record.handle = handle;
    record.parent = parent;
    return record;
}

void RemovePanelRecord(int panel)
{
    TheRegistry().panels.erase(panel);
}

std::vector<int> ChildPanels(int panel)
{
    std::vector<int> children;
    for (const auto &entry : TheRegistry().panels)
        if (entry.second.parent == panel)
            children.push_back(entry.first);
    return children;
}

int NextRuntimeControlId()
{
    return TheRegistry().nextRuntimeControl++;
}

QWidget *PanelWidget(int panel)
{
    PanelRecord *record = FindPanel(panel);
    return record ? record->widget.data() : nullptr;
}

QWidget *CtrlWidget(int panel, int control)
{
    CtrlRecord *record = FindCtrl(panel, control);
    return record ? record->widget.data() : nullptr;
}

QLabel *CtrlLabel(int panel, int control)
{
    CtrlRecord *record = FindCtrl(panel, control);
    return record ? record->label.data() : nullptr;
}

QLineEdit *StringEdit(const CtrlRecord &ctrl)
{
    if (auto *combo = qobject_cast<QComboBox *>(ctrl.widget.data()))
        return combo->lineEdit();
    return qobject_cast<QLineEdit *>(ctrl.widget.data());
}

int CopyTextOut(const QString &text, char *buffer, int size)
{
    if (!buffer || size < 1)
        return UIE_INVALID_VALUE;
    QByteArray bytes = text.toUtf8();
    int length = static_cast<int>(bytes.size());
    if (length > size - 1) {
        length = size - 1;
        // Never leave half of a multi-byte character at the end.
        while (length > 0 && (static_cast<unsigned char>(bytes[length]) & 0xC0) == 0x80)
            --length;
    }
    std::memcpy(buffer, bytes.constData(), static_cast<size_t>(length));
    buffer[length] = '\0';
    return UIE_OK;
}

QColor ColorFromRgb(int rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

int RgbFromColor(const QColor &color)
{
    return (color.red() << 16) | (color.green() << 8) | color.blue();
}
