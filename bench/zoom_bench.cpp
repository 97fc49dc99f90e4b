// Cost of zoom pan with a drawing at 3840x2160, against a baseline measured in
// the same run. Run: <build>/bin/quillmark_zoom_bench
#include "elements/freehandelement.h"
#include "mypainter.h"
#include "zoomview.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QSGRendererInterface>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

// ---------------------------------------------------------------- zoom

namespace zoombench {

const QSize desktop(3840, 2160);

double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// A slide-like still image of the screen: bands of colour and lines of "text".
QImage slide()
{
    QImage image(desktop, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < desktop.height(); y += 120)
        painter.fillRect(0, y, desktop.width(), 120, QColor::fromHsv(y / 10 % 360, 60, 240));
    painter.setPen(Qt::black);
    for (int y = 40; y < desktop.height(); y += 30)
        painter.drawLine(200, y, 200 + (y * 7 % 3000), y);
    return image;
}

// The overlay of one screen while zoomed, as the documents build it: the still under a
// canvas of 1000 forty-segment strokes, both magnified about the pan point.
struct ZoomScene
{
    QQuickWindow window;
    ZoomView *view = nullptr;
    std::unique_ptr<MyPainter> canvas;

    ZoomScene()
    {
        window.resize(desktop);
        view = new ZoomView(window.contentItem()); // owned by the window's item
        view->setSize(desktop);
        view->setStill(slide());
        // Sized first: a canvas that gets its size keeps showing what it showed before.
        canvas = std::make_unique<MyPainter>();
        canvas->setParentItem(window.contentItem());
        canvas->setSize(desktop);
        canvas->document().setManualTiming(true);
        QRandomGenerator rng(1000);
        for (int i = 0; i < 1000; ++i) {
            QPoint p(rng.bounded(desktop.width()), rng.bounded(desktop.height()));
            QList<QPoint> points{p};
            for (int s = 0; s < 40; ++s) {
                p += QPoint(rng.bounded(-14, 15), rng.bounded(-14, 15));
                points << QPoint(std::clamp(p.x(), 0, desktop.width() - 1),
                                 std::clamp(p.y(), 0, desktop.height() - 1));
            }
            canvas->document().addElement(std::make_shared<FreehandElement>(
                points, QColor::fromHsv(rng.bounded(360), 255, 230), rng.bounded(3, 7), 1.0));
        }
    }

    // The view panned to a new point at the factor, and one frame of it.
    QImage frame(qreal factor, QPointF pan)
    {
        view->setFactor(factor);
        view->setPan(pan);
        canvas->setTransformOriginPoint(view->pan());
        canvas->setScale(view->factor());
        return window.grabWindow();
    }
};

// Each iteration draws a frame at a new pan position zoomed and one unzoomed (the
// baseline); both medians and their ratio are reported.
void zoomPan(benchmark::State &state, qreal factor)
{
    ZoomScene scene;
    scene.frame(factor, {0, 0}); // the canvas's tiles are painted once, before timing
    std::vector<double> zoomed;
    std::vector<double> plain;
    QElapsedTimer clock;
    int step = 0;
    for (auto _ : state) {
        // A pointer sweeping across the screen.
        const QPointF pan((step * 97) % desktop.width(), (step * 53) % desktop.height());
        ++step;
        clock.start();
        benchmark::DoNotOptimize(scene.frame(factor, pan));
        zoomed.push_back(clock.nsecsElapsed() * 1e-6);
        clock.start();
        benchmark::DoNotOptimize(scene.frame(1.0, pan));
        plain.push_back(clock.nsecsElapsed() * 1e-6);
    }
    state.counters["zoomed_ms"] = median(zoomed);
    state.counters["unzoomed_ms"] = median(plain);
    state.counters["ratio"] = median(zoomed) / median(plain);
}

void registerZoom()
{
    for (const qreal factor : {2.0, 8.0}) {
        const std::string name =
            "ZoomPan/1000strokes/3840x2160/" + std::to_string(int(factor)) + "x";
        benchmark::RegisterBenchmark(name.c_str(), zoomPan, factor)
            ->Iterations(40)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace zoombench

// ---------------------------------------------------------------- main

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "default.debug=false");
    // The scene graph of the software back-end, as under Xvfb and on machines without OpenGL.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    zoombench::registerZoom();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
