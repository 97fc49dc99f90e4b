// Cost of the canvas's work per pointer move, effect tick, eraser move and undo, with many
// strokes already drawn: the item's cached renderer, and the plain full render of the
// drawing at every step for comparison. Also a view on a 200 % screen against one of the
// same device size at 100 %: time per pointer move and the memory its images take.
#include "autosave.h"
#include "devicepixels.h"
#include "elements/freehandelement.h"
#include "mypainter.h"
#include "referencerenderer.h"
#include "tiledcanvasnode.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int SegmentsPerStroke = 40;

// How the pixels of a step are made: the item's own renderer, or a full render of the
// drawing.
enum class Renderer { Reference, Cached };

QList<QPoint> randomWalk(QRandomGenerator &rng, QPoint start, QSize bounds, int segments)
{
    QList<QPoint> points{start};
    QPoint p = start;
    for (int i = 0; i < segments; ++i) {
        p += QPoint(rng.bounded(-14, 15), rng.bounded(-14, 15));
        p.setX(std::clamp(p.x(), 0, bounds.width() - 1));
        p.setY(std::clamp(p.y(), 0, bounds.height() - 1));
        points << p;
    }
    return points;
}

// A canvas of the given size holding `count` forty-segment strokes. The strokes are added
// while the item has no size, so that filling it costs no rendering.
std::unique_ptr<MyPainter> filledCanvas(int count, QSize size)
{
    auto canvas = std::make_unique<MyPainter>();
    canvas->document().setManualTiming(true);
    QRandomGenerator rng{quint32(count)};
    for (int i = 0; i < count; ++i) {
        const QPoint start(rng.bounded(size.width()), rng.bounded(size.height()));
        const QColor colour = QColor::fromHsv(rng.bounded(360), 255, 230);
        canvas->document().addElement(std::make_shared<FreehandElement>(
            randomWalk(rng, start, size, SegmentsPerStroke), colour, rng.bounded(3, 7), 1.0));
    }
    canvas->setSize(size);
    return canvas;
}

// What the scene graph does for the item: clear the dirty region, let the item paint it.
// The reference renders the whole drawing instead.
void paintDirty(MyPainter &canvas, QImage &target, Renderer renderer)
{
    const qreal ratio = target.devicePixelRatio();
    if (renderer == Renderer::Reference) {
        target = renderReference(canvas.document(), target.deviceIndependentSize().toSize(), ratio);
        return;
    }
    const QRect dirty = canvas.toItem(canvas.renderer().pendingDirtyRect());
    if (dirty.isEmpty())
        return;
    QPainter painter(&target);
    DevicePixels::clearAndClip(&painter, dirty);
    canvas.paint(&painter);
}

