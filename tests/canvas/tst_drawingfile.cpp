#include "canvastesthelpers.h"
#include "drawingfile.h"
#include "elements/freehandelement.h"
#include "elements/numberedcircleelement.h"
#include "referencerenderer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

using Drawing = std::function<void(MyPainter &)>;

void drag(MyPainter &canvas, std::initializer_list<QPoint> points, bool shift = false)
{
    auto it = points.begin();
    canvas.beginPaint(*it);
    for (++it; it != points.end(); ++it)
        canvas.movePaint(*it, shift);
    canvas.endPaint(*(points.end() - 1), shift);
}

QByteArray validFile()
{
    return "{\"format\":\"quillmark-drawing\",\"version\":1,\"circleCounter\":1,\"elements\":[\n"
           "        "
           "{\"kind\":\"line\",\"color\":\"#ff0000ff\",\"width\":3,\"opacity\":1,\"start\":[1,2],"
           "\"end\":[50,60]}]}";
}

// validFile() with the first element's key set to value (raw JSON).
QByteArray withElementValue(const char *key, const QByteArray &value)
{
    QByteArray data = validFile();
    const QByteArray needle = QByteArray("\"") + key + "\":";
    const qsizetype at = data.indexOf(needle);
    if (at < 0) {
        data.replace("\"start\"", needle + value + ",\"start\"");
        return data;
    }
    const qsizetype from = at + needle.size();
    qsizetype to = from;
    int depth = 0;
    while (to < data.size() && (depth > 0 || (data[to] != ',' && data[to] != '}'))) {
        depth += data[to] == '[' ? 1 : data[to] == ']' ? -1 : 0;
        ++to;
    }
    return data.left(from) + value + data.mid(to);
}

// Opens file on the canvas and waits for the outcome: whether it opened.
bool openAndWait(MyPainter &canvas, const QString &path)
{
    QSignalSpy opened(&canvas, &MyPainter::drawingOpened);
    QSignalSpy failed(&canvas, &MyPainter::drawingOpenFailed);
    if (!canvas.openDrawing(QUrl::fromLocalFile(path)))
        return false;
    if (!QTest::qWaitFor([&] { return opened.size() + failed.size() > 0; }, 10000))
        return false;
    return opened.size() == 1 && failed.isEmpty() && !canvas.isLoading();
}

// A drawing of the elements given as raw JSON objects.
QByteArray drawingOf(const QByteArray &elements)
{
    return "{\"format\":\"quillmark-drawing\",\"version\":1,\"elements\":[" + elements + "]}";
}

// A freehand stroke of count points along a line.
QByteArray strokeOf(int count, int width = 3)
{
    QByteArray points;
    points.reserve(count * 12);
    for (int i = 0; i < count; ++i)
        points += QByteArray::number(i % 1900) + ',' + QByteArray::number(i / 1900) + ',';
    points.chop(1);
    return "{\"kind\":\"freehand\",\"color\":\"#ff0000\",\"width\":" + QByteArray::number(width) +
           ",\"opacity\":1,\"points\":[" + points + "]}";
}

} // namespace

