// Cost of saving and opening drawings of 1,000 and 10,000 elements of every kind, against
// two baselines of the same run: parsing the same bytes with no checks (the least any JSON
// reader pays) and writing them to a file as they are. Then opening until the drawing shows
// on a 1920x1080 canvas (its first frame, and all of it; every kind in turn across the whole
// screen, and a drawing as a presenter writes it) against the plain full render of
// the same drawing (and against drawing it into plain ARGB32, as the canvas did before), the
// largest file the limits allow, and how fast files beyond them are refused.
#include "canvasrenderer.h"
#include "drawingfile.h"
#include "drawingpicture.h"
#include "elements/arrowelement.h"
#include "elements/circleelement.h"
#include "elements/freehandelement.h"
#include "elements/lineelement.h"
#include "elements/numberedcircleelement.h"
#include "elements/rectangleelement.h"
#include "elements/textelement.h"

#include "mypainter.h"
#include "referencerenderer.h"
#include "safefile.h"

#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <sys/stat.h>

namespace {

// Every kind in turn; strokes of 40 segments, as a hand draws them.
std::unique_ptr<DrawingDocument> drawing(int count)
{
    auto doc = std::make_unique<DrawingDocument>();
    QRandomGenerator rng{quint32(count)};
    const auto point = [&rng] { return QPoint(rng.bounded(1920), rng.bounded(1080)); };
    for (int i = 0; i < count; ++i) {
        const QColor c = QColor::fromHsv(rng.bounded(360), 255, 230);
        const int width = rng.bounded(2, 16);
        std::shared_ptr<DrawingElement> e;
        switch (i % 7) {
        case 0: {
            QList<QPoint> points{point()};
            for (int k = 0; k < 40; ++k)
                points << points.last() + QPoint(rng.bounded(-14, 15), rng.bounded(-14, 15));
            e = std::make_shared<FreehandElement>(points, c, width, 0.4);
            break;
        }
        case 1:
            e = std::make_shared<LineElement>(point(), point(), c, width, 1);
            break;
        case 2:
            e = std::make_shared<CircleElement>(point(), rng.bounded(200), c, width, 1);
            break;
        case 3:
            e = std::make_shared<RectangleElement>(point(), point(), c, width, 1);
            break;
        case 4:
            e = std::make_shared<ArrowElement>(point(), point(), c, width, 1);
            break;
        case 5:
            e = std::make_shared<TextElement>(point(), QStringLiteral("Note %1").arg(i), 20, c,
                                              width, 1);
            break;
        default:
            e = std::make_shared<NumberedCircleElement>(point(), i, c, width, 1);
            break;
        }
        doc->addElement(e);
    }
    return doc;
}

// A lesson's worth of drawing as a presenter makes it: mostly handwriting (short opaque
// strokes of the default 5 px pen, letters of 15-40 points 3-5 px apart), some wide
// translucent highlighter strokes, and lines, arrows, rectangles, circles, texts and numbered
// circles of an ordinary size, spread over the screen.
std::unique_ptr<DrawingDocument> writtenDrawing(int count)
{
    auto doc = std::make_unique<DrawingDocument>();
    QRandomGenerator rng{quint32(count) + 1};
    const auto point = [&rng] { return QPoint(rng.bounded(1920), rng.bounded(1080)); };
    const auto near = [&rng](QPoint from, int reach) {
        return from + QPoint(rng.bounded(-reach, reach + 1), rng.bounded(-reach, reach + 1));
    };
    for (int i = 0; i < count; ++i) {
        const QColor c = QColor::fromHsv(rng.bounded(360), 255, 200);
        const int kind = rng.bounded(100);
        std::shared_ptr<DrawingElement> e;
        if (kind < 80 || (kind >= 85 && kind < 90)) {
            const bool highlighter = kind >= 85;
            QList<QPoint> points{point()};
            const int length = highlighter ? rng.bounded(20, 60) : rng.bounded(15, 41);
            for (int k = 0; k < length; ++k)
                points << points.last() + (highlighter
                                               ? QPoint(rng.bounded(3, 9), rng.bounded(-1, 2))
                                               : QPoint(rng.bounded(-5, 6), rng.bounded(-5, 6)));
            e = std::make_shared<FreehandElement>(points, c, highlighter ? 18 : rng.bounded(3, 7),
                                                  highlighter ? 0.4 : 1.0);
        } else if (kind < 82) {
            const QPoint a = point();
            e = std::make_shared<LineElement>(a, near(a, 300), c, 5, 1);
        } else if (kind < 84) {
            const QPoint a = point();
            e = std::make_shared<ArrowElement>(a, near(a, 300), c, 5, 1);
        } else if (kind < 85) {
            const QPoint a = point();
            e = std::make_shared<RectangleElement>(a, near(a, 200), c, 5, 1);
        } else if (kind < 93) {
            e = std::make_shared<CircleElement>(point(), rng.bounded(20, 150), c, 5, 1);
        } else if (kind < 97) {
            e = std::make_shared<TextElement>(point(), QStringLiteral("Note %1").arg(i), 20, c, 5,
                                              1);
        } else {
            e = std::make_shared<NumberedCircleElement>(point(), i, c, 5, 1);
        }
        doc->addElement(e);
    }
    return doc;
}

// The drawing argument 1 of a benchmark picks: 0 every kind in turn, 1 as written.
std::unique_ptr<DrawingDocument> picked(const benchmark::State &state)
{
    return state.range(1) == 1 ? writtenDrawing(int(state.range(0))) : drawing(int(state.range(0)));
}

void save(benchmark::State &state)
{
    const auto doc = drawing(int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.qmark"));
    for (auto _ : state) {
        if (!DrawingFile::save(*doc, path, nullptr))
            state.SkipWithError("save failed");
    }
    state.counters["bytes"] = double(QFile(path).size());
}

// Baseline: the same bytes written as they are.
void writeBytes(benchmark::State &state)
{
    const QByteArray data = DrawingFile::toJson(*drawing(int(state.range(0))));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("bench.json")));
    for (auto _ : state) {
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            state.SkipWithError("write failed");
        file.close();
    }
}

