#include "canvastesthelpers.h"
#include "elements/arrowelement.h"
#include "elements/circleelement.h"
#include "elements/freehandelement.h"
#include "elements/lineelement.h"
#include "elements/numberedcircleelement.h"
#include "elements/rectangleelement.h"
#include "elements/textelement.h"

#include <QtTest>

// What the element kinds put on the screen, checked on rendered pixels.
class TestElementRendering : public QObject
{
    Q_OBJECT

private slots:
    void arrowHeadIsFilled_data();
    void arrowHeadIsFilled();
    void arrowWithoutLengthHasNoHead();
    void opacityReplacesColourAlpha_data();
    void opacityReplacesColourAlpha();
    void highlighterStrokeIsTranslucentEvenWhereItCrossesItself();
    void textIgnoresOpacity();
    void outlinedShapesStayUnfilled_data();
    void outlinedShapesStayUnfilled();
    void numberedCircleSizeIgnoresPenWidth();
    void freehandSmoothingPassesThroughMidpoints();
    void singlePointStrokeIsADot();
    void canvasResetsBrushBetweenElements();
    void boundingRectHoldsEveryPixel_data();
    void boundingRectHoldsEveryPixel();
};

void TestElementRendering::arrowHeadIsFilled_data()
{
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<int>("headLength");
    QTest::newRow("thin pen gets the 15 px minimum") << 2 << 15;
    QTest::newRow("width 7 still 15 px") << 7 << 15;
    QTest::newRow("width 10 gives 20 px") << 10 << 20;
}

void TestElementRendering::arrowHeadIsFilled()
{
    QFETCH(int, penWidth);
    QFETCH(int, headLength);
    const ArrowElement arrow(QPoint(20, 60), QPoint(150, 60), Qt::red, penWidth, 1.0);
    QCOMPARE(arrow.headLength(), headLength);
    const QImage image = renderElement(arrow);

    // With a thin pen this point is covered by neither the outline nor the shaft: only
    // the fill reaches it.
    if (penWidth == 2)
        QCOMPARE(image.pixel(142, 58), qRgba(255, 0, 0, 255));
    // Half way between the head's corners, well off the shaft, the head reaches.
    const int baseX = 150 - headLength + 2;
    QVERIFY(qAlpha(image.pixel(baseX, 60 - headLength / 2 + 3)) > 200);
    QVERIFY(qAlpha(image.pixel(baseX, 60 + headLength / 2 - 3)) > 200);
    // Beyond the head's width nothing is drawn.
    QCOMPARE(qAlpha(image.pixel(baseX, 60 - headLength - 4)), 0);
    // The shaft itself is drawn near the tail.
    QCOMPARE(qRed(image.pixel(30, 60)), 255);
}

void TestElementRendering::arrowWithoutLengthHasNoHead()
{
    const ArrowElement arrow(QPoint(80, 60), QPoint(80, 60), Qt::blue, 4, 1.0);
    QVERIFY(arrow.head().isEmpty());
    const QImage image = renderElement(arrow);
    // At most the round cap of the shaft: nothing further out than half the pen.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                QVERIFY(std::abs(x - 80) <= 3 && std::abs(y - 60) <= 3);
}

void TestElementRendering::opacityReplacesColourAlpha_data()
{
    QTest::addColumn<int>("colourAlpha");
    QTest::addColumn<double>("opacity");
    QTest::addColumn<int>("expectedAlpha");
    QTest::newRow("opaque colour, full opacity") << 255 << 1.0 << 255;
    QTest::newRow("own alpha kept at 0.99") << 200 << 0.99 << 200;
    QTest::newRow("own alpha kept at 1.0") << 100 << 1.0 << 100;
    QTest::newRow("opacity 0.5 wins over own alpha") << 200 << 0.5 << 128;
    QTest::newRow("highlighter 0.4") << 255 << 0.4 << 102;
}

void TestElementRendering::opacityReplacesColourAlpha()
{
    QFETCH(int, colourAlpha);
    QFETCH(double, opacity);
    QFETCH(int, expectedAlpha);
    QColor colour(0, 200, 0, colourAlpha);
    const LineElement line(QPoint(10, 60), QPoint(190, 60), colour, 9, opacity);
    const QImage image = renderElement(line);
    QVERIFY2(std::abs(qAlpha(image.pixel(100, 60)) - expectedAlpha) <= 1,
             qPrintable(QString::number(qAlpha(image.pixel(100, 60)))));
}

