#include "toolbox/localize.h"

#include "inistore/inifile.h"
#include "ui/ui_qt.h"

#include <QComboBox>

namespace
{

constexpr int kTextLength = 1024;

enum TextKind {
    TEXT_TITLE,
    TEXT_LABEL,
    TEXT_NAME,
    TEXT_ITEM,
    TEXT_COLUMN,
    TEXT_XAXIS,
    TEXT_YAXIS,
    TEXT_PAGE
};

// One text of one control (or of a panel for TEXT_TITLE), where it is read and set.
struct TextPlace {
    int panel;
    int control;
    TextKind kind;
    int index; // item, column or page
    PanelText text;
};

std::string ReadText(int status, const char *buffer)
{
    return status < 0 ? std::string() : std::string(buffer);
}

std::string CurrentText(const TextPlace &place)
{
    char buffer[kTextLength] = "";
    int p = place.panel, c = place.control;
    switch (place.kind) {
    case TEXT_TITLE:
        return ReadText(GetPanelAttribute(p, ATTR_TITLE, buffer, kTextLength), buffer);
    case TEXT_LABEL:
        return ReadText(GetCtrlAttribute(p, c, ATTR_LABEL_TEXT, buffer, kTextLength), buffer);
    case TEXT_NAME:
        return ReadText(GetCtrlAttribute(p, c, ATTR_ACCESSIBLE_NAME, buffer, kTextLength), buffer);
    case TEXT_ITEM:
        return ReadText(GetLabelFromIndex(p, c, place.index, buffer, kTextLength), buffer);
    case TEXT_COLUMN:
        return ReadText(GetTableColumnAttribute(p, c, place.index, ATTR_LABEL_TEXT, buffer, kTextLength),
                        buffer);
    case TEXT_XAXIS:
        return ReadText(GetCtrlAttribute(p, c, ATTR_XNAME, buffer, kTextLength), buffer);
    case TEXT_YAXIS:
        return ReadText(GetCtrlAttribute(p, c, ATTR_YNAME, buffer, kTextLength), buffer);
    case TEXT_PAGE:
        return ReadText(GetTabPageAttribute(p, c, place.index, ATTR_LABEL_TEXT, buffer, kTextLength), buffer);
    }
    return std::string();
}

void ApplyText(const TextPlace &place, const char *text)
{
    int p = place.panel, c = place.control;
    switch (place.kind) {
    case TEXT_TITLE:
        SetPanelAttribute(p, ATTR_TITLE, text);
        break;
    case TEXT_LABEL:
        SetCtrlAttribute(p, c, ATTR_LABEL_TEXT, text);
        break;
    case TEXT_NAME:
        if (CtrlRecord *ctrl = FindCtrl(p, c))
            SetCtrlAccessibleName(*ctrl, QString::fromUtf8(text));
        break;
    case TEXT_ITEM: {
        // An item's value stays; only its label changes.
        CtrlRecord *ctrl = FindCtrl(p, c);
        auto *ring = ctrl ? qobject_cast<QComboBox *>(ctrl->widget.data()) : nullptr;
        if (ring)
            ReplaceListItem(p, c, place.index, text, ring->itemData(place.index).toInt());
        break;
    }
    case TEXT_COLUMN:
        SetTableColumnAttribute(p, c, place.index, ATTR_LABEL_TEXT, text);
        break;
    case TEXT_XAXIS:
        SetCtrlAttribute(p, c, ATTR_XNAME, text);
        break;
    case TEXT_YAXIS:
        SetCtrlAttribute(p, c, ATTR_YNAME, text);
        break;
    case TEXT_PAGE:
        SetTabPageAttribute(p, c, place.index, ATTR_LABEL_TEXT, text);
        break;
    }
}

class TextWalk
{
  public:
    // With every place that can hold a text, also those that hold none now (a switch of
    // language restores them all); without, only those that hold one (the texts a
    // language file needs).
    explicit TextWalk(bool withEmptyPlaces) : withEmptyPlaces_(withEmptyPlaces) {}

    std::vector<TextPlace> places;

    void Panel(int panel)
    {
        PanelRecord *record = FindPanel(panel);
        if (!record || !record->widget)
            return;
        std::string section = record->widget->objectName().toStdString();
        if (record->parent == 0)
            Add(section, panel, 0, TEXT_TITLE, 0, "TITLE");
        Controls(section, panel);
        for (int child : ChildPanels(panel))
            if (!FindPanel(child)->isTabPage)
                Panel(child);
    }

