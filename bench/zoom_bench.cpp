// Cost of zoom pan with a drawing at 3840x2160, against baselines measured in the same run:
// the same frames unzoomed, and zoomed the way the drawing was magnified before (the picture
// of the real-size drawing scaled up by the item's transform, blocky at 8x). Frames are timed
// on the clock and, for the zoomed and the unzoomed one, in the program's processor time.
// Run: <build>/bin/quillmark_zoom_bench
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
#include <ctime>
#include <memory>
#include <vector>

// ---------------------------------------------------------------- zoom

namespace zoombench {

const QSize desktop(3840, 2160);

// Processor time the program has used, all its threads, in milliseconds.
double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) * 1e-6;
}

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

// How the drawing is magnified.
enum class Magnify { Elements, ScaledPicture };

// The overlay of one screen while zoomed, as the documents build it: the still under a
// canvas of 1000 forty-segment strokes, both magnified about the pan point.
struct ZoomScene
{
    QQuickWindow window;
    ZoomView *view = nullptr;
    std::unique_ptr<MyPainter> canvas;
    Magnify magnify;

    explicit ZoomScene(Magnify how) : magnify(how)
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
        // As the zoom layer does: the canvas paints the magnified still under its ink.
        if (how == Magnify::Elements)
            view->setCanvas(canvas.get());
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
        if (magnify == Magnify::Elements) {
            canvas->setZoomFactor(view->factor());
            canvas->setZoomPan(view->pan());
        } else {
            canvas->setTransformOriginPoint(view->pan());
            canvas->setScale(view->factor());
        }
        return window.grabWindow();
    }
};

// Each iteration draws a frame at a new pan position in each of three windows: zoomed, the
// same unzoomed, and zoomed with the drawing's picture scaled up. Each window stays at its
// factor, as the screen does while the pointer moves. The medians and the ratios to the
// unzoomed frame are reported.
void zoomPan(benchmark::State &state, qreal factor)
{
    ZoomScene zoomed(Magnify::Elements), plain(Magnify::Elements), scaled(Magnify::ScaledPicture);
    // The canvases' tiles are painted once, before timing.
    zoomed.frame(factor, {0, 0});
    plain.frame(1.0, {0, 0});
    scaled.frame(factor, {0, 0});
    std::vector<double> zoomedMs, plainMs, scaledMs, zoomedCpu, plainCpu;
    QElapsedTimer clock;
    int step = 0;
    for (auto _ : state) {
        // A pointer sweeping across the screen.
        const QPointF pan((step * 97) % desktop.width(), (step * 53) % desktop.height());
        ++step;
        double cpu = processCpuMs();
        clock.start();
        benchmark::DoNotOptimize(zoomed.frame(factor, pan));
        zoomedMs.push_back(clock.nsecsElapsed() * 1e-6);
        zoomedCpu.push_back(processCpuMs() - cpu);
        cpu = processCpuMs();
        clock.start();
        benchmark::DoNotOptimize(plain.frame(1.0, pan));
        plainMs.push_back(clock.nsecsElapsed() * 1e-6);
        plainCpu.push_back(processCpuMs() - cpu);
        clock.start();
        benchmark::DoNotOptimize(scaled.frame(factor, pan));
        scaledMs.push_back(clock.nsecsElapsed() * 1e-6);
    }
    state.counters["zoomed_ms"] = median(zoomedMs);
    state.counters["unzoomed_ms"] = median(plainMs);
    state.counters["scaled_picture_ms"] = median(scaledMs);
    state.counters["ratio"] = median(zoomedMs) / median(plainMs);
    state.counters["ratio_scaled_picture"] = median(scaledMs) / median(plainMs);
    // The processor time of the whole program (the image scaling's threads too), which other
    // programs on a busy machine do not stretch as they stretch the clock.
    state.counters["zoomed_cpu_ms"] = median(zoomedCpu);
    state.counters["unzoomed_cpu_ms"] = median(plainCpu);
    state.counters["ratio_cpu"] = median(zoomedCpu) / median(plainCpu);
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
