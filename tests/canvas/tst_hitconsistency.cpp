#include "canvastesthelpers.h"
#include "elements/arrowelement.h"
#include "elements/circleelement.h"
#include "elements/freehandelement.h"
#include "elements/lineelement.h"
#include "elements/numberedcircleelement.h"
#include "elements/rectangleelement.h"
#include "elements/textelement.h"
#include "referencepicture.h"

#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QtTest>

// What the canvas decides (hits, erasures, what it asks to repaint) must not depend on
// when the scene graph last painted it.
class TestHitConsistency : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }

    void rightClickHitsAStrokeNeverPainted_data()
    {
        QTest::addColumn<bool>("renderedOnEveryChange");
        QTest::newRow("reference") << true;
        QTest::newRow("cached") << false;
    }
    void rightClickHitsAStrokeNeverPainted()
    {
        QFETCH(bool, renderedOnEveryChange);
        auto canvas = makeCanvas(800, 600);
        std::unique_ptr<ReferencePicture> reference;
        if (renderedOnEveryChange)
            reference = std::make_unique<ReferencePicture>(*canvas);
        // A fast stroke: its points lie 100 px apart, the outline runs between them.
        stroke(*canvas, {QPoint(100, 100), QPoint(200, 100), QPoint(300, 100), QPoint(400, 100)});
        QVERIFY(canvas->deleteElement(QPoint(150, 100), 10));
        QVERIFY(canvas->document().elements().isEmpty());
    }

    void eraserCrossesAStrokeNeverPainted()
    {
        auto canvas = makeCanvas(800, 600);
        stroke(*canvas, {QPoint(100, 100), QPoint(200, 100), QPoint(300, 100), QPoint(400, 100)});
        canvas->setPenSize(2);
        canvas->setIsEraserMode(true);
        stroke(*canvas, {QPoint(150, 80), QPoint(150, 120)});
        QVERIFY(canvas->document().elements().isEmpty());
    }

    void changesThatAlterNothingRepaintNothing()
    {
        auto canvas = makeCanvas(1920, 1080);
        QImage shown;
        stroke(*canvas, {QPoint(10, 10), QPoint(60, 40), QPoint(90, 20)});
        repaintDirty(*canvas, shown);

        canvas->setDrawMode(MyPainter::TextMode);
        repaintDirty(*canvas, shown);
        stroke(*canvas, {QPoint(500, 500), QPoint(700, 600)});
        QCOMPARE(canvas->renderer().pendingDirtyRect(), QRect());

        canvas->setIsEraserMode(true);
        repaintDirty(*canvas, shown);
        stroke(*canvas, {QPoint(1500, 900), QPoint(1600, 950)});
        QCOMPARE(canvas->renderer().pendingDirtyRect(), QRect());

        canvas->setIsEraserMode(false);
        canvas->setDrawMode(MyPainter::LineMode);
        repaintDirty(*canvas, shown);
        canvas->beginPaint(QPoint(300, 300));
        canvas->endPaint(QPoint(300, 300), false);
        QCOMPARE(canvas->renderer().pendingDirtyRect(), QRect());

        // A resize repaints the whole item once, and only once.
        canvas->setSize(QSizeF(1900, 1000));
        QCOMPARE(canvas->renderer().pendingDirtyRect(), QRect(0, 0, 1900, 1000));
        repaintDirty(*canvas, shown);
        canvas->setDrawMode(MyPainter::TextMode);
        stroke(*canvas, {QPoint(500, 500), QPoint(700, 600)});
        QCOMPARE(canvas->renderer().pendingDirtyRect(), QRect());
    }

    // The canvas skips the exact test for elements far from the click; it must still remove
    // exactly the topmost element whose own hit test succeeds, for every kind, pen width
    // and tolerance (square stroke caps reach farthest).
    void rightClickRemovesTheTopmostHit()
    {
        QRandomGenerator rng(99);
        const auto point = [&] { return QPoint(rng.bounded(-20, 320), rng.bounded(-20, 320)); };
        int removed = 0;
        for (int round = 0; round < 60; ++round) {
            auto canvas = makeCanvas(300, 300);
            for (int i = 0; i < 12; ++i) {
                const int width = rng.bounded(0, 45);
                std::shared_ptr<DrawingElement> e;
                switch (rng.bounded(7)) {
                case 0: {
                    QList<QPoint> points;
                    for (int k = rng.bounded(1, 7); k > 0; --k)
                        points << point();
                    e = std::make_shared<FreehandElement>(points, Qt::red, width, 1.0);
                    break;
                }
                case 1:
                    e = std::make_shared<LineElement>(point(), point(), Qt::red, width, 1.0);
                    break;
                case 2:
                    e = std::make_shared<CircleElement>(point(), rng.bounded(90), Qt::red, width,
                                                        1.0);
                    break;
                case 3:
                    e = std::make_shared<RectangleElement>(point(), point(), Qt::red, width, 1.0);
                    break;
                case 4:
                    e = std::make_shared<ArrowElement>(point(), point(), Qt::red, width, 1.0);
                    break;
                case 5:
                    e = std::make_shared<TextElement>(point(), QStringLiteral("Wg %1").arg(i),
                                                      rng.bounded(-10, 50), Qt::red, width, 1.0);
                    break;
                default:
                    e = std::make_shared<NumberedCircleElement>(point(), i, Qt::red, width, 1.0);
                    break;
                }
                canvas->document().addElement(e);
            }
            // Give every stroke the outline a full render gives it.
            renderReference(canvas->document(), QSize(300, 300));
            for (int click = 0; click < 80; ++click) {
                const QPoint p = point();
                const int tolerance = rng.bounded(-3, 60);
                QString expected;
                const auto &elements = canvas->document().elements();
                for (qsizetype i = elements.size() - 1; i >= 0 && expected.isEmpty(); --i) {
                    if (elements.at(i)->hitTest(p, tolerance))
                        expected = elements.at(i)->id();
                }
                const QStringList before = idsOf(*canvas);
                const bool hit = canvas->deleteElement(p, tolerance);
                QCOMPARE(hit, !expected.isEmpty());
                if (hit) {
                    QStringList after = before;
                    after.removeOne(expected);
                    QCOMPARE(idsOf(*canvas), after);
                    ++removed;
                }
            }
        }
        QVERIFY(removed > 50);
    }

    // Two canvases fed the same seeded input; the cached one is never painted. Every
    // right click and eraser stroke must remove the same elements on both.
    void unpaintedCanvasDecidesAsTheReference()
    {
        auto reference = makeCanvas(500, 400);
        auto cached = makeCanvas(500, 400);
        // The reference canvas is rendered in full at every change.
        const ReferencePicture picture(*reference);
        QRandomGenerator rng(2024);
        const auto signature = [](const MyPainter &c) {
            QStringList out;
            for (const auto &e : c.document().elements()) {
                const QRect b = e->boundingRect();
                out << QStringLiteral("%1@%2,%3,%4,%5")
                           .arg(e->type())
                           .arg(b.x())
                           .arg(b.y())
                           .arg(b.width())
                           .arg(b.height());
            }
            return out;
        };
        for (int step = 0; step < 3000; ++step) {
            const int op = rng.bounded(100);
            // Jumps of up to 120 px: fast pointer moves leave sparse strokes.
            const QPoint p(rng.bounded(500), rng.bounded(400));
            const int mode = rng.bounded(7);
            bool agree = true;
            for (MyPainter *c : {reference.get(), cached.get()}) {
                if (op < 10) {
                    c->setIsEraserMode(mode == 5);
                    if (mode != 5)
                        c->setDrawMode(mode == 6 ? 1 : mode);
                    c->beginPaint(p);
                } else if (op < 70) {
                    c->movePaint(p, false);
                } else if (op < 75) {
                    c->endPaint(p, false);
                } else if (op < 80) {
                    c->undo();
                } else if (op < 83) {
                    c->redo();
                } else {
                    c->setPenSize(1 + mode);
                }
            }
            if (op >= 90) {
                const bool a = reference->deleteElement(p, 10);
                const bool b = cached->deleteElement(p, 10);
                agree = a == b;
            }
            QVERIFY2(agree && signature(*reference) == signature(*cached),
                     qPrintable(QStringLiteral("step %1, op %2").arg(step).arg(op)));
        }
    }
};

QTEST_MAIN(TestHitConsistency)
#include "tst_hitconsistency.moc"