void TestElementRendering::highlighterStrokeIsTranslucentEvenWhereItCrossesItself()
{
    // A loop: the stroke passes its own crossing point twice.
    QList<QPoint> points;
    for (int i = 0; i <= 40; ++i) {
        const double a = i / 40.0 * 2 * M_PI;
        points << QPoint(100 + int(40 * std::sin(2 * a)), 60 + int(40 * std::sin(a)));
    }
    const FreehandElement highlighter(points, QColor(255, 255, 0), 16, 0.4);
    const QImage image = renderElement(highlighter);
    int maxAlpha = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            maxAlpha = std::max(maxAlpha, qAlpha(image.pixel(x, y)));
    QVERIFY2(maxAlpha <= 103, qPrintable(QString::number(maxAlpha)));
    QVERIFY(qAlpha(image.pixel(100, 60)) >= 101);
}

void TestElementRendering::textIgnoresOpacity()
{
    const TextElement faded(QPoint(10, 80), QStringLiteral("Hello 你好"), 24, QColor(Qt::black), 5,
                            0.2);
    const TextElement solid(QPoint(10, 80), QStringLiteral("Hello 你好"), 24, QColor(Qt::black), 5,
                            1.0);
    const QImage a = renderElement(faded);
    const QImage b = renderElement(solid);
    QCOMPARE(a, b);
    int maxAlpha = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            maxAlpha = std::max(maxAlpha, qAlpha(a.pixel(x, y)));
    QCOMPARE(maxAlpha, 255);
}

void TestElementRendering::outlinedShapesStayUnfilled_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("circle") << 2;
    QTest::newRow("rectangle") << 3;
}

void TestElementRendering::outlinedShapesStayUnfilled()
{
    QFETCH(int, kind);
    std::unique_ptr<DrawingElement> shape;
    if (kind == 2)
        shape = std::make_unique<CircleElement>(QPoint(100, 60), 40, Qt::red, 4, 1.0);
    else
        shape =
            std::make_unique<RectangleElement>(QPoint(150, 100), QPoint(50, 20), Qt::red, 4, 1.0);
    QImage image(200, 120, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setBrush(QBrush(Qt::green)); // a leftover brush must not fill the shape
    shape->draw(&painter);
    painter.end();
    QCOMPARE(qAlpha(image.pixel(100, 60)), 0);
    const QPoint onOutline = kind == 2 ? QPoint(140, 60) : QPoint(150, 60);
    QCOMPARE(image.pixel(onOutline), qRgba(255, 0, 0, 255));
}

void TestElementRendering::numberedCircleSizeIgnoresPenWidth()
{
    for (int width : {1, 3, 8}) {
        const NumberedCircleElement circle(QPoint(60, 60), 7, Qt::red, width, 1.0);
        const QImage image = renderElement(circle);
        QVERIFY2(qAlpha(image.pixel(60 + 12, 60)) > 100, qPrintable(QString::number(width)));
        QVERIFY(qAlpha(image.pixel(60 - 12, 60)) > 100);
        QCOMPARE(qAlpha(image.pixel(60 + 12 + width / 2 + 3, 60)), 0);
    }
    // The number is drawn inside, in the pen colour.
    const NumberedCircleElement circle(QPoint(60, 60), 8, Qt::blue, 1, 1.0);
    const QImage image = renderElement(circle);
    bool numberInk = false;
    for (int y = 54; y <= 66; ++y)
        for (int x = 56; x <= 64; ++x)
            numberInk |= qAlpha(image.pixel(x, y)) > 200 && qBlue(image.pixel(x, y)) > 200;
    QVERIFY(numberInk);
}

void TestElementRendering::freehandSmoothingPassesThroughMidpoints()
{
    FreehandElement stroke({QPoint(10, 10), QPoint(50, 10), QPoint(50, 50)}, Qt::red, 2, 1.0);
    QVERIFY(stroke.path().isEmpty());
    renderElement(stroke);
    // Three points: two straight segments, ending on the last point.
    QCOMPARE(stroke.path().elementCount(), 3);
    QCOMPARE(stroke.path().currentPosition(), QPointF(50, 50));

    stroke.setPoints(
        {QPoint(10, 10), QPoint(50, 10), QPoint(50, 50), QPoint(90, 50), QPoint(90, 90)});
    QVERIFY(stroke.path().isEmpty()); // replacing the points drops the cached outline
    const QImage image = renderElement(stroke);
    // From the fourth point on the path ends at the midpoint of the last two points.
    QCOMPARE(stroke.path().currentPosition(), QPointF(90, 70));
    QVERIFY(qAlpha(image.pixel(90, 69)) > 0);
    QCOMPARE(qAlpha(image.pixel(90, 85)), 0);
    // The first corners are straight, later ones are cut by the curve.
    QVERIFY(qAlpha(image.pixel(50, 50)) > 200);
    QCOMPARE(qAlpha(image.pixel(90, 50)), 0);
}

void TestElementRendering::singlePointStrokeIsADot()
{
    const FreehandElement dot({QPoint(40, 40)}, Qt::red, 10, 1.0);
    const QImage image = renderElement(dot);
    QVERIFY(qAlpha(image.pixel(40, 40)) > 200);
    QVERIFY(qAlpha(image.pixel(43, 40)) > 100);
    QCOMPARE(qAlpha(image.pixel(48, 40)), 0);
}

void TestElementRendering::canvasResetsBrushBetweenElements()
{
    // An arrow leaves its head's fill brush on the painter; the U-shaped stroke drawn after
    // it must not be filled with it.
    auto canvas = makeCanvas(300, 200);
    canvas->setDrawMode(MyPainter::ArrowMode);
    stroke(*canvas, {QPoint(10, 10), QPoint(100, 10)});
    canvas->endPaint(QPoint(100, 10), false);
    canvas->setDrawMode(MyPainter::FreehandMode);
    stroke(*canvas, {QPoint(50, 50), QPoint(50, 150), QPoint(150, 150), QPoint(150, 50)});
    const QImage image = shownImage(*canvas);
    QCOMPARE(qAlpha(image.pixel(100, 100)), 0);
    QVERIFY(qAlpha(image.pixel(93, 10)) > 0);
}

void TestElementRendering::boundingRectHoldsEveryPixel_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("penWidth");
    for (int kind = 0; kind <= 6; ++kind)
        for (int width : {1, 6, 25})
            QTest::addRow("kind %d width %d", kind, width) << kind << width;
    // A text size of zero or below leaves the font at its default size.
    QTest::addRow("text of no size of its own") << 7 << 3;
}

