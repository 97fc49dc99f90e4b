// The zoomed view follows the pointer eased, not in one jump, and keeps still while a
// button is held so that a stroke lands where the pen is; the window shows the still
// magnified about the pan point, wherever the pan takes it, or hands it to the drawing's
// canvas to paint under its ink.
#include "mypainter.h"
#include "zoomview.h"

#include <QPainter>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtTest>

#include <algorithm>
#include <cmath>

class TestZoomView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }
    void panGlidesToThePointerUnlessHeld();
    void windowShowsTheStillMagnified_data();
    void windowShowsTheStillMagnified();
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

void TestZoomView::windowShowsTheStillMagnified_data()
{
    QTest::addColumn<qreal>("factor");
    // Whether the drawing's canvas, given the still, paints it under its ink.
    QTest::addColumn<bool>("onCanvas");
    QTest::newRow("1x") << 1.0 << false;
    // Tile edges and the pan at fractions of a still pixel.
    QTest::newRow("2.5x") << 2.5 << false;
    QTest::newRow("8x") << 8.0 << false;
    QTest::newRow("2.5x on the canvas") << 2.5 << true;
    QTest::newRow("8x on the canvas") << 8.0 << true;
}

// Each frame against the still magnified in one piece, after pans that bring tiles into
// view and move the painted ones.
void TestZoomView::windowShowsTheStillMagnified()
{
    QFETCH(qreal, factor);
    QFETCH(bool, onCanvas);
    const QSize size(640, 400);
    QImage still(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            still.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
    QQuickWindow window;
    window.resize(size);
    ZoomView view(window.contentItem());
    view.setSize(size);
    view.setStill(still);
    view.setFactor(factor);
    // An empty drawing: given the still, its canvas shows just that.
    MyPainter canvas(onCanvas ? window.contentItem() : nullptr);
    canvas.setSize(size);
    canvas.setZoomFactor(factor);
    if (onCanvas)
        view.setCanvas(&canvas);
    const auto shows = [&](QPointF pan) {
        view.setPan(pan);
        canvas.setZoomPan(view.pan());
        const QImage grab = window.grabWindow().convertToFormat(QImage::Format_RGB32);
        // The magnified still moved by whole pixels, as the drawing's tiles are.
        QImage expected(size, QImage::Format_RGB32);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QPointF shift = view.pan() * (factor - 1);
        painter.translate(-std::round(shift.x()), -std::round(shift.y()));
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size) * factor), still);
        painter.end();
        if (grab.size() != expected.size())
            return 255;
        int worst = 0;
        for (int y = 0; y < size.height(); ++y) {
            const auto *a = reinterpret_cast<const QRgb *>(grab.constScanLine(y));
            const auto *b = reinterpret_cast<const QRgb *>(expected.constScanLine(y));
            for (int x = 0; x < size.width(); ++x)
                worst = std::max({worst, std::abs(qRed(a[x]) - qRed(b[x])),
                                  std::abs(qGreen(a[x]) - qGreen(b[x])),
                                  std::abs(qBlue(a[x]) - qBlue(b[x]))});
        }
        return worst;
    };
    for (const QPointF pan : {QPointF(100, 80), QPointF(137.3, 91.6), QPointF(600, 390)}) {
        const int worst = shows(pan);
        QVERIFY2(worst <= 2,
                 qPrintable(QStringLiteral("at %1, %2: %3").arg(pan.x()).arg(pan.y()).arg(worst)));
    }
    if (onCanvas) {
        // A hidden canvas leaves the still to the view again, at once.
        canvas.setVisible(false);
        QVERIFY(shows(view.pan()) <= 2);
    }
}

QTEST_MAIN(TestZoomView)
#include "tst_zoomview.moc"
