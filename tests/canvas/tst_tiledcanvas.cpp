// The canvas as a window shows it through the scene graph's tiles (software back-end):
// after every step the grabbed window equals the plain full render of the drawing at the
// window's device pixel ratio, so no tile is left stale, a tile that lost its ink shows
// nothing, and a 200 % screen shows strokes at its own resolution. Run once more on two
// screens of different scale (twoscreens.json), where the window changes screens.
#include "canvastesthelpers.h"
#include "elements/circleelement.h"
#include "referencepicture.h"

#include <QFile>
#include <QPainter>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

// Largest difference of a colour channel between a window grab and a transparent picture
// laid on the opaque black the grab shows under it; 256 for another size. With above, the
// number of pixels that differ by more than that instead.
int difference(const QImage &grab, const QImage &picture, int above = -1)
{
    if (grab.size() != picture.size())
        return 256;
    const QImage x = grab.convertToFormat(QImage::Format_RGB32);
    QImage y(picture.size(), QImage::Format_RGB32);
    y.setDevicePixelRatio(picture.devicePixelRatio());
    y.fill(Qt::black);
    QPainter painter(&y);
    DevicePixels::copy(&painter, QPointF(0, 0), picture, picture.rect());
    painter.end();
    int worst = 0;
    int count = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            const int d = std::max({std::abs(qRed(p[col]) - qRed(q[col])),
                                    std::abs(qGreen(p[col]) - qGreen(q[col])),
                                    std::abs(qBlue(p[col]) - qBlue(q[col]))});
            worst = std::max(worst, d);
            count += d > above ? 1 : 0;
        }
    }
    return above < 0 ? worst : count;
}

} // namespace

class TestTiledCanvas : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }
    void windowShowsTheDrawing();
    void windowChangesScreens();
    void zoomShowsTheElementsMagnified_data();
    void zoomShowsTheElementsMagnified();
};

void TestTiledCanvas::windowShowsTheDrawing()
{
    // Sizes that are no multiple of the tile size leave narrow tiles at the edges.
    QScreen *screen = QGuiApplication::primaryScreen();
    QQuickWindow window;
    window.setScreen(screen);
    window.setColor(Qt::transparent);
    window.setGeometry(QRect(screen->geometry().topLeft(), QSize(600, 410)));
    MyPainter canvas(window.contentItem());
    canvas.document().setManualTiming(true);
    canvas.setSize(QSizeF(600, 410));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.effectiveDevicePixelRatio(), screen->devicePixelRatio());
    const ReferencePicture reference(canvas, window.effectiveDevicePixelRatio());

    const std::pair<const char *, std::function<void()>> steps[] = {
        {"stroke across tiles",
         [&] {
             canvas.beginPaint({20, 20});
             for (int i = 1; i <= 40; ++i)
                 canvas.movePaint({20 + 14 * i, 20 + (i % 7) * 45}, false);
         }},
        {"circle over the edge tiles",
         [&] {
             canvas.document().addElement(
                 std::make_shared<CircleElement>(QPoint(560, 380), 60, Qt::blue, 7, 0.6));
         }},
        {"opacity of the stroke",
         [&] { canvas.document().changeOpacity(canvas.document().elements().first(), 0.3); }},
        {"undo leaves tiles empty", [&] { canvas.undo(); }},
        {"clear", [&] { canvas.clear(); }},
        {"a stroke after the clear",
         [&] {
             canvas.beginPaint({300, 200});
             canvas.movePaint({310, 260}, false);
         }},
        {"window grows",
         [&] {
             window.resize(700, 450);
             canvas.setSize(QSizeF(700, 450));
         }},
    };
    for (const auto &[name, step] : steps) {
        step();
        // Frames come from the event loop; the grab renders one as well.
        QTRY_VERIFY2_WITH_TIMEOUT(difference(window.grabWindow(), reference.shown()) <= 2, name,
                                  5000);
    }
}

