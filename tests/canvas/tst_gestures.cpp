#include "canvastesthelpers.h"
#include "elements/arrowelement.h"
#include "elements/circleelement.h"
#include "elements/freehandelement.h"
#include "elements/lineelement.h"
#include "elements/numberedcircleelement.h"
#include "elements/rectangleelement.h"
#include "elements/textelement.h"

#include <QtTest>

namespace {

// The end point of the element a gesture shaped, whatever its kind.
QPoint shapedEnd(const DrawingElement &e)
{
    if (auto *line = dynamic_cast<const LineElement *>(&e))
        return line->end();
    if (auto *rect = dynamic_cast<const RectangleElement *>(&e))
        return rect->end();
    if (auto *arrow = dynamic_cast<const ArrowElement *>(&e))
        return arrow->end();
    if (auto *stroke = dynamic_cast<const FreehandElement *>(&e))
        return stroke->points().last();
    return QPoint(-1, -1);
}

} // namespace

// Press, move and release in every drawing mode.
class TestGestures : public QObject
{
    Q_OBJECT

private slots:
    void pressAndReleaseWithoutMoveCreateNothing_data();
    void pressAndReleaseWithoutMoveCreateNothing();
    void firstMoveCreatesAndLaterMovesReshape_data();
    void firstMoveCreatesAndLaterMovesReshape();
    void circleRadiusIsTruncatedDistance();
    void freehandReleaseAppendsTheFinalPoint();
    void movesAfterReleaseReshapeNothing();
    void numberedCirclesCountUpFromOne();
    void zeroSizedCanvasIgnoresMoves();
    void textModeMovesDoNothing();
    void addTextPlacesTheText();
    void shiftSnapping_data();
    void shiftSnapping();
    void shiftOnReleaseSnapsToo();
    void newStrokeStartsWithNextPress();
    void modeChangeEndsTheGesture();
};

void TestGestures::pressAndReleaseWithoutMoveCreateNothing_data()
{
    QTest::addColumn<int>("mode");
    for (int mode = MyPainter::FreehandMode; mode <= MyPainter::ArrowMode; ++mode)
        QTest::addRow("mode %d", mode) << mode;
}

void TestGestures::pressAndReleaseWithoutMoveCreateNothing()
{
    QFETCH(int, mode);
    auto canvas = makeCanvas();
    canvas->setDrawMode(mode);
    SignalLog log(canvas.get());
    canvas->beginPaint(QPoint(10, 10));
    canvas->endPaint(QPoint(10, 10), false);
    QVERIFY(canvas->document().elements().isEmpty());
    QVERIFY(canvas->document().history().undoStack().isEmpty());
    QVERIFY(!log.names.contains("canUndo"));
}

void TestGestures::firstMoveCreatesAndLaterMovesReshape_data()
{
    QTest::addColumn<int>("mode");
    for (int mode : {MyPainter::FreehandMode, MyPainter::LineMode, MyPainter::RectangleMode,
                     MyPainter::ArrowMode})
        QTest::addRow("mode %d", mode) << mode;
}

void TestGestures::firstMoveCreatesAndLaterMovesReshape()
{
    QFETCH(int, mode);
    auto canvas = makeCanvas();
    canvas->setDrawMode(mode);
    canvas->setPenColor(Qt::blue);
    canvas->setPenSize(7);
    canvas->setPenOpacity(0.6);
    canvas->beginPaint(QPoint(20, 20));
    SignalLog log(canvas.get());
    canvas->movePaint(QPoint(40, 30), false);
    QCOMPARE(canvas->document().elements().size(), 1);
    const auto element = canvas->document().elements().first();
    QCOMPARE(element->type(), mode);
    QCOMPARE(element->color(), QColor(Qt::blue));
    QCOMPARE(element->penWidth(), 7);
    QCOMPARE(element->opacity(), 0.6);
    QCOMPARE(element->id().size(), 38);
    QVERIFY(element->id().startsWith('{'));
    QCOMPARE(element->id(), element->id().toLower());
    QCOMPARE(canvas->document().history().undoStack().size(), 1);
    QCOMPARE(canvas->document().history().undoStack().first()->name(), QStringLiteral("add"));
    QCOMPARE(canvas->document().history().undoStack().first()->elements(),
             History::ElementList{element});
    QCOMPARE(log.names, QStringList({"canUndo", "canRedo"}));
    QCOMPARE(canvas->document().currentElement(), element);

    canvas->movePaint(QPoint(60, 70), false);
    canvas->movePaint(QPoint(80, 90), false);
    QCOMPARE(canvas->document().elements().size(), 1);
    QCOMPARE(canvas->document().history().undoStack().size(), 1);
    QCOMPARE(shapedEnd(*element), QPoint(80, 90));
    if (mode == MyPainter::FreehandMode) {
        const auto stroke = std::dynamic_pointer_cast<FreehandElement>(element);
        QCOMPARE(stroke->points(),
                 QList<QPoint>({QPoint(20, 20), QPoint(40, 30), QPoint(60, 70), QPoint(80, 90)}));
    }

    canvas->endPaint(QPoint(85, 95), false);
    QCOMPARE(shapedEnd(*element), QPoint(85, 95));
    QVERIFY(!canvas->document().currentElement());
    QVERIFY(canvas->document().stroke().points.isEmpty());
}

