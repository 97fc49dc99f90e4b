// The zoomed view's mapping: every point of the magnified picture goes back to the screen
// point shown there, at every factor and screen scale, and neither the factor nor the
// visible area leaves its bounds.
#include "zoommapping.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

const QSizeF surface(1920, 1080);

bool close(QPointF a, QPointF b)
{
    return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6;
}

} // namespace

class TestZoomMapping : public QObject
{
    Q_OBJECT

private slots:
    void viewPointsMapToTheScreenPointsShown_data();
    void viewPointsMapToTheScreenPointsShown();
    void factorStaysWithinBounds_data();
    void factorStaysWithinBounds();
    void wheelKeepsThePointUnderThePointer_data();
    void wheelKeepsThePointUnderThePointer();
};

void TestZoomMapping::viewPointsMapToTheScreenPointsShown_data()
{
    QTest::addColumn<qreal>("factor");
    QTest::addColumn<qreal>("scale");
    for (const qreal factor : {1.0, 2.0, 3.5, 8.0})
        for (const qreal scale : {1.0, 1.5, 2.0})
            QTest::addRow("%gx@%g", factor, scale) << factor << scale;
}

void TestZoomMapping::viewPointsMapToTheScreenPointsShown()
{
    QFETCH(qreal, factor);
    QFETCH(qreal, scale);
    ZoomMapping mapping(surface, scale);
    mapping.setFactor(factor);
    const qreal w = surface.width();
    const qreal h = surface.height();
    const QSizeF seen = surface / factor;
    const QRectF screen(QPointF(0, 0), surface);
    const QRectF device(0, 0, w * scale, h * scale);

    // The pointer at a corner shows that corner of the screen, in the middle the middle;
    // a pointer beyond the screen pans no further than its edge.
    const struct
    {
        QPointF pointer;
        QPointF topLeftShows;
    } pans[] = {{{0, 0}, {0, 0}},
                {{w, h}, {w - seen.width(), h - seen.height()}},
                {{w / 2, h / 2}, {(w - seen.width()) / 2, (h - seen.height()) / 2}},
                {{-300, h + 50}, {0, h - seen.height()}},
                {{w * 0.25, h * 0.8}, {(w - seen.width()) * 0.25, (h - seen.height()) * 0.8}}};
    for (const auto &pan : pans) {
        mapping.setPan(pan.pointer);
        const QPointF pointer(std::clamp(pan.pointer.x(), 0.0, w),
                              std::clamp(pan.pointer.y(), 0.0, h));
        QVERIFY(close(mapping.toScreen(pointer), pointer));
        QVERIFY(close(mapping.toScreen({0, 0}), pan.topLeftShows));
        QVERIFY(close(mapping.toScreen({w, h}),
                      pan.topLeftShows + QPointF(seen.width(), seen.height())));
        QVERIFY(screen.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(mapping.visibleArea()));

        // The still image's pixels shown are those of the visible screen points.
        const QRectF source = mapping.sourceRect();
        QVERIFY(close(source.topLeft(), pan.topLeftShows * scale));
        QVERIFY(close(source.bottomRight(), mapping.toScreen({w, h}) * scale));
        QVERIFY(device.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(source));

        for (const QPointF view : {QPointF(0, 0), QPointF(17.5, 1000), QPointF(w - 1, 3)}) {
            QVERIFY(close(mapping.toView(mapping.toScreen(view)), view));
            QVERIFY(close(mapping.toScreen(mapping.toView(view)), view));
        }
    }
}

void TestZoomMapping::factorStaysWithinBounds_data()
{
    QTest::addColumn<qreal>("asked");
    QTest::addColumn<qreal>("kept");
    QTest::newRow("below") << 0.5 << 1.0;
    QTest::newRow("negative") << -3.0 << 1.0;
    QTest::newRow("not a number") << std::numeric_limits<qreal>::quiet_NaN() << 1.0;
    QTest::newRow("within") << 3.5 << 3.5;
    QTest::newRow("above") << 9.0 << 8.0;
    QTest::newRow("infinite") << std::numeric_limits<qreal>::infinity() << 8.0;
}

void TestZoomMapping::factorStaysWithinBounds()
{
    QFETCH(qreal, asked);
    QFETCH(qreal, kept);
    ZoomMapping mapping(surface, 1.0);
    mapping.setFactor(asked);
    QCOMPARE(mapping.factor(), kept);
    QCOMPARE(mapping.visibleArea().size(), surface / kept);
}

void TestZoomMapping::wheelKeepsThePointUnderThePointer_data()
{
    QTest::addColumn<qreal>("factor");
    QTest::addColumn<int>("angleDelta");
    QTest::addColumn<qreal>("after");
    QTest::newRow("two notches in") << 2.0 << 240 << 4.0;
    QTest::newRow("one notch out") << 3.5 << -120 << 3.5 / std::sqrt(2.0);
    QTest::newRow("in beyond 8x") << 8.0 << 120 << 8.0;
    QTest::newRow("out to 1x") << 1.5 << -240 << 1.0;
}

void TestZoomMapping::wheelKeepsThePointUnderThePointer()
{
    QFETCH(qreal, factor);
    QFETCH(int, angleDelta);
    QFETCH(qreal, after);
    ZoomMapping mapping(surface, 1.5);
    mapping.setFactor(factor);
    // The pan point is still on its way to the pointer.
    mapping.setPan({700, 400});
    const QPointF pointer(760, 430);
    const QPointF under = mapping.toScreen(pointer);
    const qreal newFactor = mapping.factorAfterWheel(angleDelta);
    QVERIFY(qAbs(newFactor - after) < 1e-9);
    mapping.setPan(mapping.panKeeping(pointer, newFactor));
    mapping.setFactor(newFactor);
    if (after > 1.0)
        QVERIFY(close(mapping.toScreen(pointer), under));
    else
        QVERIFY(close(mapping.toScreen(pointer), pointer));
}

QTEST_APPLESS_MAIN(TestZoomMapping)
#include "tst_zoommapping.moc"