// The picture the scene graph keeps for a view of the given size on a screen of that scale.
QImage screenImage(QSize size, qreal ratio = 1.0)
{
    QImage image(DevicePixels::fromItem(size, ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

void reportMedian(benchmark::State &state, std::vector<double> &samples)
{
    if (samples.empty())
        return;
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    state.counters["median_ms"] = samples[samples.size() / 2] * 1e3;
}

// With autosave the drawing is also watched by an AutoSave, as in the program: each move
// only restarts its quiet period (the write itself waits until the moves stop). Smoothed, the
// stroke is drawn as a mouse draws it by default. With pen it is drawn with a pen's changing
// pressure, and so filled as a variable-width outline.
void pointerMove(benchmark::State &state, Renderer renderer, QSize size, qreal ratio, bool autosave,
                 bool smoothed, bool pen)
{
    const int count = int(state.range(0));
    auto canvas = filledCanvas(count, size);
    QTemporaryDir folder;
    AutoSave saver;
    saver.setPath(folder.filePath(QStringLiteral("autosave.qmark")));
    if (autosave)
        saver.setDocument(&canvas->document());
    QImage target = screenImage(size, ratio);
    QRandomGenerator rng(7);
    const QPoint centre(size.width() / 2, size.height() / 2);
    const QList<QPoint> walk = randomWalk(rng, centre, size, SegmentsPerStroke);

    // The view maps item points to drawing points one to one, so the pen goes straight to the
    // document with its pressure.
    const auto move = [&](int i) {
        if (pen)
            canvas->document().movePaint(walk.at(i), false, 0.2 + 0.8 * (i % 9) / 8.0);
        else
            canvas->movePaint(walk.at(i), false);
    };
    // The first move of a stroke creates its element; measured are the moves after it.
    auto startStroke = [&] {
        canvas->beginPaint(walk.at(0), smoothed);
        move(1);
        paintDirty(*canvas, target, renderer);
    };
    startStroke();
    int next = 2;
    std::vector<double> samples;
    QElapsedTimer clock;
    for (auto _ : state) {
        if (next == walk.size()) {
            // Take the finished stroke away again so that the count stays put.
            state.PauseTiming();
            canvas->undo();
            paintDirty(*canvas, target, renderer);
            startStroke();
            next = 2;
            state.ResumeTiming();
        }
        clock.start();
        move(next++);
        paintDirty(*canvas, target, renderer);
        samples.push_back(clock.nsecsElapsed() * 1e-9);
    }
    state.counters["elements"] = double(canvas->document().elements().size());
    reportMedian(state, samples);
}

// Bytes a view holds (the renderer's layers and composing tile, the scene graph tiles'
// images) with `count` strokes drawn, measured while a stroke is drawn through the tiles. The
// textures made from the tiles belong to the graphics back-end and are not counted.
void viewMemory(benchmark::State &state, QSize size, qreal ratio)
{
    auto canvas = filledCanvas(int(state.range(0)), size);
    TiledCanvasNode tiles;
    const auto frame = [&](const QRect &dirty) {
        tiles.update(nullptr, size, ratio, dirty, [&](QPainter *p) { canvas->paint(p); });
    };
    QRandomGenerator rng(11);
    const QList<QPoint> walk =
        randomWalk(rng, QPoint(size.width() / 2, size.height() / 2), size, 400);
    canvas->beginPaint(walk.at(0));
    canvas->movePaint(walk.at(1), false);
    frame(QRect(QPoint(0, 0), size));
    qsizetype next = 2;
    qint64 peak = 0;
    for (auto _ : state) {
        if (next == walk.size()) {
            state.PauseTiming();
            canvas->undo();
            frame(canvas->renderer().pendingDirtyRect());
            canvas->beginPaint(walk.at(0));
            canvas->movePaint(walk.at(1), false);
            next = 2;
            state.ResumeTiming();
        }
        canvas->movePaint(walk.at(next++), false);
        frame(canvas->renderer().pendingDirtyRect());
        peak = std::max(peak, canvas->renderer().imageBytes() + tiles.imageBytes());
    }
    const double fullImage = 4.0 * DevicePixels::fromItem(size, ratio).width() *
                             DevicePixels::fromItem(size, ratio).height();
    state.counters["layers_MB"] = double(canvas->renderer().imageBytes()) / (1 << 20);
    state.counters["tiles_MB"] = double(tiles.imageBytes()) / (1 << 20);
    state.counters["peak_MB"] = double(peak) / (1 << 20);
    // Full-size images at the view's device size; at most three.
    state.counters["full_images"] = double(peak) / fullImage;
}

// One tick of a fade-out job (the bottom element) or of the breathing job (the top one),
// plus the repaint it asks for.
enum class Effect { Fade, Breath };

void tick(MyPainter &canvas, Effect effect)
{
    if (effect == Effect::Breath) {
        if (BreathingJob *job = canvas.document().breathingJob())
            job->tick();
        return;
    }
    for (FadeOutJob *job : canvas.document().fadeOutJobs())
        job->tick();
}

void effectTick(benchmark::State &state, Renderer renderer, QSize size, Effect effect)
{
    const int count = int(state.range(0));
    auto canvas = filledCanvas(count, size);
    QImage target(size, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);

    auto start = [&] {
        if (effect == Effect::Fade)
            canvas->undoGradient();
        else
            canvas->repeatDraw(3000);
        tick(*canvas, effect); // the first tick settles which elements are in change
        paintDirty(*canvas, target, renderer);
    };
    start();
    std::vector<double> samples;
    QElapsedTimer clock;
    for (auto _ : state) {
        if (effect == Effect::Fade && canvas->document().fadeOutJobs().isEmpty()) {
            // The element faded out: bring it back and fade the next one.
            state.PauseTiming();
            canvas->undo();
            paintDirty(*canvas, target, renderer);
            start();
            state.ResumeTiming();
        }
        clock.start();
        tick(*canvas, effect);
        paintDirty(*canvas, target, renderer);
        samples.push_back(clock.nsecsElapsed() * 1e-9);
    }
    reportMedian(state, samples);
}

// One move of the eraser (pen size 5, so a reach of 10 px) across the strokes, plus the repaint
// it asks for. Whatever a move erased is brought back untimed, so the count stays put.
void eraserMove(benchmark::State &state, Renderer renderer, QSize size)
{
    const qsizetype count = state.range(0);
    auto canvas = filledCanvas(int(count), size);
    QImage target(size, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    canvas->setIsEraserMode(true);
    QPoint pos(0, size.height() / 2);
    canvas->beginPaint(pos);
    paintDirty(*canvas, target, renderer);
    std::vector<double> samples;
    QElapsedTimer clock;
    for (auto _ : state) {
        pos.setX((pos.x() + 8) % size.width());
        clock.start();
        canvas->movePaint(pos, false);
        paintDirty(*canvas, target, renderer);
        samples.push_back(clock.nsecsElapsed() * 1e-9);
        state.PauseTiming();
        if (canvas->document().elements().size() < count) {
            while (canvas->document().elements().size() < count && canvas->canUndo())
                canvas->undo();
            paintDirty(*canvas, target, renderer);
            canvas->beginPaint(pos);
        }
        state.ResumeTiming();
    }
    reportMedian(state, samples);
}

// Undo of the newest stroke plus the repaint it asks for; redone untimed.
void undoStep(benchmark::State &state, Renderer renderer, QSize size)
{
    auto canvas = filledCanvas(int(state.range(0)), size);
    QImage target(size, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    paintDirty(*canvas, target, renderer);
    std::vector<double> samples;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        canvas->undo();
        paintDirty(*canvas, target, renderer);
        samples.push_back(clock.nsecsElapsed() * 1e-9);
        state.PauseTiming();
        canvas->redo();
        paintDirty(*canvas, target, renderer);
        state.ResumeTiming();
    }
    reportMedian(state, samples);
}

// The desktop shown by one view, or by two side by side (one per screen) of one drawing.
struct Views
{
    std::unique_ptr<MyPainter> lead;
    std::unique_ptr<MyPainter> second;
    std::vector<QImage> targets;

    Views(int count, QSize desktop, int views) : lead(filledCanvas(count, desktop))
    {
        if (views == 2) {
            const QSize half(desktop.width() / 2, desktop.height());
            lead->setSize(half);
            second = std::make_unique<MyPainter>();
            second->setSource(lead.get());
            second->setViewOrigin(QPoint(half.width(), 0));
            second->setSize(half);
        }
        for (MyPainter *view : all()) {
            targets.emplace_back(view->size().toSize(), QImage::Format_ARGB32_Premultiplied);
            targets.back().fill(Qt::transparent);
        }
        paint();
    }
    std::vector<MyPainter *> all() const
    {
        std::vector<MyPainter *> list{lead.get()};
        if (second)
            list.push_back(second.get());
        return list;
    }
    void paint()
    {
        const auto views = all();
        for (size_t i = 0; i < views.size(); ++i)
            paintDirty(*views[i], targets[i], Renderer::Cached);
    }
};

// Pointer moves of a stroke that wanders across the middle of the desktop, where the two
// screens meet (both views repaint parts of it), or in the middle of the left screen, and
// the undo of the newest stroke; each with the repaint of every view.
enum class ViewStep { MoveAcrossBorder, MoveOnOneScreen, Undo };

void viewsStep(benchmark::State &state, int viewCount, ViewStep step, QSize desktop)
{
    Views views(int(state.range(0)), desktop, viewCount);
    MyPainter &input = *views.lead;
    QRandomGenerator rng(7);
    const int startX =
        step == ViewStep::MoveOnOneScreen ? desktop.width() / 4 : desktop.width() / 2;
    const QList<QPoint> walk =
        randomWalk(rng, QPoint(startX, desktop.height() / 2), desktop, SegmentsPerStroke);
    auto startStroke = [&] {
        input.beginPaint(walk.at(0));
        input.movePaint(walk.at(1), false);
        views.paint();
    };
    if (step != ViewStep::Undo)
        startStroke();
    int next = 2;
    std::vector<double> samples;
    QElapsedTimer clock;
    for (auto _ : state) {
        if (step == ViewStep::Undo) {
            clock.start();
            input.undo();
            views.paint();
            samples.push_back(clock.nsecsElapsed() * 1e-9);
            state.PauseTiming();
            input.redo();
            views.paint();
            state.ResumeTiming();
            continue;
        }
        if (next == walk.size()) {
            state.PauseTiming();
            input.undo();
            views.paint();
            startStroke();
            next = 2;
            state.ResumeTiming();
        }
        clock.start();
        input.movePaint(walk.at(next++), false);
        views.paint();
        samples.push_back(clock.nsecsElapsed() * 1e-9);
    }
    reportMedian(state, samples);
}

void registerViews()
{
    const QSize desktop(3840, 2160);
    for (int views : {1, 2}) {
        const std::string suffix = "/" + std::to_string(views) + "view/3840x2160";
        benchmark::RegisterBenchmark(("ViewsPointerMove" + suffix).c_str(), viewsStep, views,
                                     ViewStep::MoveAcrossBorder, desktop)
            ->Arg(1000)
            ->Iterations(400)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("ViewsPointerMoveOneScreen" + suffix).c_str(), viewsStep,
                                     views, ViewStep::MoveOnOneScreen, desktop)
            ->Arg(1000)
            ->Iterations(400)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("ViewsUndo" + suffix).c_str(), viewsStep, views,
                                     ViewStep::Undo, desktop)
            ->Arg(1000)
            ->Iterations(400)
            ->Unit(benchmark::kMillisecond);
    }
}

void registerAll()
{
    registerViews();
    struct Size
    {
        const char *name;
        QSize size;
    };
    const Size sizes[] = {{"1920x1080", QSize(1920, 1080)}, {"3840x2160", QSize(3840, 2160)}};
    struct Named
    {
        const char *name;
        Renderer renderer;
    };
    const Named renderers[] = {{"reference", Renderer::Reference}, {"cached", Renderer::Cached}};
    for (const Named &r : renderers) {
        const bool reference = r.renderer == Renderer::Reference;
        for (const Size &s : sizes) {
            for (int count : {10, 100, 1000, 5000}) {
                // The reference renderer costs up to seconds per step with many strokes:
                // a few iterations give a stable figure without a long run.
                const int iterations = !reference      ? 400
                                       : count <= 10   ? 60
                                       : count <= 100  ? 20
                                       : count <= 1000 ? 5
                                                       : 2;
                const std::string suffix = std::string("/") + r.name + "/" + s.name;
                benchmark::RegisterBenchmark(("PointerMove" + suffix).c_str(), pointerMove,
                                             r.renderer, s.size, 1.0, false, false, false)
                    ->Arg(count)
                    ->Iterations(iterations)
                    ->Unit(benchmark::kMillisecond);
                if (!reference) {
                    benchmark::RegisterBenchmark(("PointerMove" + suffix + "/autosave").c_str(),
                                                 pointerMove, r.renderer, s.size, 1.0, true, false,
                                                 false)
                        ->Arg(count)
                        ->Iterations(iterations)
                        ->Unit(benchmark::kMillisecond);
                    benchmark::RegisterBenchmark(("PointerMove" + suffix + "/smoothed").c_str(),
                                                 pointerMove, r.renderer, s.size, 1.0, false, true,
                                                 false)
                        ->Arg(count)
                        ->Iterations(iterations)
                        ->Unit(benchmark::kMillisecond);
                    benchmark::RegisterBenchmark(("PointerMove" + suffix + "/pen").c_str(),
                                                 pointerMove, r.renderer, s.size, 1.0, false, false,
                                                 true)
                        ->Arg(count)
                        ->Iterations(iterations)
                        ->Unit(benchmark::kMillisecond);
                }
                benchmark::RegisterBenchmark(("FadeTick" + suffix).c_str(), effectTick, r.renderer,
                                             s.size, Effect::Fade)
                    ->Arg(count)
                    ->Iterations(iterations)
                    ->Unit(benchmark::kMillisecond);
                benchmark::RegisterBenchmark(("BreathTick" + suffix).c_str(), effectTick,
                                             r.renderer, s.size, Effect::Breath)
                    ->Arg(count)
                    ->Iterations(iterations)
                    ->Unit(benchmark::kMillisecond);
                benchmark::RegisterBenchmark(("EraserMove" + suffix).c_str(), eraserMove,
                                             r.renderer, s.size)
                    ->Arg(count)
                    ->Iterations(iterations)
                    ->Unit(benchmark::kMillisecond);
                benchmark::RegisterBenchmark(("Undo" + suffix).c_str(), undoStep, r.renderer,
                                             s.size)
                    ->Arg(count)
                    ->Iterations(iterations)
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
    // A 200 % screen of 3840x2160 device pixels against a 100 % one of the same device size.
    for (int count : {10, 100, 1000, 5000}) {
        benchmark::RegisterBenchmark("PointerMove/cached/1920x1080@2x", pointerMove,
                                     Renderer::Cached, QSize(1920, 1080), 2.0, false, false, false)
            ->Arg(count)
            ->Iterations(400)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("ViewMemory/3840x2160@1x", viewMemory, QSize(3840, 2160), 1.0)
        ->Arg(1000)
        ->Iterations(200)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ViewMemory/1920x1080@2x", viewMemory, QSize(1920, 1080), 2.0)
        ->Arg(1000)
        ->Iterations(200)
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "default.debug=false");
    QGuiApplication app(argc, argv);
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