void TestElementRendering::boundingRectHoldsEveryPixel()
{
    QFETCH(int, kind);
    QFETCH(int, penWidth);
    std::unique_ptr<DrawingElement> e;
    const QColor c(Qt::magenta);
    switch (kind) {
    case 0:
        e = std::make_unique<FreehandElement>(
            QList<QPoint>{QPoint(60, 70), QPoint(90, 40), QPoint(140, 90), QPoint(170, 50)}, c,
            penWidth, 1.0);
        break;
    case 1:
        e = std::make_unique<LineElement>(QPoint(150, 40), QPoint(60, 90), c, penWidth, 1.0);
        break;
    case 2:
        e = std::make_unique<CircleElement>(QPoint(120, 70), 30, c, penWidth, 1.0);
        break;
    case 3:
        e = std::make_unique<RectangleElement>(QPoint(150, 100), QPoint(80, 40), c, penWidth, 1.0);
        break;
    case 4:
        e = std::make_unique<ArrowElement>(QPoint(60, 100), QPoint(170, 60), c, penWidth, 1.0);
        break;
    case 5:
        e = std::make_unique<TextElement>(QPoint(60, 90), QStringLiteral("Wg|Ñ 你"), 18 + penWidth,
                                          c, penWidth, 1.0);
        break;
    case 6:
        e = std::make_unique<NumberedCircleElement>(QPoint(120, 70), 1000 * penWidth, c, penWidth,
                                                    1.0);
        break;
    default:
        e = std::make_unique<TextElement>(QPoint(60, 90), QStringLiteral("fj/Åg_ 你好"), -20, c,
                                          penWidth, 1.0);
        break;
    }
    const QImage image = renderElement(*e, 260, 160);
    const QRect box = e->boundingRect();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                continue;
            ++inked;
            QVERIFY2(box.contains(x, y),
                     qPrintable(QStringLiteral("(%1, %2) outside").arg(x).arg(y)));
        }
    }
    QVERIFY(inked > 0);
}

QTEST_MAIN(TestElementRendering)
#include "tst_elementrendering.moc"
