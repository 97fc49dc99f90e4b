// Cost of saving and opening drawings of 1,000 and 10,000 elements of every kind, against
// two baselines of the same run: parsing the same bytes with no checks (the least any JSON
// reader pays) and writing them to a file as they are.
#include "drawingfile.h"
#include "elements/arrowelement.h"
#include "elements/circleelement.h"
#include "elements/freehandelement.h"
#include "elements/lineelement.h"
#include "elements/numberedcircleelement.h"
#include "elements/rectangleelement.h"
#include "elements/textelement.h"

#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

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

} // namespace

BENCHMARK(writeBytes)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(save)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(parseOnly)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(open)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "default.debug=false");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