  private:
    void Add(const std::string &section, int panel, int control, TextKind kind, int index,
             const std::string &key)
    {
        TextPlace place{panel, control, kind, index, {section, key, std::string(), panel, control}};
        place.text.text = CurrentText(place);
        if (withEmptyPlaces_ || !place.text.text.empty())
            places.push_back(place);
    }

    bool withEmptyPlaces_;

    void Controls(const std::string &section, int panel)
    {
        // The map keeps the controls in the order of their identifiers.
        for (const auto &entry : FindPanel(panel)->controls)
            if (entry.first < FIRST_RUNTIME_CONTROL)
                Control(section, panel, entry.second);
    }

    void Control(const std::string &section, int panel, const CtrlRecord &ctrl)
    {
        const std::string id = std::to_string(ctrl.id);
        Add(section, panel, ctrl.id, TEXT_LABEL, 0, id);
        if (!ctrl.nameFollowsLabel)
            Add(section, panel, ctrl.id, TEXT_NAME, 0, id + " NAME");
        if (ctrl.kind == CTRL_RING) {
            int count = 0;
            GetNumListItems(panel, ctrl.id, &count);
            for (int n = 0; n < count; ++n)
                Add(section, panel, ctrl.id, TEXT_ITEM, n, id + " ITEM " + std::to_string(n));
        }
        if (ctrl.kind == CTRL_TABLE) {
            char label[kTextLength];
            for (int n = 1;
                 GetTableColumnAttribute(panel, ctrl.id, n, ATTR_LABEL_TEXT, label, kTextLength) >= 0; ++n)
                Add(section, panel, ctrl.id, TEXT_COLUMN, n, id + " COLUMN " + std::to_string(n));
        }
        if (ctrl.kind == CTRL_GRAPH) {
            Add(section, panel, ctrl.id, TEXT_XAXIS, 0, id + " X AXIS");
            Add(section, panel, ctrl.id, TEXT_YAXIS, 0, id + " Y AXIS");
        }
        if (ctrl.kind == CTRL_TAB) {
            const std::vector<int> pages = ctrl.tab.pages;
            for (size_t n = 0; n < pages.size(); ++n) {
                Add(section, panel, ctrl.id, TEXT_PAGE, (int)n, id + " PAGE " + std::to_string(n));
                Controls(section, pages[n]);
            }
        }
    }
};

std::vector<TextPlace> WalkTexts(int panel, bool withEmptyPlaces)
{
    TextWalk walk(withEmptyPlaces);
    walk.Panel(panel);
    return walk.places;
}

} // namespace

int LocalizePanel(int panel, const char *languageFile)
{
    if (!FindPanel(panel))
        return UIE_INVALID_PANEL;
    IniText store = Ini_New(0);
    if (!store)
        return INI_ERR_OUT_OF_MEMORY;
    int status = Ini_ReadFromFile(store, languageFile);
    if (status >= 0) {
        // Every place takes its text from the file, whatever it shows now; an empty text
        // in the file is no translation and leaves the place as it is.
        char text[kTextLength];
        for (const TextPlace &place : WalkTexts(panel, true))
            if (Ini_GetStringIntoBuffer(store, place.text.section.c_str(), place.text.key.c_str(), text,
                                        sizeof text) == 1 &&
                text[0] != '\0')
                ApplyText(place, text);
    }
    Ini_Dispose(store);
    return status;
}

std::vector<PanelText> CollectPanelTexts(int panel)
{
    std::vector<PanelText> texts;
    for (const TextPlace &place : WalkTexts(panel, false))
        texts.push_back(place.text);
    return texts;
}

int WriteLanguageFile(const std::vector<PanelText> &texts, const char *path)
{
    IniText store = Ini_New(0);
    if (!store)
        return INI_ERR_OUT_OF_MEMORY;
    int status = INI_OK;
    for (const PanelText &text : texts)
        if (status >= 0)
            status = Ini_PutString(store, text.section.c_str(), text.key.c_str(), text.text.c_str());
    if (status >= 0)
        status = Ini_WriteToFile(store, path);
    Ini_Dispose(store);
    return status;
}
