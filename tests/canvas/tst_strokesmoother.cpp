#include "drawingdocument.h"
#include "elements/freehandelement.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

namespace {

// An arc of a circle around Centre, as a hand moves the mouse along it: a point about every
// 3 px, each off by the hand's tremor (normally distributed, 1.5 px) and rounded to a pixel.
const QPointF Centre(400, 400);

QList<QPoint> jitteryArc(double radius, int count, quint32 seed)
{
    QRandomGenerator rng(seed);
    const auto normal = [&] {
        // Box-Muller; the first factor is never log(0).
        const double u = 1.0 - rng.generateDouble(), v = rng.generateDouble();
        return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * M_PI * v);
    };
    QList<QPoint> path;
    for (int i = 0; i < count; ++i) {
        const double angle = 3.0 * i / radius;
        path.append(
            QPoint(int(std::lround(Centre.x() + radius * std::cos(angle) + 1.5 * normal())),
                   int(std::lround(Centre.y() + radius * std::sin(angle) + 1.5 * normal()))));
    }
    return path;
}

// Draws path as one freehand gesture; returns the strokes it left.
QList<const FreehandElement *> draw(DrawingDocument &doc, const QList<QPoint> &path, bool smoothed)
{
    doc.setSmoothing(smoothed);
    doc.beginPaint(path.first());
    for (qsizetype i = 1; i < path.size(); ++i)
        doc.movePaint(path.at(i), false);
    doc.endPaint(path.last(), false);
    QList<const FreehandElement *> strokes;
    for (const auto &e : doc.elements())
        strokes.append(dynamic_cast<const FreehandElement *>(e.get()));
    return strokes;
}

double meanDeviation(const QList<const FreehandElement *> &strokes, double radius)
{
    double sum = 0;
    qsizetype count = 0;
    for (const FreehandElement *stroke : strokes) {
        for (const QPoint &p : stroke->points()) {
            sum += std::abs(std::hypot(p.x() - Centre.x(), p.y() - Centre.y()) - radius);
            ++count;
        }
    }
    return sum / double(count);
}

QImage picture(const DrawingDocument &doc)
{
    QImage image(800, 800, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (const auto &e : doc.elements())
        e->draw(&painter);
    return image;
}

} // namespace

// Freehand strokes smoothed while they are drawn.
class TestStrokeSmoother : public QObject
{
    Q_OBJECT

private slots:
    void jitterGoesEndStays_data();
    void jitterGoesEndStays();
    void repaintCoversMovedPoints();
};

void TestStrokeSmoother::jitterGoesEndStays_data()
{
    QTest::addColumn<double>("radius");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<int>("strokes");
    QTest::newRow("gentle arc") << 300.0 << 200 << 5 << 1;
    QTest::newRow("tight curl") << 40.0 << 80 << 5 << 1;
    // Longer than one stroke holds at this width: the gesture goes on as a second stroke.
    QTest::newRow("two strokes") << 250.0 << 1200 << 100 << 2;
}

void TestStrokeSmoother::jitterGoesEndStays()
{
    QFETCH(double, radius);
    QFETCH(int, count);
    QFETCH(int, penWidth);
    QFETCH(int, strokes);
    const QList<QPoint> path = jitteryArc(radius, count, 27);

    DrawingDocument rawDoc, smoothDoc;
    rawDoc.setPen({Qt::red, penWidth, 1.0});
    smoothDoc.setPen({Qt::red, penWidth, 1.0});
    const auto raw = draw(rawDoc, path, false);
    const auto smooth = draw(smoothDoc, path, true);
    QCOMPARE(smooth.size(), strokes);
    QCOMPARE(raw.size(), strokes);

    const double before = meanDeviation(raw, radius);
    const double after = meanDeviation(smooth, radius);
    qInfo("mean deviation from the arc: %.2f px raw, %.2f px smoothed", before, after);
    QVERIFY2(after < 0.7 * before, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));

    // Where the pointer was pressed and released, exactly; and the strokes of one gesture join.
    QCOMPARE(smooth.first()->points().first(), path.first());
    QCOMPARE(smooth.last()->points().last(), path.last());
    for (qsizetype i = 1; i < smooth.size(); ++i)
        QCOMPARE(smooth.at(i)->points().first(), smooth.at(i - 1)->points().last());
}

// A move shifts points already drawn: the region the document names must hold every pixel
// that changed, or the screen keeps pieces of the stroke as it was.
void TestStrokeSmoother::repaintCoversMovedPoints()
{
    const QList<QPoint> path = jitteryArc(60.0, 60, 5);
    DrawingDocument doc;
    doc.setPen({Qt::red, 3, 1.0});
    QRect region;
    connect(&doc, &DrawingDocument::changed, this, [&](const QRect &r) { region = r; });
    doc.setSmoothing(true);
    doc.beginPaint(path.first());
    for (qsizetype i = 1; i < path.size(); ++i) {
        const QImage before = picture(doc);
        doc.movePaint(path.at(i), false);
        const QImage after = picture(doc);
        int outside = 0;
        for (int y = 0; y < after.height(); ++y) {
            const auto *a = reinterpret_cast<const QRgb *>(before.constScanLine(y));
            const auto *b = reinterpret_cast<const QRgb *>(after.constScanLine(y));
            for (int x = 0; x < after.width(); ++x)
                outside += a[x] != b[x] && !region.contains(x, y);
        }
        QVERIFY2(outside == 0,
                 qPrintable(QStringLiteral("move %1: %2 pixels").arg(i).arg(outside)));
    }
}

QTEST_GUILESS_MAIN(TestStrokeSmoother)
#include "tst_strokesmoother.moc"
