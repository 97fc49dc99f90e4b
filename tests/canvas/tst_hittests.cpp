#include "canvastesthelpers.h"
#include "elements/arrowelement.h"
#include "elements/circleelement.h"
#include "elements/freehandelement.h"
#include "elements/lineelement.h"
#include "elements/numberedcircleelement.h"
#include "elements/rectangleelement.h"
#include "elements/textelement.h"

#include <QFontMetrics>
#include <QtTest>

// Which clicks and eraser samples hit which elements.
class TestHitTests : public QObject
{
    Q_OBJECT

private slots:
    void line_data();
    void line();
    void circleRingOnly_data();
    void circleRingOnly();
    void rectangleBorderOnly_data();
    void rectangleBorderOnly();
    void arrowHeadBand_data();
    void arrowHeadBand();
    void freehandBeforeAndAfterDrawing_data();
    void freehandBeforeAndAfterDrawing();
    void textBoundingBox();
    void numberedCircleReach_data();
    void numberedCircleReach();
};

void TestHitTests::line_data()
{
    QTest::addColumn<QPoint>("p");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<bool>("hit");
    // Line (0,0)-(100,0), pen width 4: reach is tolerance + 4.
    QTest::newRow("on the line") << QPoint(50, 0) << 0 << true;
    QTest::newRow("at reach") << QPoint(50, 14) << 10 << true;
    QTest::newRow("just beyond reach") << QPoint(50, 15) << 10 << false;
    QTest::newRow("beyond the end, within reach") << QPoint(110, 0) << 6 << true;
    QTest::newRow("beyond the end, out of reach") << QPoint(111, 0) << 6 << false;
    QTest::newRow("before the start") << QPoint(-3, 3) << 1 << true;
}

void TestHitTests::line()
{
    QFETCH(QPoint, p);
    QFETCH(int, tolerance);
    QFETCH(bool, hit);
    const LineElement line(QPoint(0, 0), QPoint(100, 0), Qt::red, 4, 1.0);
    QCOMPARE(line.hitTest(p, tolerance), hit);
    // A line without length is never hit.
    const LineElement dot(QPoint(5, 5), QPoint(5, 5), Qt::red, 4, 1.0);
    QVERIFY(!dot.hitTest(QPoint(5, 5), 10));
}

void TestHitTests::circleRingOnly_data()
{
    QTest::addColumn<QPoint>("p");
    QTest::addColumn<bool>("hit");
    // Circle at (100,100), radius 50, pen 3, tolerance 10: ring 37..63.
    QTest::newRow("centre") << QPoint(100, 100) << false;
    QTest::newRow("inside, away from the border") << QPoint(130, 100) << false;
    QTest::newRow("inner edge") << QPoint(137, 100) << true;
    QTest::newRow("on the outline") << QPoint(150, 100) << true;
    QTest::newRow("outer edge") << QPoint(163, 100) << true;
    QTest::newRow("outside") << QPoint(164, 100) << false;
}

void TestHitTests::circleRingOnly()
{
    QFETCH(QPoint, p);
    QFETCH(bool, hit);
    const CircleElement circle(QPoint(100, 100), 50, Qt::red, 3, 1.0);
    QCOMPARE(circle.hitTest(p, 10), hit);
    // A small circle is hit all the way to its centre.
    const CircleElement small(QPoint(0, 0), 5, Qt::red, 3, 1.0);
    QVERIFY(small.hitTest(QPoint(0, 0), 10));
}

void TestHitTests::rectangleBorderOnly_data()
{
    QTest::addColumn<QPoint>("p");
    QTest::addColumn<bool>("hit");
    // Corners given as (200,150) and (100,50); tolerance 5; pen width plays no part.
    QTest::newRow("inside") << QPoint(150, 100) << false;
    QTest::newRow("top border") << QPoint(150, 45) << true;
    QTest::newRow("above top border") << QPoint(150, 44) << false;
    QTest::newRow("bottom border") << QPoint(150, 155) << true;
    QTest::newRow("left border") << QPoint(95, 100) << true;
    QTest::newRow("right border") << QPoint(205, 100) << true;
    QTest::newRow("beyond right") << QPoint(206, 100) << false;
    QTest::newRow("corner region") << QPoint(205, 155) << true;
    QTest::newRow("on the line of the top edge but past the end") << QPoint(206, 50) << false;
}

void TestHitTests::rectangleBorderOnly()
{
    QFETCH(QPoint, p);
    QFETCH(bool, hit);
    const RectangleElement rect(QPoint(200, 150), QPoint(100, 50), Qt::red, 30, 1.0);
    QCOMPARE(rect.hitTest(p, 5), hit);
}

