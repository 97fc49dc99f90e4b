// The laser's trail: places fade with the time since the pointer left them, the dot under a
// resting pointer stays, and each frame repaints what it showed before and what it shows now.
#include "lasertrail.h"

#include <QtTest>

namespace {

constexpr qreal margin = 10;

QRectF around(QPointF point)
{
    return QRectF(point - QPointF(margin, margin), QSizeF(2 * margin, 2 * margin));
}

} // namespace

class TestLaserTrail : public QObject
{
    Q_OBJECT

private slots:
    void fadesWithAge();
    void restingPointerKeepsItsDot();
    void leavingFadesTheDot();
    void frameCoversOldAndNewPlaces();
};

void TestLaserTrail::fadesWithAge()
{
    LaserTrail trail(margin);
    for (int i = 0; i <= 10; ++i)
        trail.add(QPointF(10 * i, 0), 50 * i);
    QList<LaserTrail::Point> before;
    for (qint64 now = 500; now <= 500 + trail.lifetime(); now += 100) {
        const QList<LaserTrail::Point> points = trail.points(now);
        QVERIFY(!points.isEmpty());
        QCOMPARE(points.last().opacity, 1.0);
        QVERIFY(points.size() == 1 || points.first().opacity < 1.0);
        for (qsizetype i = 1; i < points.size(); ++i) {
            QVERIFY2(points.at(i - 1).opacity <= points.at(i).opacity, "older is brighter");
            QVERIFY(points.at(i).joined);
        }
        // The same place only ever gets fainter, and the faded ones drop out at the front.
        for (const LaserTrail::Point &point : points) {
            const auto earlier = std::find_if(before.cbegin(), before.cend(), [&](const auto &p) {
                return p.position == point.position;
            });
            QVERIFY(earlier == before.cend() ? before.isEmpty()
                                             : earlier->opacity >= point.opacity);
        }
        QVERIFY(before.isEmpty() || points.size() <= before.size());
        before = points;
    }
}

void TestLaserTrail::restingPointerKeepsItsDot()
{
    LaserTrail trail(margin);
    trail.add(QPointF(0, 0), 0);
    trail.add(QPointF(50, 0), 100);
    trail.add(QPointF(50, 0), 200); // no move
    QVERIFY(trail.isFading(150));
    const qint64 later = 100 + trail.lifetime();
    QVERIFY(!trail.isFading(later));
    const QList<LaserTrail::Point> points = trail.points(later + 5000);
    QCOMPARE(points.size(), 1);
    QCOMPARE(points.first().position, QPointF(50, 0));
    QCOMPARE(points.first().opacity, 1.0);
}

void TestLaserTrail::leavingFadesTheDot()
{
    LaserTrail trail(margin);
    trail.add(QPointF(0, 0), 0);
    trail.release(100);
    trail.release(400); // already gone: the fading started at 100
    QVERIFY(trail.isFading(101));
    QVERIFY(trail.points(100 + trail.lifetime()).isEmpty());
    // Coming back elsewhere starts afresh, not joined to where the pointer left.
    trail.add(QPointF(300, 300), 500);
    const QList<LaserTrail::Point> points = trail.points(500);
    QCOMPARE(points.size(), 2);
    QVERIFY(!points.last().joined);
}

void TestLaserTrail::frameCoversOldAndNewPlaces()
{
    LaserTrail trail(margin);
    const QPointF from(100, 100), to(900, 500);
    trail.add(from, 0);
    QCOMPARE(trail.nextFrame(0), around(from));
    trail.add(to, 20);
    QRectF frame = trail.nextFrame(20);
    QVERIFY(frame.contains(around(from)) && frame.contains(around(to)));
    // Once the old place has faded, one more frame clears it; after that only the dot.
    const qint64 faded = 20 + trail.lifetime();
    frame = trail.nextFrame(faded);
    QVERIFY(frame.contains(around(from)) && frame.contains(around(to)));
    QCOMPARE(trail.bounds(faded), around(to));
    QCOMPARE(trail.nextFrame(faded + 16), around(to));
    trail.release(faded + 16);
    trail.nextFrame(faded + 16 + trail.lifetime());
    QVERIFY(trail.isEmpty());
    QVERIFY(trail.nextFrame(faded + 32 + trail.lifetime()).isEmpty());
}

QTEST_GUILESS_MAIN(TestLaserTrail)
#include "tst_lasertrail.moc"