// Saving a drawing and opening it again, and files that must not open.
class TestDrawingFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }

    void roundTripLooksTheSame_data()
    {
        QTest::addColumn<Drawing>("draw");
        QTest::newRow("freehand") << Drawing([](MyPainter &c) {
            c.setPenSize(8);
            drag(c, {{20, 20}, {40, 35}, {60, 30}, {90, 80}, {120, 60}, {150, 140}});
        });
        QTest::newRow("highlighter") << Drawing([](MyPainter &c) {
            c.setPenColor(QColor(QStringLiteral("#3cb371")));
            c.setPenOpacity(0.4);
            c.setPenSize(15);
            drag(c, {{30, 100}, {200, 105}, {300, 120}});
        });
        QTest::newRow("single-point stroke") << Drawing([](MyPainter &c) {
            auto dot = std::make_shared<FreehandElement>(QList<QPoint>{{77, 77}}, Qt::blue, 12, 1);
            c.document().addElement(dot);
        });
        QTest::newRow("pressure highlighter over a pen stroke") << Drawing([](MyPainter &c) {
            const QList<QPoint> points{{40, 40}, {90, 60}, {140, 50}, {190, 90}, {240, 70}};
            c.document().addElement(std::make_shared<FreehandElement>(
                points, Qt::darkBlue, 9, 1.0, QList<quint8>{5, 30, 60, 90, 100}));
            c.document().addElement(
                std::make_shared<FreehandElement>(points, QColor(QStringLiteral("#ffd700")), 30,
                                                  0.4, QList<quint8>{100, 0, 50, 70, 20}));
        });
        QTest::newRow("line with shift") << Drawing([](MyPainter &c) {
            c.setDrawMode(MyPainter::LineMode);
            drag(c, {{10, 10}, {100, 93}}, true);
        });
        QTest::newRow("circle") << Drawing([](MyPainter &c) {
            c.setDrawMode(MyPainter::CircleMode);
            c.setPenColor(QColor(10, 20, 30, 128)); // a colour with its own alpha
            drag(c, {{150, 150}, {200, 190}});
        });
        QTest::newRow("square with shift") << Drawing([](MyPainter &c) {
            c.setDrawMode(MyPainter::RectangleMode);
            c.setPenSize(3);
            drag(c, {{40, 200}, {90, 140}}, true);
        });
        QTest::newRow("arrow") << Drawing([](MyPainter &c) {
            c.setDrawMode(MyPainter::ArrowMode);
            c.setPenSize(10);
            drag(c, {{300, 250}, {120, 40}});
        });
        QTest::newRow("text") << Drawing([](MyPainter &c) {
            c.setTextToDraw(QStringLiteral("Hello 你好 \"quoted\"\n"));
            c.setTextSize(33);
            c.addText(QPoint(30, 120));
        });
        QTest::newRow("numbered circles") << Drawing([](MyPainter &c) {
            c.setDrawMode(MyPainter::NumberedCircleMode);
            for (int i = 0; i < 12; ++i)
                c.beginPaint(QPoint(20 + 30 * i, 200));
        });
        QTest::newRow("fading element keeps its own opacity") << Drawing([](MyPainter &c) {
            c.setDrawMode(MyPainter::LineMode);
            c.setPenOpacity(0.7);
            drag(c, {{10, 280}, {390, 280}});
            c.undoGradient();
            for (int i = 0; i < 10; ++i)
                c.document().fadeOutJobs().first()->tick();
        });
    }

    // Saved, opened and shown again: pixel for pixel what was drawn, and the same file.
    void roundTripLooksTheSame()
    {
        QFETCH(Drawing, draw);
        QTemporaryDir dir;
        const auto original = makeCanvas();
        // Something underneath, so that the stacking order counts too.
        drag(*original, {{0, 0}, {400, 300}});
        draw(*original);
        QVERIFY(!original->document().elements().isEmpty());
        const QString path = dir.filePath(QStringLiteral("drawing"));
        QVERIFY(original->saveDrawing(QUrl::fromLocalFile(path)));
        QVERIFY(QFile::exists(path + QStringLiteral(".qmark")));

        // What the original shows with every element at rest.
        DrawingDocument resting;
        QList<DrawingDocument::ElementPtr> elements;
        for (const auto &e : original->document().elements()) {
            e->setOpacity(original->document().restingOpacity(e));
            elements.append(e);
        }
        resting.replaceAll(elements, original->document().circleCounter());

        const auto opened = makeCanvas();
        drag(*opened, {{5, 290}, {395, 10}}); // a drawing that the file replaces
        QVERIFY(openAndWait(*opened, path + QStringLiteral(".qmark")));
        const QSize size(400, 300);
        QCOMPARE(renderReference(opened->document(), size), renderReference(resting, size));
        QCOMPARE(opened->document().circleCounter(), original->document().circleCounter());
        QCOMPARE(DrawingFile::toJson(opened->document()), DrawingFile::toJson(resting));
    }

    // Opening is one step: undo gives back the drawing before (and its numbering), redo
    // the opened one.
    void openingIsOneUndoableStep()
    {
        const auto canvas = makeCanvas();
        canvas->setDrawMode(MyPainter::NumberedCircleMode);
        canvas->beginPaint(QPoint(50, 50));
        canvas->beginPaint(QPoint(90, 50));
        const auto before = canvas->document().elements();

        const std::optional<DrawingFile::Loaded> loaded =
            DrawingFile::fromJson(validFile(), nullptr);
        QVERIFY(loaded);
        canvas->document().replaceAll(loaded->elements, loaded->circleCounter);
        QCOMPARE(canvas->document().elements(), loaded->elements);
        QCOMPARE(canvas->document().circleCounter(), 1);
        QVERIFY(canvas->canUndo());
        QVERIFY(!canvas->canRedo());

        canvas->undo();
        QCOMPARE(canvas->document().elements(), before);
        QCOMPARE(canvas->document().circleCounter(), 2);
        canvas->redo();
        QCOMPARE(canvas->document().elements(), loaded->elements);
        QCOMPARE(canvas->document().circleCounter(), 1);
        canvas->beginPaint(QPoint(200, 200));
        QCOMPARE(static_cast<const NumberedCircleElement &>(*canvas->document().elements().last())
                     .number(),
                 2);
    }

    void hostileFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("reason"); // part of the message the user sees

        const QByteArray valid = validFile();
        QTest::newRow("empty") << QByteArray() << "空";
        QTest::newRow("truncated") << valid.left(valid.size() / 2) << "损坏或不完整";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "损坏或不完整";
        QTest::newRow("not an object") << QByteArray("[1,2,3]") << "不是 Quillmark";
        QTest::newRow("other format")
            << QByteArray(valid).replace("quillmark-drawing", "other") << "不是 Quillmark";
        QTest::newRow("future version")
            << QByteArray(valid).replace("\"version\":1", "\"version\":7") << "格式版本 7";
        QTest::newRow("version after pressure")
            << QByteArray(valid).replace("\"version\":1", "\"version\":3") << "格式版本 3";
        const QByteArray pressureStroke =
            "{\"format\":\"quillmark-drawing\",\"version\":2,\"elements\":[{\"kind\":"
            "\"freehand\",\"color\":\"#ff000000\",\"width\":4,\"opacity\":1,\"points\":[1,2,"
            "3,4],\"pressures\":[50,50]}]}";
        QTest::newRow("pressure for each point")
            << QByteArray(pressureStroke).replace("[50,50]", "[50]") << "“pressures”";
        QTest::newRow("pressure above full")
            << QByteArray(pressureStroke).replace("[50,50]", "[50,101]") << "“pressures”";
        QTest::newRow("pressure as a fraction")
            << QByteArray(pressureStroke).replace("[50,50]", "[0.5,50]") << "“pressures”";
        QTest::newRow("version as text")
            << QByteArray(valid).replace("\"version\":1", "\"version\":\"1\"") << "格式版本无效";
        QTest::newRow("no elements")
            << QByteArray("{\"format\":\"quillmark-drawing\",\"version\":1}") << "元素列表";
        QTest::newRow("unknown kind") << withElementValue("kind", "\"hexagon\"") << "hexagon";
        QTest::newRow("element not an object")
            << QByteArray(valid).replace("[\n        {", "[7,{") << "第 1 个元素";
        QTest::newRow("string for a number") << withElementValue("width", "\"3\"") << "“width”";
        QTest::newRow("negative width") << withElementValue("width", "-4") << "“width”";
        QTest::newRow("fractional width") << withElementValue("width", "2.5") << "“width”";
        QTest::newRow("huge coordinate") << withElementValue("start", "[1e300,5]") << "“start”";
        QTest::newRow("overflowing number") << withElementValue("start", "[1e999,5]") << "";
        QTest::newRow("NaN coordinate") << withElementValue("start", "[NaN,5]") << "损坏";
        QTest::newRow("point with three values") << withElementValue("end", "[1,2,3]") << "“end”";
        QTest::newRow("missing end")
            << QByteArray(valid).replace(",\"end\":[50,60]", "") << "“end”";
        QTest::newRow("opacity above 1") << withElementValue("opacity", "1.5") << "opacity";
        QTest::newRow("named colour") << withElementValue("color", "\"red\"") << "color";
        QTest::newRow("colour not hex") << withElementValue("color", "\"#gg0000\"") << "color";
        QTest::newRow("circle counter negative")
            << QByteArray(valid).replace("\"circleCounter\":1", "\"circleCounter\":-1")
            << "circleCounter";
        QTest::newRow("text not a string")
            << QByteArray("{\"format\":\"quillmark-drawing\",\"version\":1,\"elements\":[\n"
                          "                "
                          "{\"kind\":\"text\",\"color\":\"#ff000000\",\"width\":1,\"opacity\":1,"
                          "\"position\":[0,0],\n"
                          "                 \"text\":42,\"fontSize\":20}]}")
            << "“text”";
        QTest::newRow("odd number of coordinates")
            << QByteArray("{\"format\":\"quillmark-drawing\",\"version\":1,\"elements\":[\n"
                          "                "
                          "{\"kind\":\"freehand\",\"color\":\"#ff000000\",\"width\":1,\"opacity\":"
                          "1,\"points\":[1,2,3]}]}")
            << "points";

        // A stroke with one point more than a stroke may have.
        QByteArray manyPoints =
            "{\"format\":\"quillmark-drawing\",\"version\":1,\"elements\":[{\"kind\":\"freehand\","
            "\"color\":\"#ff000000\",\"width\":1,\"opacity\":1,\"points\":[";
        manyPoints.reserve(manyPoints.size() + 4 * DrawingFile::MaxPointsPerStroke + 16);
        for (int i = 0; i <= DrawingFile::MaxPointsPerStroke; ++i)
            manyPoints.append("0,0,");
        manyPoints.chop(1);
        manyPoints.append("]}]}");
        QTest::newRow("too many points") << manyPoints << "点过多";

        QByteArray manyElements = "{\"format\":\"quillmark-drawing\",\"version\":1,\"elements\":[";
        for (int i = 0; i <= DrawingFile::MaxElements; ++i)
            manyElements.append("0,");
        manyElements.chop(1);
        manyElements.append("]}");
        QTest::newRow("too many elements") << manyElements << "元素过多";

        // One bad element among good ones spoils the whole file.
        QByteArray lastBad = valid;
        lastBad.replace(lastBad.lastIndexOf("]}"), 2,
                        ",{\"kind\":\"circle\",\"color\":\"#ff000000\",\"width\":1,\"opacity\":1,\n"
                        "            \"center\":[3,3],\"radius\":-2}]}");
        QTest::newRow("last element bad") << lastBad << "第 2 个元素";
    }

    void hostileFilesChangeNothing()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, reason);
        QString error;
        QVERIFY(!DrawingFile::fromJson(data, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));

        // Through the canvas, from a file: the message arrives, the drawing stays as it was.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.qmark"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(data);
        file.close();
        const auto canvas = makeCanvas();
        drag(*canvas, {{10, 10}, {60, 60}});
        canvas->undo();
        const auto redoable = canvas->document().history().redoStack().size();
        QSignalSpy failed(canvas.get(), &MyPainter::drawingOpenFailed);
        QVERIFY(!openAndWait(*canvas, path));
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().first().toString(), error);
        QVERIFY(canvas->document().elements().isEmpty());
        QVERIFY(!canvas->canUndo());
        QCOMPARE(canvas->document().history().redoStack().size(), redoable);
    }

    // Each documented limit holds exactly: at it the file opens, one past it it is refused.
    void limitsHoldExactly_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("opens");
        const auto circle = [](const char *radius) {
            return drawingOf(QByteArray("{\"kind\":\"circle\",\"color\":\"#ff0000\",\"width\":3,"
                                        "\"opacity\":1,\"center\":[0,0],\"radius\":") +
                             radius + "}");
        };
        const auto text = [](int length, int size) {
            return drawingOf("{\"kind\":\"text\",\"color\":\"#ff0000\",\"width\":3,\"opacity\":1,"
                             "\"position\":[5,5],\"text\":\"" +
                             QByteArray(length, 'w') +
                             "\",\"fontSize\":" + QByteArray::number(size) + "}");
        };
        QTest::newRow("widest pen") << withElementValue("width", "100") << true;
        QTest::newRow("pen too wide") << withElementValue("width", "101") << false;
        QTest::newRow("farthest point") << withElementValue("start", "[-1000000,1000000]") << true;
        QTest::newRow("point too far") << withElementValue("start", "[1000001,0]") << false;
        QTest::newRow("largest circle") << circle("2000000") << true;
        QTest::newRow("circle too large") << circle("2000001") << false;
        QTest::newRow("longest text, largest font") << text(100000, 1000) << true;
        QTest::newRow("text too long") << text(100001, 20) << false;
        QTest::newRow("font too large") << text(5, 1001) << false;
        QTest::newRow("longest stroke") << drawingOf(strokeOf(1000000)) << true;
        // Lines across the whole desktop at the widest pen: 3.4 million pixels of ink each.
        const auto lines = [](int count) {
            QByteArray elements;
            for (int i = 0; i < count; ++i)
                elements += "{\"kind\":\"line\",\"color\":\"#ff0000\",\"width\":100,\"opacity\":1,"
                            "\"start\":[-16384,0],\"end\":[16384,0]},";
            elements.chop(1);
            return drawingOf(elements);
        };
        QTest::newRow("most ink") << lines(140) << true;
        QTest::newRow("too much ink") << lines(150) << false;
    }

    void limitsHoldExactly()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, opens);
        QString error;
        QCOMPARE(bool(DrawingFile::fromJson(data, &error)), opens);
        QCOMPARE(error.isEmpty(), opens);
    }

    // A stroke longer than a stroke may be opens as strokes that go on from each other's
    // last point, every point kept; a gesture that long is drawn the same way, so whatever
    // is drawn opens again.
    void longStrokesComeInPieces()
    {
        const std::optional<DrawingFile::Loaded> loaded =
            DrawingFile::fromJson(drawingOf(strokeOf(12000, 7)), nullptr);
        QVERIFY(loaded);
        QList<QPoint> joined;
        for (const auto &element : loaded->elements) {
            const auto &piece = static_cast<const FreehandElement &>(*element);
            QVERIFY(piece.points().size() <= FreehandElement::maxPoints(7));
            QCOMPARE(piece.penWidth(), 7);
            if (!joined.isEmpty()) {
                QCOMPARE(piece.points().first(), joined.last());
                joined.removeLast();
            }
            joined += piece.points();
        }
        QCOMPARE(loaded->elements.size(), 12000 / (FreehandElement::maxPoints(7) - 1) + 1);
        QCOMPARE(joined.size(), 12000);
        QCOMPARE(joined.at(11999), QPoint(11999 % 1900, 11999 / 1900));

        const auto canvas = makeCanvas();
        canvas->setPenSize(7);
        canvas->beginPaint(QPoint(0, 0));
        for (int i = 1; i < 12000; ++i)
            canvas->movePaint(QPoint(i % 400, i / 400), false);
        canvas->endPaint(QPoint(11999 % 400, 11999 / 400), false);
        const auto drawn = canvas->document().elements().size();
        QCOMPARE(drawn, loaded->elements.size());
        const QByteArray saved = DrawingFile::toJson(canvas->document());
        const std::optional<DrawingFile::Loaded> again = DrawingFile::fromJson(saved, nullptr);
        QVERIFY(again);
        QCOMPARE(again->elements.size(), drawn);
    }

    // Pressure is written only where a stroke has it, so drawings without stay readable by
    // builds before pressure; a version 1 file means no pressure, whatever keys it holds.
    void pressureTakesTheNewVersion()
    {
        const auto canvas = makeCanvas();
        drag(*canvas, {{10, 10}, {50, 40}, {90, 20}});
        QByteArray saved = DrawingFile::toJson(canvas->document());
        QVERIFY(saved.contains("\"version\":1"));
        QVERIFY(!saved.contains("pressures"));

        // A long pen stroke: its pressures come back with its points, across its pieces.
        QList<QPoint> points;
        QList<quint8> levels;
        for (int i = 0; i < 6000; ++i) {
            points.append(QPoint(i % 390, 100 + i / 390));
            levels.append(quint8(i % 101));
        }
        canvas->document().addElement(
            std::make_shared<FreehandElement>(points, Qt::red, 12, 1.0, levels));
        saved = DrawingFile::toJson(canvas->document());
        QVERIFY(saved.contains("\"version\":2"));
        QVERIFY(saved.contains("\"pressures\":[0,1,2,3"));
        const std::optional<DrawingFile::Loaded> loaded = DrawingFile::fromJson(saved, nullptr);
        QVERIFY(loaded);
        QVERIFY(loaded->elements.size() > 2);
        QVERIFY(!static_cast<const FreehandElement &>(*loaded->elements.first()).hasPressure());
        QList<quint8> joined;
        for (qsizetype i = 1; i < loaded->elements.size(); ++i) {
            const auto &piece = static_cast<const FreehandElement &>(*loaded->elements.at(i));
            QCOMPARE(piece.pressures().size(), piece.points().size());
            if (!joined.isEmpty())
                joined.removeLast();
            joined += piece.pressures();
        }
        QCOMPARE(joined, levels);

        const QByteArray plain =
            drawingOf("{\"kind\":\"freehand\",\"color\":\"#ff000000\",\"width\":4,\"opacity\":1,"
                      "\"points\":[1,2,30,40],\"pressures\":[0,0]}");
        const std::optional<DrawingFile::Loaded> old = DrawingFile::fromJson(plain, nullptr);
        QVERIFY(old);
        const auto &stroke = static_cast<const FreehandElement &>(*old->elements.first());
        QCOMPARE(stroke.points(), (QList<QPoint>{{1, 2}, {30, 40}}));
        QVERIFY(!stroke.hasPressure());
    }

    // A file above the size limit is refused from its size, before it is read.
    void oversizedFileIsRefusedUnread()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("huge.qmark"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(validFile()) > 0);
        QVERIFY(file.resize(DrawingFile::MaxFileSize + 1)); // sparse: costs no disk
        file.close();
        QString error;
        QVERIFY(!DrawingFile::load(path, &error));
        QVERIFY2(error.contains(QStringLiteral("过大")), qPrintable(error));
        QVERIFY(!DrawingFile::load(dir.filePath(QStringLiteral("missing.qmark")), &error));
        QVERIFY(!DrawingFile::load(dir.path(), &error)); // a folder
    }

    // A failed save leaves the earlier file whole; the name gets ".qmark" when it has no
    // suffix.
    void failedSaveKeepsTheEarlierFile()
    {
        QTemporaryDir dir;
        const auto canvas = makeCanvas();
        drag(*canvas, {{10, 10}, {60, 60}});
        const QString path = dir.filePath(QStringLiteral("kept.qmark"));
        QVERIFY(canvas->saveDrawing(QUrl::fromLocalFile(path)));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray before = saved.readAll();
        saved.close();

        QSignalSpy failed(canvas.get(), &MyPainter::drawingSaveFailed);
        QVERIFY(!canvas->saveDrawing(
            QUrl::fromLocalFile(dir.filePath(QStringLiteral("no/such/folder/x.qmark")))));
        QVERIFY(!canvas->saveDrawing(QUrl(QStringLiteral("https://127.0.0.1/x.qmark"))));
        QCOMPARE(failed.size(), 2);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.qmark"});
    }
};

QTEST_MAIN(TestDrawingFile)
#include "tst_drawingfile.moc"