void TestGestures::circleRadiusIsTruncatedDistance()
{
    auto canvas = makeCanvas();
    canvas->setDrawMode(MyPainter::CircleMode);
    stroke(*canvas, {QPoint(100, 100), QPoint(103, 104)});
    const auto circle =
        std::dynamic_pointer_cast<CircleElement>(canvas->document().elements().first());
    QVERIFY(circle);
    QCOMPARE(circle->center(), QPoint(100, 100));
    QCOMPARE(circle->radius(), 5);
    canvas->movePaint(QPoint(110, 110), false); // 14.14
    QCOMPARE(circle->radius(), 14);
    canvas->endPaint(QPoint(100, 119), false);
    QCOMPARE(circle->radius(), 19);
    canvas->endPaint(QPoint(100, 140), false); // gesture over: nothing changes
    QCOMPARE(circle->radius(), 19);
}

void TestGestures::freehandReleaseAppendsTheFinalPoint()
{
    auto canvas = makeCanvas();
    stroke(*canvas, {QPoint(1, 1), QPoint(5, 5)});
    const auto line =
        std::dynamic_pointer_cast<FreehandElement>(canvas->document().elements().first());
    canvas->endPaint(QPoint(5, 5), false);
    QCOMPARE(line->points().size(), 2); // same as the last point: not repeated

    stroke(*canvas, {QPoint(10, 10), QPoint(20, 20)});
    const auto second =
        std::dynamic_pointer_cast<FreehandElement>(canvas->document().elements().last());
    canvas->endPaint(QPoint(30, 25), false);
    QCOMPARE(second->points(), QList<QPoint>({QPoint(10, 10), QPoint(20, 20), QPoint(30, 25)}));
}

void TestGestures::movesAfterReleaseReshapeNothing()
{
    auto canvas = makeCanvas();
    canvas->setDrawMode(MyPainter::LineMode);
    stroke(*canvas, {QPoint(10, 10), QPoint(50, 50)});
    canvas->endPaint(QPoint(60, 60), false);
    canvas->movePaint(QPoint(200, 200), false);
    QCOMPARE(canvas->document().elements().size(), 1);
    QCOMPARE(shapedEnd(*canvas->document().elements().first()), QPoint(60, 60));
}

void TestGestures::numberedCirclesCountUpFromOne()
{
    auto canvas = makeCanvas();
    canvas->setDrawMode(MyPainter::NumberedCircleMode);
    for (int expected = 1; expected <= 3; ++expected) {
        canvas->beginPaint(QPoint(30 * expected, 40));
        canvas->movePaint(QPoint(200, 200), false);
        canvas->endPaint(QPoint(200, 200), false);
        QCOMPARE(canvas->document().elements().size(), expected);
        const auto circle =
            std::dynamic_pointer_cast<NumberedCircleElement>(canvas->document().elements().last());
        QVERIFY(circle);
        QCOMPARE(circle->number(), expected);
        QCOMPARE(circle->center(), QPoint(30 * expected, 40));
    }
    QCOMPARE(canvas->document().history().undoStack().size(), 3);
    canvas->clear();
    canvas->beginPaint(QPoint(5, 5));
    QCOMPARE(std::dynamic_pointer_cast<NumberedCircleElement>(canvas->document().elements().last())
                 ->number(),
             1);
}

void TestGestures::zeroSizedCanvasIgnoresMoves()
{
    for (const QSizeF size : {QSizeF(0, 300), QSizeF(400, 0)}) {
        auto canvas = makeCanvas();
        canvas->setSize(size);
        canvas->beginPaint(QPoint(1, 1));
        canvas->movePaint(QPoint(5, 5), false);
        QVERIFY(canvas->document().elements().isEmpty());
        QCOMPARE(canvas->document().stroke().points, QList<QPoint>({QPoint(1, 1)}));
    }
}

void TestGestures::textModeMovesDoNothing()
{
    auto canvas = makeCanvas();
    canvas->setDrawMode(MyPainter::TextMode);
    canvas->setTextToDraw(QStringLiteral("x"));
    stroke(*canvas, {QPoint(1, 1), QPoint(50, 50), QPoint(90, 90)});
    canvas->endPaint(QPoint(90, 90), false);
    QVERIFY(canvas->document().elements().isEmpty());
}