void open(benchmark::State &state)
{
    const auto doc = drawing(int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.qmark"));
    DrawingFile::save(*doc, path, nullptr);
    DrawingDocument target;
    for (auto _ : state) {
        const std::optional<DrawingFile::Loaded> loaded = DrawingFile::load(path, nullptr);
        if (!loaded || loaded->elements.size() != state.range(0)) {
            state.SkipWithError("open failed");
            break;
        }
        target.replaceAll(loaded->elements, loaded->circleCounter);
    }
}

// Baseline: reading and parsing the same bytes, nothing checked or built.
void parseOnly(benchmark::State &state)
{
    const auto doc = drawing(int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.qmark"));
    DrawingFile::save(*doc, path, nullptr);
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(QJsonDocument::fromJson(file.readAll()));
    }
}

// The canvas a drawing opens into: 1920x1080.
const QRect Screen(0, 0, 1920, 1080);

// Shows the document through a renderer as the item does: with a frame budget (the first
// frame only when firstFrameOnly), else until every element is in.
void show(const DrawingDocument &doc, bool firstFrameOnly)
{
    CanvasRenderer renderer(doc);
    QImage shown(Screen.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::transparent);
    QRect dirty = renderer.changed(Screen, Screen);
    while (!dirty.isEmpty()) {
        renderer.beginFrame(QDeadlineTimer(MyPainter::FrameBudgetMs));
        QPainter painter(&shown);
        painter.setClipRect(dirty);
        renderer.paint(&painter, ViewMapping(), Screen.size());
        painter.end();
        dirty = firstFrameOnly ? QRect() : renderer.changed(renderer.endFrame(Screen), Screen);
    }
    benchmark::DoNotOptimize(shown.constBits());
}

// Opening a file until the drawing shows: its first frame, or the whole of it.
void openUntilShown(benchmark::State &state, bool firstFrameOnly)
{
    const auto doc = picked(state);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.qmark"));
    DrawingFile::save(*doc, path, nullptr);
    for (auto _ : state) {
        const std::optional<DrawingFile::Loaded> loaded = DrawingFile::load(path, nullptr);
        DrawingDocument target;
        target.replaceAll(loaded->elements, loaded->circleCounter);
        show(target, firstFrameOnly);
    }
}

void openFirstFrame(benchmark::State &state)
{
    openUntilShown(state, true);
}

void openAllShown(benchmark::State &state)
{
    openUntilShown(state, false);
}

// Opening a file as a save leaves it, with its picture, until all of it shows: the first
// frame shows the picture, whole, while the layers fill in behind it.
void openPictured(benchmark::State &state)
{
    const auto doc = picked(state);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.qmark"));
    const QByteArray file = DrawingPicture::stamped(DrawingFile::toJson(*doc), Screen, 1.0);
    if (file.isEmpty() || !SafeFile::write(path, file, SafeFile::Mode::Replace, nullptr)) {
        state.SkipWithError("no picture");
        return;
    }
    state.counters["fileMB"] = double(file.size()) / (1024 * 1024);
    state.counters["withoutMB"] = double(DrawingFile::toJson(*doc).size()) / (1024 * 1024);
    for (auto _ : state) {
        const std::optional<DrawingFile::Loaded> loaded = DrawingFile::load(path, nullptr);
        if (!loaded || loaded->picture.isNull()) {
            state.SkipWithError("the picture did not open");
            break;
        }
        DrawingDocument target;
        target.replaceAll(loaded->elements, loaded->circleCounter);
        target.setOpenedPicture(loaded->picture);
        show(target, true);
    }
}

// What a save costs after the file is written, on its worker thread: the picture painted,
// packed and put into the file's bytes.
void addPicture(benchmark::State &state)
{
    const QByteArray json = DrawingFile::toJson(*picked(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawingPicture::stamped(json, Screen, 1.0).size());
}

// Baseline: the same drawing drawn once in full, plainly, with nothing loaded.
void renderPlainly(benchmark::State &state)
{
    const auto doc = picked(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(renderReference(*doc, Screen.size()).constBits());
}

// Baseline: the same drawing drawn once in full into plain (not premultiplied) ARGB32, as
// the canvas drew before; the raster engine blends into that format more slowly.
void renderUnpremultiplied(benchmark::State &state)
{
    const auto doc = picked(state);
    for (auto _ : state) {
        QImage image(Screen.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        for (const DrawingDocument::ElementPtr &element : doc->elements()) {
            painter.setBrush(QBrush(Qt::transparent));
            element->draw(&painter);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The two drawings at the limits: the largest to read (4,000,000 stroke points, then as
// many numbered circles as fit in 32 MB) and the costliest to show (all the ink allowed, as
// tangles at the widest pen, the costliest ink per pixel there is).
QByteArray limitFile(bool costliest)
{
    QList<std::shared_ptr<DrawingElement>> elements;
    QRandomGenerator rng(99);
    const int width = costliest ? DrawingFile::MaxPenWidth : 1;
    const int perStroke = FreehandElement::maxPoints(width);
    double ink = 0.0;
    qint64 points = 0, bytes = 0;
    while (true) {
        // The many points stay near the corner, where their numbers are short.
        const int span = costliest ? 1080 : 100;
        QList<QPoint> stroke{QPoint(rng.bounded(span), rng.bounded(span))};
        const int step = costliest ? 20 : 3;
        while (stroke.size() < perStroke) {
            const QPoint next =
                stroke.last() + QPoint(rng.bounded(-step, step + 1), rng.bounded(-step, step + 1));
            stroke << (costliest ? next : QPoint(qBound(0, next.x(), 99), qBound(0, next.y(), 99)));
        }
        auto element = std::make_shared<FreehandElement>(stroke, Qt::red, width, 0.4);
        if (costliest ? ink + DrawingFile::ink(*element) > DrawingFile::MaxInk
                      : points + perStroke > DrawingFile::MaxPoints)
            break;
        ink += DrawingFile::ink(*element);
        points += perStroke;
        bytes += 6 * perStroke;
        elements.append(element);
    }
    while (!costliest && bytes < DrawingFile::MaxFileSize - 2 * 1024 * 1024 &&
           elements.size() < DrawingFile::MaxElements) {
        elements.append(std::make_shared<NumberedCircleElement>(
            QPoint(rng.bounded(1920), rng.bounded(1080)), int(elements.size()), Qt::blue, 3, 1.0));
        bytes += 100;
    }
    DrawingDocument doc;
    doc.replaceAll(elements, 0);
    return DrawingFile::toJson(doc);
}

// Opening a drawing at the limits until its first frame shows (argument 1) or all of it
// (0); the second argument picks the costliest one to show instead of the largest to read.
void openAtTheLimits(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("limits.qmark"));
    QFile file(path);
    const QByteArray data = limitFile(state.range(1) == 1);
    file.open(QIODevice::WriteOnly);
    file.write(data);
    file.close();
    for (auto _ : state) {
        const std::optional<DrawingFile::Loaded> loaded = DrawingFile::load(path, nullptr);
        if (!loaded) {
            state.SkipWithError("a file at the limits did not open");
            break;
        }
        DrawingDocument target;
        target.replaceAll(loaded->elements, loaded->circleCounter);
        show(target, state.range(0) == 1);
        state.counters["elements"] = double(loaded->elements.size());
    }
    state.counters["MB"] = double(data.size()) / (1024 * 1024);
}

// How long a file beyond the limits takes to be refused.
void refuse(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("refused.qmark"));
    QFile file(path);
    switch (state.range(0)) {
    case 0: // one byte over the size limit (sparse)
        file.open(QIODevice::WriteOnly);
        file.resize(DrawingFile::MaxFileSize + 1);
        break;
    case 1: { // one element too many
        QByteArray data = "{\"format\":\"quillmark-drawing\",\"version\":1,\"elements\":[";
        for (int i = 0; i <= DrawingFile::MaxElements; ++i)
            data += "{\"kind\":\"numberedCircle\",\"color\":\"#ff0000\",\"width\":3,"
                    "\"opacity\":1,\"center\":[5,5],\"number\":1},";
        data.chop(1);
        file.open(QIODevice::WriteOnly);
        file.write(data + "]}");
        break;
    }
    default: // a FIFO nobody writes to
        ::mkfifo(QFile::encodeName(path).constData(), 0600);
        break;
    }
    file.close();
    for (auto _ : state) {
        if (DrawingFile::load(path, nullptr))
            state.SkipWithError("a file beyond the limits opened");
    }
}

// 10,000 elements {0: every kind in turn, 1: as written}, three times each.
void bothDrawings(benchmark::internal::Benchmark *b)
{
    b->Args({10000, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond)->Iterations(3);
}

} // namespace

BENCHMARK(writeBytes)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(save)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(parseOnly)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(open)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(renderUnpremultiplied)->Apply(bothDrawings);
BENCHMARK(renderPlainly)->Apply(bothDrawings);
BENCHMARK(openFirstFrame)->Apply(bothDrawings);
BENCHMARK(openAllShown)->Apply(bothDrawings);
BENCHMARK(openPictured)->Apply(bothDrawings);
BENCHMARK(addPicture)->Apply(bothDrawings);
// {1: first frame, 0: all shown} x {0: largest to read, 1: costliest to show}.
BENCHMARK(openAtTheLimits)
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
// 0: over the size limit, 1: one element too many, 2: a FIFO.
BENCHMARK(refuse)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "default.debug=false;default.warning=false");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