void TestHitTests::arrowHeadBand_data()
{
    QTest::addColumn<QPoint>("p");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<bool>("hit");
    // Arrow (0,0) -> (100,0), pen 2: head 15 long, corners (85,7) and (85,-7).
    QTest::newRow("shaft") << QPoint(40, 3) << 1 << true;
    QTest::newRow("shaft, out of reach") << QPoint(40, 4) << 1 << false;
    QTest::newRow("inside the head") << QPoint(95, 1) << 0 << true;
    QTest::newRow("near a head corner") << QPoint(85, 9) << 2 << true;
    // In the band near the tip only the head counts, even if the shaft test would hit.
    QTest::newRow("tip band, shaft reach but off the head") << QPoint(99, 6) << 4 << false;
    QTest::newRow("in the band, off the head") << QPoint(84, 15) << 3 << false;
    QTest::newRow("past the tip: shaft test again") << QPoint(103, 0) << 2 << true;
    QTest::newRow("past the tip, out of reach") << QPoint(105, 0) << 2 << false;
    QTest::newRow("past the tip, in tolerance of the tip") << QPoint(100, 0) << 0 << true;
}

void TestHitTests::arrowHeadBand()
{
    QFETCH(QPoint, p);
    QFETCH(int, tolerance);
    QFETCH(bool, hit);
    const ArrowElement arrow(QPoint(0, 0), QPoint(100, 0), Qt::red, 2, 1.0);
    QCOMPARE(arrow.hitTest(p, tolerance), hit);
    const ArrowElement dot(QPoint(3, 3), QPoint(3, 3), Qt::red, 2, 1.0);
    QVERIFY(!dot.hitTest(QPoint(3, 3), 10));
}

void TestHitTests::freehandBeforeAndAfterDrawing_data()
{
    QTest::addColumn<bool>("drawnFirst");
    QTest::addColumn<QPoint>("p");
    QTest::addColumn<bool>("hit");
    // Points (0,0), (100,0), (100,100); pen 4, tolerance 3.
    // Not drawn yet: only the points themselves count, within tolerance + pen width (7).
    QTest::newRow("points only: near a point") << false << QPoint(4, 5) << true;
    QTest::newRow("points only: just out of reach") << false << QPoint(5, 5) << false;
    QTest::newRow("points only: mid segment") << false << QPoint(50, 0) << false;
    // Drawn: the stroked outline of width 4 + 2 x 3 counts, along the segments.
    QTest::newRow("outline: mid segment") << true << QPoint(50, 4) << true;
    QTest::newRow("outline: beyond half the width") << true << QPoint(50, 6) << false;
    QTest::newRow("outline: near a point, off the width") << true << QPoint(-5, 5) << false;
}

void TestHitTests::freehandBeforeAndAfterDrawing()
{
    QFETCH(bool, drawnFirst);
    QFETCH(QPoint, p);
    QFETCH(bool, hit);
    const FreehandElement stroke({QPoint(0, 0), QPoint(100, 0), QPoint(100, 100)}, Qt::red, 4, 1.0);
    if (drawnFirst)
        renderElement(stroke);
    QCOMPARE(stroke.hitTest(p, 3), hit);
    const FreehandElement empty({}, Qt::red, 4, 1.0);
    QVERIFY(!empty.hitTest(QPoint(0, 0), 100));
}

void TestHitTests::textBoundingBox()
{
    const TextElement text(QPoint(50, 100), QStringLiteral("Notes"), 20, Qt::black, 5, 1.0);
    const QRect box = QFontMetrics(text.font()).boundingRect(text.text()).translated(50, 100);
    QVERIFY(box.bottom() >= 100 - 2 && box.top() < 100); // the text lies above its baseline
    QVERIFY(text.hitTest(box.center(), 0));
    QVERIFY(text.hitTest(box.topLeft(), 0));
    QVERIFY(text.hitTest(box.topLeft() - QPoint(4, 4), 4));
    QVERIFY(!text.hitTest(box.topLeft() - QPoint(5, 0), 4));
    QVERIFY(!text.hitTest(QPoint(box.center().x(), box.bottom() + 5), 4));
    QVERIFY(text.hitTest(QPoint(box.center().x(), box.bottom() + 4), 4));
    const TextElement empty(QPoint(50, 100), QString(), 20, Qt::black, 5, 1.0);
    QVERIFY(!empty.hitTest(QPoint(50, 100), 10));
}

void TestHitTests::numberedCircleReach_data()
{
    QTest::addColumn<QPoint>("p");
    QTest::addColumn<bool>("hit");
    QTest::newRow("centre") << QPoint(0, 0) << true;
    QTest::newRow("at 12 + tolerance") << QPoint(17, 0) << true;
    QTest::newRow("beyond") << QPoint(13, 12) << false;
}

void TestHitTests::numberedCircleReach()
{
    QFETCH(QPoint, p);
    QFETCH(bool, hit);
    // The pen width has no say.
    for (int width : {1, 40}) {
        const NumberedCircleElement circle(QPoint(0, 0), 3, Qt::red, width, 1.0);
        QCOMPARE(circle.hitTest(p, 5), hit);
    }
}

QTEST_MAIN(TestHitTests)
#include "tst_hittests.moc"
