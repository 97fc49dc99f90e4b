#include "canvasrenderer.h"
#include "canvastesthelpers.h"
#include "elements/circleelement.h"
#include "elements/freehandelement.h"
#include "elements/lineelement.h"
#include "elements/rectangleelement.h"
#include "referencepicture.h"
#include "referencerenderer.h"

#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// One canvas whose item keeps layers and repaints regions, and the plain full render of
// its document at every change it announces. What they show must not differ.
struct Pair
{
    std::unique_ptr<MyPainter> canvas;
    std::unique_ptr<ReferencePicture> reference;
    QImage shownCached;
    // Device pixels per item pixel of the view (2 on a 200 % screen).
    qreal ratio;

    explicit Pair(QSize size = QSize(360, 260), qreal ratio = 1.0)
        : canvas(makeCanvas(size.width(), size.height())),
          reference(std::make_unique<ReferencePicture>(*canvas, ratio)), ratio(ratio)
    {
    }
    template <typename F> void apply(F &&f) { f(*canvas); }
    int frameDifference(QPoint *where = nullptr)
    {
        repaintDirty(*canvas, shownCached, ratio);
        return maxChannelDifference(reference->shown(), shownCached, where);
    }
};

} // namespace

// The cached renderer against the full render of the same document.
class TestRenderCache : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }
    void oracle_data();
    void oracle();
    void deviceResolution_data();
    void deviceResolution();
    void highlighterOverlapsLookTheSame();
    void pointerMoveRepaintsOnlyTheStrokeRegion();
    void effectTicksRepaintOnlyTheirElement();
    void largeDrawingFillsInFrameByFrame();
    void farGeometryLooksTheSame();
};

void TestRenderCache::oracle_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("steps");
    QTest::addColumn<double>("ratio");
    QTest::newRow("seed 3") << 3u << 1.0 << 1500 << 1.0;
    QTest::newRow("seed 1234") << 1234u << 1.0 << 1500 << 1.0;
    // Larger than one composing tile: strokes cross the tile seams.
    QTest::newRow("seed 99, large") << 99u << 3.0 << 500 << 1.0;
    // A 200 % screen: the view against the drawing rendered at that resolution.
    QTest::newRow("seed 8, 200 %") << 8u << 1.0 << 800 << 2.0;
    QTest::newRow("seed 7, 200 %") << 7u << 1.0 << 800 << 2.0;
    // Fractional scales: item pixel edges fall inside device pixels.
    QTest::newRow("seed 5, 125 %") << 5u << 1.0 << 800 << 1.25;
    QTest::newRow("seed 5, 150 %") << 5u << 1.0 << 800 << 1.5;
    QTest::newRow("seed 11, 175 %") << 11u << 1.0 << 800 << 1.75;
}

