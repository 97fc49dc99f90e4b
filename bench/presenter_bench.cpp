// Cost of the presenter tools per frame at 3840x2160, each against a baseline measured in
// the same run. Laser: one frame of a moving pointer with a second of trail, painted as the
// item does (the tiles along the trail within the changed bounds), against clearing the
// changed bounds plainly and against one plain fill of the whole screen. Spotlight: one pointer
// move composed as the software scene graph composes it (four dim rectangles and the hole's
// picture), against one plain dim fill of the whole screen and against painting the whole dimmed
// screen with its hole anew, which a single full-screen picture would need.
#include "lasernode.h"
#include "laserrenderer.h"
#include "lasertrail.h"
#include "spotlighthole.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QRadialGradient>

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

void spotlightMove(benchmark::State &state)
{
    constexpr qreal radius = 200;
    const QImage hole = SpotlightHole::render(radius, dim, 1.0);
    const int side = SpotlightHole::side(radius);
    QImage screen(screenSize, QImage::Format_ARGB32_Premultiplied);
    screen.fill(QColor(240, 240, 240));
    const QImage background = screen.copy();
    qint64 now = 0;
    std::vector<double> frames, fill, repaint, holes;
    for (auto _ : state) {
        now += frameMs;
        const QPoint at = sweep(now, screenSize).toPoint() - QPoint(side / 2, side / 2);
        // The software scene graph redraws what the moved rectangles covered before and
        // cover now, which is the whole screen: the content under them, then them.
        const double ms = millisecondsOf([&] {
            QPainter painter(&screen);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, background);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.fillRect(QRect(0, 0, screenSize.width(), std::max(0, at.y())), dim);
            painter.fillRect(QRect(0, at.y() + side, screenSize.width(),
                                   std::max(0, screenSize.height() - at.y() - side)),
                             dim);
            painter.fillRect(QRect(0, at.y(), std::max(0, at.x()), side), dim);
            painter.fillRect(
                QRect(at.x() + side, at.y(), std::max(0, screenSize.width() - at.x() - side), side),
                dim);
            painter.drawImage(at, hole);
        });
        state.SetIterationTime(ms / 1e3);
        frames.push_back(ms);
        fill.push_back(millisecondsOf([&] {
            QPainter painter(&screen);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, background);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.fillRect(QRect(QPoint(), screenSize), dim);
        }));
        repaint.push_back(millisecondsOf([&] {
            QImage picture(screenSize, QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&picture);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            QRadialGradient gradient(at + QPointF(side / 2.0, side / 2.0), radius + 8);
            gradient.setColorAt(0, Qt::transparent);
            gradient.setColorAt((radius - 8) / (radius + 8), Qt::transparent);
            gradient.setColorAt(1, dim);
            painter.fillRect(QRect(QPoint(), screenSize), gradient);
        }));
        holes.push_back(millisecondsOf([&] { SpotlightHole::render(radius, dim, 2.0); }));
    }
    state.counters["hole_render_2x_ms"] = median(holes);
    report(state, frames, {{"full_fill", fill}, {"full_repaint", repaint}});
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
