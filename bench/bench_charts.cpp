// CPU time per frame of the chart widgets: appending the data and repainting into an
// image, as a live frame, a conversion curve and a recording do. Prints figures only.

#include "bench_clock.h"
#include "ui/graph_widget.h"
#include "ui/strip_chart_widget.h"
#include "ui/userint.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace
{

// Runs frame(i) for i = 0..frames-1 after a few warm-up frames and prints the mean CPU
// time per frame.
void Measure(const char *name, int frames, const std::function<void(int)> &frame)
{
    for (int i = 0; i < 5; ++i)
        frame(i);
    const double start = ProcessCpuSeconds();
    for (int i = 0; i < frames; ++i)
        frame(i);
    const double perFrame = (ProcessCpuSeconds() - start) / frames;
    std::printf("%-58s %9.1f us/frame  (%d frames)\n", name, perFrame * 1e6, frames);
}

std::vector<double> ThresholdHistory(int frame)
{
    std::vector<double> history;
    history.reserve(600);
    for (int k = 0; k < 100; ++k) {
        const double sig = 2000.0 + 400.0 * std::sin((frame + k) / 9.0);
        history.insert(history.end(), {2000.0, sig, 2200.0, 1800.0, 2100.0, 1900.0});
    }
    return history;
}

StripChartWidget *ThresholdChart(int yMode)
{
    auto *chart = new StripChartWidget;
    chart->resize(600, 200);
    chart->setTraceCount(6);
    const int colors[6] = {0x0000FF, 0x808000, 0xFF0000, 0xFF0000, 0x000000, 0x000000};
    const int styles[6] = {VAL_DASH, VAL_SOLID, VAL_SOLID, VAL_SOLID, VAL_DASH, VAL_DASH};
    for (int j = 0; j < 6; ++j)
        chart->setTraceStyle(j, colors[j], styles[j]);
    chart->setYRange(yMode, 0.0, 4096.0);
    return chart;
}

void BenchStripChart()
{
    QImage image(600, 200, QImage::Format_ARGB32_Premultiplied);
    std::vector<std::vector<double>> histories;
    for (int i = 0; i < 64; ++i)
        histories.push_back(ThresholdHistory(i));
    for (int mode : {VAL_MANUAL, VAL_AUTOSCALE}) {
        StripChartWidget *chart = ThresholdChart(mode);
        const char *name = mode == VAL_MANUAL ? "strip chart 6 x 100, 600 x 200, manual Y, render"
                                              : "strip chart 6 x 100, 600 x 200, autoscale Y, render";
        Measure(name, 2000, [&](int i) {
            const std::vector<double> &history = histories[i % histories.size()];
            chart->appendInterleaved(history.data(), int(history.size()));
            chart->render(&image);
        });
        delete chart;
    }
    StripChartWidget *chart = ThresholdChart(VAL_MANUAL);
    Measure("strip chart 6 x 100, 600 x 200, manual Y, grab()", 1000, [&](int i) {
        const std::vector<double> &history = histories[i % histories.size()];
        chart->appendInterleaved(history.data(), int(history.size()));
        QPixmap pixmap = chart->grab();
    });
    delete chart;
}

void BenchConversionGraph()
{
    GraphWidget graph;
    graph.resize(600, 400);
    QImage image(600, 400, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> index(4096), markers(4096, -1.0), curve(4096);
    for (int i = 0; i < 4096; ++i) {
        index[i] = i;
        curve[i] = i * (10000.0 / 4095.0) + 300.0 * std::sin(i / 200.0);
        if (i % 64 == 0)
            markers[i] = i;
    }
    Measure("graph 2 x 4096 points, 600 x 400, replot + render", 300, [&](int) {
        graph.deletePlot(VAL_ALL_PLOTS);
        graph.addPlot(markers, markers, 0x0000FF, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
        graph.addPlot(index, curve, 0x00FF00, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
        graph.render(&image);
    });
    graph.deletePlot(VAL_ALL_PLOTS);
    graph.addPlot(index, curve, 0x00FF00, VAL_CONNECTED_POINTS, VAL_SOLID_SQUARE, VAL_SOLID);
    Measure("graph 4096 points with square markers, 600 x 400, render", 100,
            [&](int) { graph.render(&image); });
}

void BenchSegmentGraph()
{
    GraphWidget graph;
    graph.resize(600, 300);
    QImage image(600, 300, QImage::Format_ARGB32_Premultiplied);
    double previous = 1000.0;
    int counter = 0;
    auto addSegment = [&]() {
        const double value = 1000.0 + 300.0 * std::sin(counter / 25.0);
        const double x0 = counter == 0 ? 0.0 : counter - 1;
        graph.addPlot({x0, double(counter)}, {counter == 0 ? value : previous, value}, 0x00FF00,
                      VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID);
        previous = value;
        ++counter;
    };
    for (int i = 0; i < 1000; ++i)
        addSegment();
    Measure("graph of 1000 2-point plots, 600 x 300, add one + render", 300, [&](int) {
        addSegment();
        graph.render(&image);
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchStripChart();
    BenchConversionGraph();
    BenchSegmentGraph();
    return 0;
}
