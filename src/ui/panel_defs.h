#pragma once
// Structures of the panel resource: what each panel and control is, where it sits,
// its label, accessible name and callback. The six panels are described in
// panels/*.cpp with the builder functions of panels/ctrl_builders.h; LoadPanel turns a description
// into real widgets.

#include "ui/userint.h"

#include <string>
#include <utility>
#include <vector>

struct PageDef;

struct CtrlDef {
    int id = 0;
    int kind = 0;               // UiCtrlKind
    std::string label;          // visible label; also the accessible name unless one is given
    std::string accessibleName; // for controls without a label ("status", "POWER")
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    CtrlCallbackPtr callback = nullptr;

    // Numeric controls and slides
    bool isDouble = false;
    double minValue = 0.0;
    double maxValue = 65535.0;
    double initialValue = 0.0;
    double increment = 1.0;
    int precision = 0;
    // Double numerics: a typed value keeps its digits beyond the precision shown (the
    // precision then only formats the display).
    bool keepTypedDigits = false;
    bool indicator = false; // indicator mode: shows a value, cannot be edited

    // Rings: (label, value) items
    std::vector<std::pair<std::string, int>> items;

    // Text of strings, text boxes and text messages; image file of pictures
    std::string text;
    int maxLength = -1; // strings: -1 unlimited

    std::string shortcut;     // command buttons: key that commits, e.g. "F9"
    bool initiallyOn = false; // toggle buttons and LEDs
    int onColor = 0xFF8000;   // LEDs
    int offColor = 0x000000;
    bool initiallyVisible = true;
    bool initiallyDimmed = false;

    // Tables
    int rows = 0;
    int columns = 0;
    std::vector<std::string> columnLabels;

    // Strip charts
    int traces = 1;
    int pointsPerScreen = 100;
    std::vector<int> traceColors;
    std::vector<int> traceLineStyles; // UiLineStyle per trace; solid where none is given

    // Graphs
    int cursors = 0; // 0, 1 or 2
    double xMin = 0.0, xMax = 100.0, yMin = 0.0, yMax = 4096.0;
    std::string xLabel, yLabel;

    // Tab controls
    std::vector<PageDef> pages;

    // Chained setters for the panel descriptions
    CtrlDef &Callback(CtrlCallbackPtr cb)
    {
        callback = cb;
        return *this;
    }
    CtrlDef &Name(const std::string &name)
    {
        accessibleName = name;
        return *this;
    }
    CtrlDef &Range(double lo, double hi)
    {
        minValue = lo;
        maxValue = hi;
        return *this;
    }
    CtrlDef &Initial(double value)
    {
        initialValue = value;
        return *this;
    }
    CtrlDef &Precision(int digits)
    {
        precision = digits;
        return *this;
    }
    CtrlDef &KeepTypedDigits()
    {
        keepTypedDigits = true;
        return *this;
    }
    CtrlDef &Increment(double step)
    {
        increment = step;
        return *this;
    }
    CtrlDef &Double()
    {
        isDouble = true;
        return *this;
    }
    CtrlDef &Indicator()
    {
        indicator = true;
        return *this;
    }
    CtrlDef &Items(const std::vector<std::pair<std::string, int>> &list)
    {
        items = list;
        return *this;
    }
    CtrlDef &Text(const std::string &value)
    {
        text = value;
        return *this;
    }
    CtrlDef &MaxLength(int length)
    {
        maxLength = length;
        return *this;
    }
    CtrlDef &Shortcut(const std::string &key)
    {
        shortcut = key;
        return *this;
    }
    CtrlDef &On(bool on = true)
    {
        initiallyOn = on;
        return *this;
    }
    CtrlDef &Colors(int on, int off)
    {
        onColor = on;
        offColor = off;
        return *this;
    }
    CtrlDef &Hidden()
    {
        initiallyVisible = false;
        return *this;
    }
    CtrlDef &Dimmed()
    {
        initiallyDimmed = true;
        return *this;
    }
};

struct PageDef {
    std::string label;
    std::vector<CtrlDef> controls;
};

struct PanelDef {
    int index = 0;
    std::string name; // "MAINP", "DATAP", ...
    std::string title;
    int width = 0;
    int height = 0;
    PanelCallbackPtr callback = nullptr;
    std::vector<CtrlDef> controls;
};

// The panel resource that LoadPanel reads: the program registers its own at start-up
// (panels/panel_resource.h), so the runtime knows no panel of its own.
using PanelDefLookup = const PanelDef *(*)(const char *file, int index);
void RegisterPanelResource(PanelDefLookup lookup);