void TestGestures::addTextPlacesTheText()
{
    auto canvas = makeCanvas();
    canvas->addText(QPoint(10, 50)); // empty text: nothing
    QVERIFY(canvas->document().elements().isEmpty());
    QVERIFY(canvas->document().history().undoStack().isEmpty());

    canvas->setTextToDraw(QStringLiteral("批注 note"));
    canvas->setTextSize(31);
    canvas->setPenColor(QColor("#00ff00"));
    canvas->setDrawMode(MyPainter::CircleMode); // the mode plays no part
    canvas->addText(QPoint(10, 50));
    const auto text = std::dynamic_pointer_cast<TextElement>(canvas->document().elements().first());
    QVERIFY(text);
    QCOMPARE(text->text(), QStringLiteral("批注 note"));
    QCOMPARE(text->fontSize(), 31);
    QCOMPARE(text->position(), QPoint(10, 50));
    QCOMPARE(text->color(), QColor("#00ff00"));
    QCOMPARE(canvas->document().history().undoStack().size(), 1);
    const QImage shown = shownImage(*canvas);
    bool inked = false;
    for (int x = 10; x < 150; ++x)
        inked |= qAlpha(shown.pixel(x, 40)) > 0;
    QVERIFY(inked);
}

void TestGestures::shiftSnapping_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("towards");
    QTest::addColumn<QPoint>("expected");
    const QPoint o(100, 100);
    QTest::newRow("line towards (10,3) lies flat")
        << 1 << o << o + QPoint(10, 3) << o + QPoint(10, 0);
    QTest::newRow("line towards (10,9) at 45 degrees")
        << 1 << o << o + QPoint(10, 9) << o + QPoint(10, 10);
    QTest::newRow("line towards (-7,8)") << 1 << o << o + QPoint(-7, 8) << o + QPoint(-8, 8);
    QTest::newRow("line straight up") << 1 << o << o + QPoint(2, -50) << o + QPoint(0, -50);
    QTest::newRow("line onto its start") << 1 << o << o << o;
    QTest::newRow("square towards (4,-9)") << 3 << o << o + QPoint(4, -9) << o + QPoint(9, -9);
    QTest::newRow("square towards (-20,5)") << 3 << o << o + QPoint(-20, 5) << o + QPoint(-20, 20);
    QTest::newRow("arrow ignores shift") << 4 << o << o + QPoint(10, 3) << o + QPoint(10, 3);
    QTest::newRow("freehand ignores shift") << 0 << o << o + QPoint(10, 3) << o + QPoint(10, 3);
}

void TestGestures::shiftSnapping()
{
    QFETCH(int, mode);
    QFETCH(QPoint, start);
    QFETCH(QPoint, towards);
    QFETCH(QPoint, expected);
    auto canvas = makeCanvas();
    canvas->setDrawMode(mode);
    canvas->beginPaint(start);
    canvas->movePaint(towards, true);
    QCOMPARE(canvas->document().elements().size(), 1);
    QCOMPARE(shapedEnd(*canvas->document().elements().first()), expected);
    // The gesture keeps the real pointer position.
    QCOMPARE(canvas->document().stroke().points.last(), towards);
}

void TestGestures::shiftOnReleaseSnapsToo()
{
    auto canvas = makeCanvas();
    canvas->setDrawMode(MyPainter::LineMode);
    stroke(*canvas, {QPoint(0, 0), QPoint(30, 30)});
    canvas->endPaint(QPoint(10, 3), true);
    QCOMPARE(shapedEnd(*canvas->document().elements().first()), QPoint(10, 0));

    canvas->setDrawMode(MyPainter::CircleMode);
    stroke(*canvas, {QPoint(100, 100), QPoint(110, 100)});
    canvas->endPaint(QPoint(100, 130), true);
    QCOMPARE(
        std::dynamic_pointer_cast<CircleElement>(canvas->document().elements().last())->radius(),
        30);
}

void TestGestures::newStrokeStartsWithNextPress()
{
    // The overlay never releases in freehand mode: the next press starts a new stroke.
    auto canvas = makeCanvas();
    stroke(*canvas, {QPoint(1, 1), QPoint(10, 10), QPoint(20, 20)});
    stroke(*canvas, {QPoint(100, 100), QPoint(110, 110)});
    QCOMPARE(canvas->document().elements().size(), 2);
    const auto first =
        std::dynamic_pointer_cast<FreehandElement>(canvas->document().elements().first());
    QCOMPARE(first->points().size(), 3);
}

void TestGestures::modeChangeEndsTheGesture()
{
    auto canvas = makeCanvas();
    canvas->beginPaint(QPoint(1, 1));
    canvas->movePaint(QPoint(10, 10), false);
    canvas->setDrawMode(MyPainter::LineMode);
    QVERIFY(!canvas->document().currentElement());
    QVERIFY(canvas->document().stroke().points.isEmpty());
    QVERIFY(canvas->document().newElementPending());
    // A move without a press now starts a line from the old press point.
    canvas->movePaint(QPoint(30, 30), false);
    QCOMPARE(canvas->document().elements().size(), 2);
    const auto line = std::dynamic_pointer_cast<LineElement>(canvas->document().elements().last());
    QVERIFY(line);
    QCOMPARE(line->start(), QPoint(1, 1));
}

QTEST_MAIN(TestGestures)
#include "tst_gestures.moc"
