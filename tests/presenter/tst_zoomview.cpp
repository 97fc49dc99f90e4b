// The zoomed view follows the pointer eased, not in one jump, and keeps still while a
// button is held so that a stroke lands where the pen is.
#include "zoomview.h"

#include <QtTest>

class TestZoomView : public QObject
{
    Q_OBJECT

private slots:
    void panGlidesToThePointerUnlessHeld();
};

void TestZoomView::panGlidesToThePointerUnlessHeld()
{
    ZoomView view;
    view.setSize({1920, 1080});
    view.setFactor(4);
    view.setPan({100, 100});
    const QPointF pointer(1500, 900);
    QList<QPointF> path;
    connect(&view, &ZoomView::panChanged, [&] { path << view.pan(); });
    view.setTarget(pointer);
    QTRY_COMPARE_WITH_TIMEOUT(view.pan(), pointer, 3000);
    QVERIFY2(path.size() >= 4, "the view jumped to the pointer");
    for (qsizetype i = 1; i < path.size(); ++i)
        QVERIFY(path.at(i).x() > path.at(i - 1).x() && path.at(i).x() <= pointer.x());

    view.setFollowing(false);
    view.setTarget({200, 300});
    QTest::qWait(150);
    QCOMPARE(view.pan(), pointer);
    view.setFollowing(true);
    QTRY_COMPARE_WITH_TIMEOUT(view.pan(), QPointF(200, 300), 3000);

    // Without a window there is no screen to take a still of: said, and nothing shown.
    QTest::ignoreMessage(QtWarningMsg, "Zoom: no screen to take a still image of");
    QVERIFY(!view.grabScreen());
    QVERIFY(!view.hasStill());
}

QTEST_MAIN(TestZoomView)
#include "tst_zoomview.moc"