void TestTiledCanvas::windowChangesScreens()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2 ||
        screens.at(0)->devicePixelRatio() == screens.at(1)->devicePixelRatio())
        QSKIP("needs two screens of different scale");
    QQuickWindow window;
    window.setScreen(screens.at(0));
    window.setColor(Qt::transparent);
    window.setGeometry(QRect(screens.at(0)->geometry().topLeft(), QSize(400, 300)));
    MyPainter canvas(window.contentItem());
    canvas.document().setManualTiming(true);
    canvas.setSize(QSizeF(400, 300));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    canvas.setTextToDraw(QStringLiteral("Notiz"));
    canvas.addText(QPoint(40, 250));
    canvas.beginPaint({20, 20});
    for (int i = 1; i <= 20; ++i)
        canvas.movePaint({20 + 17 * i, 20 + (i % 5) * 40}, false);
    canvas.beginPaint({0, 0}); // the stroke settles into a layer

    // There and back: each screen gets the drawing at its own resolution.
    for (QScreen *screen : {screens.at(1), screens.at(0)}) {
        window.setScreen(screen);
        window.setPosition(screen->geometry().topLeft());
        // The platform may keep the window's device size across screens.
        window.resize(400, 300);
        QTRY_COMPARE_WITH_TIMEOUT(window.effectiveDevicePixelRatio(), screen->devicePixelRatio(),
                                  5000);
        const QImage expected =
            renderReference(canvas.document(), QSize(400, 300), screen->devicePixelRatio());
        QTRY_VERIFY2_WITH_TIMEOUT(difference(window.grabWindow(), expected) <= 2,
                                  qPrintable(screen->name()), 5000);
        // The export has the resolution of the screen too.
        QSignalSpy saved(&canvas, &MyPainter::imageSaved);
        canvas.renderToImage();
        QCOMPARE(saved.size(), 1);
        const QString path = saved.first().first().toString();
        const QImage exported(path);
        QFile::remove(path);
        QCOMPARE(exported.size(), expected.size());
        QVERIFY(maxChannelDifference(exported, expected) <= 2);
    }
}

// Magnified, the window shows the drawing rendered at the magnified scale, not an enlarged
// picture of it, wherever the pan takes it (once the tiles that came in rough are sharp);
// unmagnified again, the drawing at real size.
void TestTiledCanvas::zoomShowsTheElementsMagnified_data()
{
    // With a backdrop (the zoom's still of the screen) the canvas paints it under its ink.
    QTest::addColumn<bool>("withBackdrop");
    QTest::newRow("ink alone") << false;
    QTest::newRow("over a backdrop") << true;
}

void TestTiledCanvas::zoomShowsTheElementsMagnified()
{
    QFETCH(bool, withBackdrop);
    QScreen *screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen->devicePixelRatio();
    const QSize size(300, 200);
    QImage backdrop(size * ratio, QImage::Format_RGB32);
    for (int y = 0; y < backdrop.height(); ++y)
        for (int x = 0; x < backdrop.width(); ++x)
            backdrop.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
    QQuickWindow window;
    window.setScreen(screen);
    window.setColor(Qt::transparent);
    window.setGeometry(QRect(screen->geometry().topLeft(), size));
    MyPainter canvas(window.contentItem());
    canvas.document().setManualTiming(true);
    canvas.setSize(size);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    canvas.setPenSize(3);
    stroke(canvas, {{100, 60}, {130, 70}, {160, 64}, {190, 90}});
    canvas.setTextToDraw(QStringLiteral("Notiz"));
    canvas.addText(QPoint(110, 100));

    // At real size first, as before any zoom. (Qt places a text's glyphs at a large scale
    // a hair differently once it has drawn that text at a small one, so the references
    // below are drawn after it too, as the magnified tiles are.)
    QTRY_VERIFY_WITH_TIMEOUT(
        difference(window.grabWindow(), renderReference(canvas.document(), size, ratio)) <= 2,
        5000);
    if (withBackdrop) {
        backdrop.setDevicePixelRatio(ratio);
        canvas.setZoomBackdrop(backdrop);
        backdrop.setDevicePixelRatio(1);
    }
    // 2.5: glyphs and edges at fractions of a device pixel.
    for (const qreal factor : {8.0, 2.5}) {
        for (const QPointF pan : {QPointF(150, 80), QPointF(170, 90)}) {
            canvas.setZoomFactor(factor);
            canvas.setZoomPan(pan);
            // The drawing magnified about the pan point, moved by whole device pixels.
            const QPointF shift = pan * (factor - 1) * ratio;
            const QPoint device(qRound(shift.x()), qRound(shift.y()));
            const QImage whole = renderReference(canvas.document(),
                                                 (QSizeF(size) * factor).toSize(), ratio * factor);
            QImage expected = whole.copy(QRect(device, size * ratio));
            if (withBackdrop) {
                expected.setDevicePixelRatio(1);
                const QImage ink = expected.copy();
                QPainter painter(&expected);
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                painter.translate(-device);
                painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size) * factor * ratio), backdrop);
                painter.resetTransform();
                painter.drawImage(0, 0, ink);
            }
            expected.setDevicePixelRatio(ratio);
            const auto sharp = [&] {
                const QImage grab = window.grabWindow();
                return difference(grab, expected) <= 64 &&
                       difference(grab, expected, 8) < grab.width() * grab.height() / 200;
            };
            QTRY_VERIFY2_WITH_TIMEOUT(
                sharp(),
                qPrintable(QStringLiteral("%1x at %2, %3").arg(factor).arg(pan.x()).arg(pan.y())),
                5000);
        }
    }
    canvas.setZoomFactor(1);
    QTRY_VERIFY_WITH_TIMEOUT(
        difference(window.grabWindow(), renderReference(canvas.document(), size, ratio)) <= 2,
        5000);
}

QTEST_MAIN(TestTiledCanvas)

#include "tst_tiledcanvas.moc"