void TestRenderCache::oracle()
{
    QFETCH(quint32, seed);
    QFETCH(double, scale);
    QFETCH(int, steps);
    QFETCH(double, ratio);
    QRandomGenerator rng(seed);
    Pair pair(QSize(int(360 * scale), int(260 * scale)), ratio);
    const QSizeF sizes[] = {QSizeF(360, 260) * scale, QSizeF(360 * scale + 1, 260 * scale),
                            QSizeF(300, 230) * scale, QSizeF(400, 280) * scale};
    int worst = 0;
    for (int step = 0; step < steps; ++step) {
        const int op = rng.bounded(100);
        const QPoint p(int(rng.bounded(-10, 410) * scale), int(rng.bounded(-10, 290) * scale));
        const bool flag = rng.bounded(2) == 0;
        const int choice = rng.bounded(7);
        QString what;
        if (op < 12) {
            what = "press";
            pair.apply([&](MyPainter &c) {
                if (choice == 0)
                    c.setIsEraserMode(!c.isEraserMode());
                else if (flag)
                    c.setDrawMode(choice);
                c.beginPaint(p);
            });
        } else if (op < 50) {
            what = "move";
            pair.apply([&](MyPainter &c) { c.movePaint(p, flag); });
        } else if (op < 54) {
            what = "release";
            pair.apply([&](MyPainter &c) { c.endPaint(p, flag); });
        } else if (op < 61) {
            what = "undo";
            pair.apply([&](MyPainter &c) { c.undo(); });
        } else if (op < 66) {
            what = "redo";
            pair.apply([&](MyPainter &c) { c.redo(); });
        } else if (op < 70) {
            what = "right click";
            pair.apply([&](MyPainter &c) { c.deleteElement(p, 10); });
        } else if (op < 72) {
            what = "fade";
            pair.apply([&](MyPainter &c) { c.undoGradient(); });
        } else if (op < 80) {
            what = "fade tick";
            pair.apply([&](MyPainter &c) {
                for (FadeOutJob *job : c.document().fadeOutJobs())
                    job->tick();
            });
        } else if (op < 82) {
            what = "breath";
            const int times[] = {0, 3000, 1000, -1, 200, 3000, 500};
            pair.apply([&](MyPainter &c) { c.repeatDraw(times[choice]); });
        } else if (op < 91) {
            what = "breath tick";
            pair.apply([&](MyPainter &c) {
                if (BreathingJob *job = c.document().breathingJob())
                    job->tick();
            });
        } else if (op < 94) {
            what = "resize";
            pair.apply([&](MyPainter &c) { c.setSize(sizes[choice % 4]); });
        } else if (op < 98) {
            what = "pen";
            const double opacities[] = {1.0, 0.4, 0.7, 0.995, 0.2, 1.0, 0.5};
            pair.apply([&](MyPainter &c) {
                c.setPenOpacity(opacities[choice]);
                c.setPenSize(int((1 + choice * 4) * scale));
                c.setPenColor(QColor::fromHsv(choice * 50, 255, 200));
                c.setTextToDraw(QStringLiteral("Notiz %1").arg(step));
                if (flag)
                    c.addText(p);
            });
        } else {
            what = "clear";
            pair.apply([&](MyPainter &c) { c.clear(); });
        }
        if (pair.canvas->document().elements().size() > 80)
            pair.apply([&](MyPainter &c) { c.clear(); });

        QPoint where;
        const int difference = pair.frameDifference(&where);
        QVERIFY2(difference >= 0 && difference <= 2,
                 qPrintable(QStringLiteral("step %1 (%2): difference %3 at (%4, %5)")
                                .arg(step)
                                .arg(what)
                                .arg(difference)
                                .arg(where.x())
                                .arg(where.y())));
        QVERIFY2(pair.canvas->renderer().imageCount() <= 3, qPrintable(QString::number(step)));
        worst = std::max(worst, difference);
    }
    qInfo() << "largest channel difference" << worst;
}

void TestRenderCache::deviceResolution_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("opacity");
    QTest::addColumn<double>("ratio");
    const std::pair<const char *, int> modes[] = {
        {"freehand", MyPainter::FreehandMode},
        {"line", MyPainter::LineMode},
        {"circle", MyPainter::CircleMode},
        {"rectangle", MyPainter::RectangleMode},
        {"arrow", MyPainter::ArrowMode},
        {"text", MyPainter::TextMode},
        {"numbered circle", MyPainter::NumberedCircleMode}};
    for (const double ratio : {2.0, 1.5}) {
        for (const auto &[name, mode] : modes)
            QTest::addRow("%s, %g", name, ratio) << mode << 1.0 << ratio;
        QTest::addRow("highlighter, %g", ratio) << int(MyPainter::FreehandMode) << 0.4 << ratio;
    }
}

// Every kind, in change (drawn directly) and settled (in a layer), shows the pixels of the
// drawing rendered at the device resolution, not an enlarged picture of the item's size.
void TestRenderCache::deviceResolution()
{
    QFETCH(int, mode);
    QFETCH(double, opacity);
    QFETCH(double, ratio);
    Pair pair(QSize(300, 200), ratio);
    pair.apply([&](MyPainter &c) {
        c.setDrawMode(mode);
        c.setPenSize(3);
        c.setPenOpacity(opacity);
        c.setTextToDraw(QStringLiteral("Notiz 42"));
    });
    const auto draw = [&](QPoint from, QPoint to) {
        pair.apply([&](MyPainter &c) {
            if (mode == MyPainter::TextMode) {
                c.addText(from);
                return;
            }
            c.beginPaint(from);
            for (int i = 1; i <= 8; ++i)
                c.movePaint(from + (to - from) * i / 8 + QPoint(0, (i % 3) * 5), false);
        });
    };
    const auto check = [&](const char *when) {
        QPoint where;
        const int difference = pair.frameDifference(&where);
        QVERIFY2(difference >= 0 && difference <= 2,
                 qPrintable(QStringLiteral("%1: difference %2 at (%3, %4)")
                                .arg(when)
                                .arg(difference)
                                .arg(where.x())
                                .arg(where.y())));
    };
    draw(QPoint(40, 60), QPoint(170, 120));
    check("in change");
    pair.apply([&](MyPainter &c) { c.endPaint(QPoint(170, 120), false); });
    draw(QPoint(120, 40), QPoint(250, 160));
    check("second one in change, first one settled");
    pair.apply([&](MyPainter &c) { c.beginPaint(QPoint(5, 5)); });
    check("both settled");
    pair.apply([&](MyPainter &c) { c.undo(); });
    check("undone");
    QCOMPARE(pair.canvas->renderer().devicePixelRatio(), ratio);
    QCOMPARE(pair.shownCached.size(), QSize(300, 200) * ratio);
}

