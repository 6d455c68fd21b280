#pragma once
// The builder functions of the panel resource: each fills in one control's kind,
// place, label and callback; the chained setters of CtrlDef add the rest.

#include "ui/panel_defs.h"

#include <string>
#include <utility>
#include <vector>

// Builders: geometry is (top, left, width, height) in pixels of the parent panel.
CtrlDef CommandButton(int id, const std::string &label, int top, int left, int width, int height,
                      CtrlCallbackPtr cb);
CtrlDef ToggleButton(int id, const std::string &label, int top, int left, int width, int height,
                     CtrlCallbackPtr cb);
CtrlDef CheckBox(int id, const std::string &label, int top, int left, int width, CtrlCallbackPtr cb);
CtrlDef Numeric(int id, const std::string &label, int top, int left, int width, CtrlCallbackPtr cb);
CtrlDef Slide(int id, const std::string &label, int top, int left, int width, CtrlCallbackPtr cb);
CtrlDef Ring(int id, const std::string &label, int top, int left, int width, CtrlCallbackPtr cb,
             const std::vector<std::pair<std::string, int>> &items);
CtrlDef String(int id, const std::string &label, int top, int left, int width, CtrlCallbackPtr cb);
CtrlDef TextBox(int id, const std::string &label, int top, int left, int width, int height,
                CtrlCallbackPtr cb);
CtrlDef TextMsg(int id, const std::string &text, int top, int left, int width, int height);
CtrlDef Led(int id, const std::string &label, int top, int left, CtrlCallbackPtr cb);
CtrlDef Tab(int id, int top, int left, int width, int height, CtrlCallbackPtr cb,
            const std::vector<PageDef> &pages);
CtrlDef Picture(int id, int top, int left, int width, int height);
CtrlDef Decoration(int id, int top, int left, int width, int height, CtrlCallbackPtr cb);
CtrlDef Graph(int id, const std::string &label, int top, int left, int width, int height, CtrlCallbackPtr cb);
CtrlDef StripChart(int id, const std::string &label, int top, int left, int width, int height,
                   CtrlCallbackPtr cb, int traces);
CtrlDef Table(int id, const std::string &label, int top, int left, int width, int height, CtrlCallbackPtr cb,
              int rows, int columns, const std::vector<std::string> &columnLabels);
