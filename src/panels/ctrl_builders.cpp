#include "panels/ctrl_builders.h"

#include "panels/panel_layout.h"

namespace
{

CtrlDef Basic(int id, int kind, const std::string &label, int top, int left, int width, int height,
              CtrlCallbackPtr cb)
{
    CtrlDef def;
    def.id = id;
    def.kind = kind;
    def.label = label;
    def.top = top;
    def.left = left;
    def.width = width;
    def.height = height;
    def.callback = cb;
    return def;
}

} // namespace

CtrlDef CommandButton(int id, const std::string &label, int top, int left, int width, int height,
                      CtrlCallbackPtr cb)
{
    return Basic(id, CTRL_COMMAND_BUTTON, label, top, left, width, height, cb);
}

CtrlDef ToggleButton(int id, const std::string &label, int top, int left, int width, int height,
                     CtrlCallbackPtr cb)
{
    return Basic(id, CTRL_TOGGLE_BUTTON, label, top, left, width, height, cb);
}

CtrlDef CheckBox(int id, const std::string &label, int top, int left, int width, CtrlCallbackPtr cb)
{
    return Basic(id, CTRL_CHECK_BOX, label, top, left, width, kFieldHeight, cb);
}

CtrlDef Numeric(int id, const std::string &label, int top, int left, int width, CtrlCallbackPtr cb)
{
    return Basic(id, CTRL_NUMERIC, label, top, left, width, kFieldHeight, cb);
}

CtrlDef Slide(int id, const std::string &label, int top, int left, int width, CtrlCallbackPtr cb)
{
    return Basic(id, CTRL_SLIDE, label, top, left, width, kFieldHeight, cb);
}

CtrlDef Ring(int id, const std::string &label, int top, int left, int width, CtrlCallbackPtr cb,
             const std::vector<std::pair<std::string, int>> &items)
{
    CtrlDef def = Basic(id, CTRL_RING, label, top, left, width, kFieldHeight, cb);
    def.items = items;
    if (!items.empty())
        def.initialValue = items.front().second;
    return def;
}

CtrlDef String(int id, const std::string &label, int top, int left, int width, CtrlCallbackPtr cb)
{
    return Basic(id, CTRL_STRING, label, top, left, width, kFieldHeight, cb);
}

CtrlDef TextBox(int id, const std::string &label, int top, int left, int width, int height,
                CtrlCallbackPtr cb)
{
    return Basic(id, CTRL_TEXT_BOX, label, top, left, width, height, cb);
}

CtrlDef TextMsg(int id, const std::string &text, int top, int left, int width, int height)
{
    CtrlDef def = Basic(id, CTRL_TEXT_MSG, "", top, left, width, height, nullptr);
    def.text = text;
    return def;
}

CtrlDef Led(int id, const std::string &label, int top, int left, CtrlCallbackPtr cb)
{
    return Basic(id, CTRL_LED, label, top, left, kLedSize, kLedSize, cb);
}

CtrlDef Tab(int id, int top, int left, int width, int height, CtrlCallbackPtr cb,
            const std::vector<PageDef> &pages)
{
    CtrlDef def = Basic(id, CTRL_TAB, "", top, left, width, height, cb);
    def.pages = pages;
    return def;
}

CtrlDef Picture(int id, int top, int left, int width, int height)
{
    return Basic(id, CTRL_PICTURE, "", top, left, width, height, nullptr);
}

CtrlDef Decoration(int id, int top, int left, int width, int height, CtrlCallbackPtr cb)
{
    return Basic(id, CTRL_DECORATION, "", top, left, width, height, cb);
}

CtrlDef Graph(int id, const std::string &label, int top, int left, int width, int height, CtrlCallbackPtr cb)
{
    return Basic(id, CTRL_GRAPH, label, top, left, width, height, cb);
}

CtrlDef StripChart(int id, const std::string &label, int top, int left, int width, int height,
                   CtrlCallbackPtr cb, int traces)
{
    CtrlDef def = Basic(id, CTRL_STRIP_CHART, label, top, left, width, height, cb);
    def.traces = traces;
    return def;
}

CtrlDef Table(int id, const std::string &label, int top, int left, int width, int height, CtrlCallbackPtr cb,
              int rows, int columns, const std::vector<std::string> &columnLabels)
{
    CtrlDef def = Basic(id, CTRL_TABLE, label, top, left, width, height, cb);
    def.rows = rows;
    def.columns = columns;
    def.columnLabels = columnLabels;
    return def;
}