void TestRenderCache::highlighterOverlapsLookTheSame()
{
    Pair pair;
    pair.apply([](MyPainter &c) {
        c.setPenOpacity(0.4);
        c.setPenSize(18);
        c.setPenColor(QColor(255, 220, 0));
    });
    // Two looping strokes crossing themselves and each other, compared after every move.
    const auto maxAlpha = [](const QImage &image) {
        int m = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                m = std::max(m, qAlpha(image.pixel(x, y)));
        return m;
    };
    for (int s = 0; s < 2; ++s) {
        QList<QPoint> loop;
        for (int i = 0; i <= 60; ++i) {
            const double a = i / 60.0 * 2 * M_PI;
            loop << QPoint(150 + 40 * s + int(70 * std::sin(2 * a)), 130 + int(70 * std::sin(a)));
        }
        pair.apply([&](MyPainter &c) { c.beginPaint(loop.first()); });
        for (qsizetype i = 1; i < loop.size(); ++i) {
            pair.apply([&](MyPainter &c) { c.movePaint(loop.at(i), false); });
            QVERIFY2(pair.frameDifference() <= 2, qPrintable(QString::number(i)));
        }
        if (s == 0) {
            // One stroke crossing itself is no darker at the crossing: 0.4 everywhere.
            QVERIFY2(maxAlpha(pair.shownCached) <= 103,
                     qPrintable(QString::number(maxAlpha(pair.shownCached))));
            QVERIFY(qAlpha(pair.shownCached.pixel(150, 130)) >= 101);
        }
    }
    // Where two strokes overlap, the second darkens the first (1 - 0.6 x 0.6), as before.
    QVERIFY(maxAlpha(pair.shownCached) >= 160);
    pair.apply([](MyPainter &c) { c.undo(); });
    QVERIFY(pair.frameDifference() <= 2);
    QVERIFY(maxAlpha(pair.shownCached) <= 103);
}

void TestRenderCache::pointerMoveRepaintsOnlyTheStrokeRegion()
{
    auto canvas = makeCanvas(1200, 800);
    QRandomGenerator rng(5);
    for (int i = 0; i < 200; ++i) {
        QList<QPoint> points;
        QPoint p(rng.bounded(1200), rng.bounded(800));
        for (int k = 0; k < 20; ++k)
            points << (p += QPoint(rng.bounded(-10, 11), rng.bounded(-10, 11)));
        canvas->document().addElement(std::make_shared<FreehandElement>(points, Qt::blue, 4, 1.0));
    }
    QImage shown;
    canvas->beginPaint(QPoint(600, 400));
    canvas->movePaint(QPoint(605, 402), false);
    repaintDirty(*canvas, shown);
    canvas->movePaint(QPoint(640, 420), false);
    const QRect dirty = canvas->renderer().pendingDirtyRect();
    QVERIFY(!dirty.isEmpty());
    QVERIFY(dirty.contains(QRect(600, 400, 40, 20)));
    QVERIFY2(dirty.width() < 80 && dirty.height() < 60,
             qPrintable(QStringLiteral("%1x%2").arg(dirty.width()).arg(dirty.height())));
    repaintDirty(*canvas, shown);
    QVERIFY(canvas->renderer().imageCount() <= 3);
}

void TestRenderCache::effectTicksRepaintOnlyTheirElement()
{
    Pair pair;
    pair.apply([](MyPainter &c) {
        c.setDrawMode(MyPainter::LineMode);
        for (int i = 0; i < 6; ++i) {
            stroke(c, {QPoint(20, 20 + 30 * i), QPoint(300, 30 + 30 * i)});
            c.endPaint(QPoint(300, 30 + 30 * i), false);
        }
        c.repeatDraw(1000);
        c.undoGradient();
    });
    pair.frameDifference();
    for (int i = 0; i < 25; ++i) {
        // The breathing top line, then the fading bottom line: each repaints its own band.
        pair.apply([](MyPainter &c) { c.document().breathingJob()->tick(); });
        QRect dirty = pair.canvas->renderer().pendingDirtyRect();
        QVERIFY2(dirty.height() < 40 && dirty.top() > 160, qPrintable(QString::number(i)));
        QVERIFY(pair.frameDifference() <= 2);
        pair.apply([](MyPainter &c) {
            for (FadeOutJob *job : c.document().fadeOutJobs())
                job->tick();
        });
        dirty = pair.canvas->renderer().pendingDirtyRect();
        if (i < 20)
            QVERIFY2(dirty.height() < 40 && dirty.bottom() < 60, qPrintable(QString::number(i)));
        QVERIFY(pair.frameDifference() <= 2);
    }
}

