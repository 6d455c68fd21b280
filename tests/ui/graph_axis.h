#pragma once
// What a graph's axis shows now, in one value for the tests' comparisons.

#include "ui/graph_widget.h"

struct AxisShown {
    int mode = -1;
    double min = 0.0;
    double max = 0.0;
};

inline AxisShown AxisOf(const GraphWidget &graph, int axis)
{
    AxisShown shown;
    graph.axisScaling(axis, &shown.mode, &shown.min, &shown.max);
    return shown;
}
