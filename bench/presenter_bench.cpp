// Cost of the presenter tools per frame at 3840x2160, each against a baseline measured in
// the same run. Laser: one frame of a moving pointer with a second of trail, painted as the
// item does (the tiles along the trail within the changed bounds), against clearing the
// changed bounds plainly and against one plain fill of the whole screen. Spotlight: one pointer
// move rendered by the software scene graph itself (frame after frame into one image, as into
// a window), against one plain dim fill of the whole screen and against the same move with
// the dimming made of four rectangles around the hole's square, which repaints the screen.
#include "lasernode.h"
#include "laserrenderer.h"
#include "lasertrail.h"
#include "spotlighthole.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickRenderControl>
#include <QQuickRenderTarget>
#include <QQuickWindow>
#include <QSGRendererInterface>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

const QSize screenSize(3840, 2160);
constexpr qint64 frameMs = 16;
const QColor dim(0, 0, 0, 158);

double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

void report(benchmark::State &state, const std::vector<double> &frames,
            const std::vector<std::pair<const char *, std::vector<double>>> &baselines)
{
    const double frame = median(frames);
    state.counters["frame_ms"] = frame;
    for (const auto &[name, samples] : baselines) {
        const double baseline = median(samples);
        state.counters[std::string(name) + "_ms"] = baseline;
        state.counters[std::string("ratio_to_") + name] = baseline > 0 ? frame / baseline : 0;
    }
}

// The pointer sweeping a wide ellipse over a screen of this size at about 1600 device
// pixels a second, reported every 8 ms as a mouse does.
QPointF sweep(qint64 ms, QSize size)
{
    const double turn = double(ms) / 3000.0 * 2 * M_PI;
    return {size.width() * (0.5 + 0.29 * std::cos(turn)),
            size.height() * (0.5 + 0.28 * std::sin(turn))};
}

void laserFrame(benchmark::State &state, qreal ratio)
{
    const QSize size(int(screenSize.width() / ratio), int(screenSize.height() / ratio));
    LaserTrail trail(LaserRenderer::reach);
    LaserNode tiles;
    qint64 now = 0;
    QRect dirty;
    const auto advance = [&] {
        now += frameMs;
        trail.add(sweep(now - frameMs / 2, size), now - frameMs / 2);
        trail.add(sweep(now, size), now);
        dirty = trail.nextFrame(now).toAlignedRect() & QRect(QPoint(), size);
    };
    const auto paintFrame = [&] { tiles.showFrame(nullptr, size, ratio, trail, now, dirty); };
    // A second of trail behind the pointer before the frames that count.
    while (now < 1200) {
        advance();
        paintFrame();
    }
    QImage screen(screenSize, QImage::Format_ARGB32_Premultiplied);
    screen.setDevicePixelRatio(ratio);
    screen.fill(Qt::transparent);
    std::vector<double> frames, plain, full;
    for (auto _ : state) {
        advance();
        const double ms = millisecondsOf(paintFrame);
        state.SetIterationTime(ms / 1e3);
        frames.push_back(ms);
        plain.push_back(millisecondsOf([&] {
            QPainter painter(&screen);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(dirty, Qt::transparent);
        }));
        full.push_back(millisecondsOf([&] { screen.fill(Qt::transparent); }));
    }
    state.counters["dirty_px"] = double(dirty.width()) * dirty.height();
    report(state, frames, {{"plain_area", plain}, {"full_fill", full}});
}

// One screen drawn by the software scene graph into an image, frame after frame: each frame
// repaints only what changed since the one before, as in a window.
struct SoftwareScreen
{
    QQuickRenderControl control;
    QQuickWindow window{&control};
    QImage target{screenSize, QImage::Format_ARGB32_Premultiplied};

    SoftwareScreen()
    {
        target.fill(Qt::transparent);
        window.setColor(Qt::transparent);
        window.resize(screenSize);
        window.contentItem()->setSize(screenSize);
        window.setRenderTarget(QQuickRenderTarget::fromPaintDevice(&target));
    }
    void frame()
    {
        control.polishItems();
        control.beginFrame();
        control.sync();
        control.render();
        control.endFrame();
    }
};

// The dimming as four rectangles around the hole's square: moving any of them dirties the
// whole width or height of the screen.
const char *fourRectangles = R"(
import QtQuick
Item {
    property point pointer
    property real side
    anchors.fill: parent
    Rectangle { id: hole; x: pointer.x - side / 2; y: pointer.y - side / 2; width: side; height: side; color: "#40000000" }
    Rectangle { width: parent.width; height: Math.max(0, hole.y); color: "#9e000000" }
    Rectangle { y: hole.y + side; width: parent.width; height: Math.max(0, parent.height - y); color: "#9e000000" }
    Rectangle { y: hole.y; width: Math.max(0, hole.x); height: side; color: "#9e000000" }
    Rectangle { x: hole.x + side; y: hole.y; width: Math.max(0, parent.width - x); height: side; color: "#9e000000" }
}
)";

void spotlightMove(benchmark::State &state)
{
    constexpr qreal radius = 200;
    SoftwareScreen tiled;
    auto *hole = new SpotlightHole(tiled.window.contentItem()); // owned by the window's item
    hole->setSize(screenSize);
    hole->setRadius(radius);
    hole->setColor(dim);
    hole->setLit(true);
    SoftwareScreen plain;
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(fourRectangles, QUrl());
    std::unique_ptr<QQuickItem> rectangles(qobject_cast<QQuickItem *>(component.create()));
    if (!rectangles) {
        state.SkipWithError(qPrintable(component.errorString()));
        return;
    }
    rectangles->setParentItem(plain.window.contentItem());
    rectangles->setProperty("side", SpotlightHole::side(radius));
    // The first frames paint everything.
    for (int i = 0; i < 3; ++i) {
        tiled.frame();
        plain.frame();
    }
    QImage screen(screenSize, QImage::Format_ARGB32_Premultiplied);
    screen.fill(QColor(240, 240, 240));
    const QImage background = screen.copy();
    qint64 now = 0;
    std::vector<double> frames, fill, fourRects, holes;
    for (auto _ : state) {
        now += frameMs;
        const QPointF at = sweep(now, screenSize);
        hole->setCenter(at);
        const double ms = millisecondsOf([&] { tiled.frame(); });
        state.SetIterationTime(ms / 1e3);
        frames.push_back(ms);
        rectangles->setProperty("pointer", at);
        fourRects.push_back(millisecondsOf([&] { plain.frame(); }));
        fill.push_back(millisecondsOf([&] {
            QPainter painter(&screen);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, background);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.fillRect(QRect(QPoint(), screenSize), dim);
        }));
        holes.push_back(millisecondsOf([&] { SpotlightHole::render(radius, dim, 2.0); }));
    }
    state.counters["hole_render_2x_ms"] = median(holes);
    report(state, frames, {{"full_fill", fill}, {"four_rectangles", fourRects}});
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The scene graph of the software back-end, as under Xvfb and on machines without OpenGL.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    benchmark::RegisterBenchmark("LaserFrame/3840x2160@1x", laserFrame, 1.0)
        ->Iterations(300)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LaserFrame/3840x2160@2x", laserFrame, 2.0)
        ->Iterations(300)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SpotlightMove/3840x2160", spotlightMove)
        ->Iterations(100)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