// A frame whose time is up draws one element more into the layers and asks for the next
// frame; frame by frame the picture becomes exactly the full render.
void TestRenderCache::largeDrawingFillsInFrameByFrame()
{
    DrawingDocument document;
    QRandomGenerator rng(17);
    const auto point = [&rng] { return QPoint(rng.bounded(-40, 440), rng.bounded(-40, 340)); };
    for (int i = 0; i < 120; ++i) {
        QList<QPoint> points{point()};
        for (int k = 0; k < 8; ++k)
            points << points.last() + QPoint(rng.bounded(-30, 31), rng.bounded(-30, 31));
        document.addElement(
            std::make_shared<FreehandElement>(points, QColor::fromHsv(rng.bounded(360), 255, 200),
                                              rng.bounded(1, 12), i % 3 ? 1.0 : 0.4));
    }
    CanvasRenderer renderer(document);
    const QRect bounds(0, 0, 400, 300);
    QImage shown(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::transparent);
    QRect dirty = renderer.changed(bounds, bounds);
    int frames = 0;
    while (!dirty.isEmpty() && frames < 1000) {
        renderer.beginFrame(QDeadlineTimer(0)); // spent before it starts
        QPainter painter(&shown);
        DevicePixels::clearAndClip(&painter, dirty);
        renderer.paint(&painter, ViewMapping(), bounds.size());
        painter.end();
        dirty = renderer.changed(renderer.endFrame(bounds), bounds);
        ++frames;
    }
    QVERIFY2(frames > 100, qPrintable(QString::number(frames)));
    QVERIFY(dirty.isEmpty());
    QCOMPARE(maxChannelDifference(shown, renderReference(document, bounds.size())), 0);
}

// Geometry far off the view is cut before it is drawn; what shows is the same as when the
// same shapes lie within reach.
void TestRenderCache::farGeometryLooksTheSame()
{
    const QSize size(400, 300);
    const int far = 1000000;
    const auto pictureOf = [&](const std::function<void(DrawingDocument &)> &fill) {
        DrawingDocument document;
        fill(document);
        return renderReference(document, size);
    };
    const QImage cut = pictureOf([&](DrawingDocument &d) {
        d.addElement(
            std::make_shared<LineElement>(QPoint(-far, 150), QPoint(far, 150), Qt::red, 9, 1));
        d.addElement(
            std::make_shared<RectangleElement>(QPoint(40, 40), QPoint(far, far), Qt::blue, 5, 1));
        d.addElement(std::make_shared<FreehandElement>(
            QList<QPoint>{{-far, 250}, {100, 250}, {200, 260}, {300, 250}, {far, 250}},
            Qt::darkGreen, 7, 0.4));
        d.addElement(std::make_shared<CircleElement>(QPoint(200, 150), 2 * far, Qt::black, 20, 1));
    });
    const QImage near = pictureOf([&](DrawingDocument &d) {
        d.addElement(
            std::make_shared<LineElement>(QPoint(-600, 150), QPoint(1000, 150), Qt::red, 9, 1));
        d.addElement(
            std::make_shared<RectangleElement>(QPoint(40, 40), QPoint(1000, 900), Qt::blue, 5, 1));
    });
    // The stroke's straight ends run far out; only its middle shows, as drawn near.
    const QImage stroke = pictureOf([&](DrawingDocument &d) {
        d.addElement(std::make_shared<FreehandElement>(
            QList<QPoint>{{-far, 250}, {100, 250}, {200, 260}, {300, 250}, {far, 250}},
            Qt::darkGreen, 7, 0.4));
    });
    QImage strokeAndNear = near;
    {
        QPainter painter(&strokeAndNear);
        painter.drawImage(0, 0, stroke);
    }
    QVERIFY(maxChannelDifference(cut, strokeAndNear) <= 1);
    QVERIFY(qAlpha(stroke.pixel(200, 258)) > 0);
}

QTEST_MAIN(TestRenderCache)
#include "tst_rendercache.moc"
