// The canvas as a window shows it through the scene graph's tiles (software back-end):
// after every step the grabbed window equals the plain full render of the drawing, so no
// tile is left stale, and a tile that lost its ink shows nothing.
#include "canvastesthelpers.h"
#include "elements/circleelement.h"
#include "referencepicture.h"

#include <QPainter>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTest>

#include <functional>

namespace {

// Largest difference of a colour channel between a window grab and a transparent picture
// laid on the opaque black the grab shows under it; 256 for another size.
int difference(const QImage &grab, const QImage &picture)
{
    if (grab.size() != picture.size())
        return 256;
    const QImage x = grab.convertToFormat(QImage::Format_RGB32);
    QImage y(picture.size(), QImage::Format_RGB32);
    y.fill(Qt::black);
    QPainter(&y).drawImage(0, 0, picture);
    int worst = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            worst = std::max({worst, std::abs(qRed(p[col]) - qRed(q[col])),
                              std::abs(qGreen(p[col]) - qGreen(q[col])),
                              std::abs(qBlue(p[col]) - qBlue(q[col]))});
    }
    return worst;
}

} // namespace

class TestTiledCanvas : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }
    void windowShowsTheDrawing();
};

void TestTiledCanvas::windowShowsTheDrawing()
{
    // Sizes that are no multiple of the tile size leave narrow tiles at the edges.
    QQuickWindow window;
    window.setColor(Qt::transparent);
    window.resize(600, 410);
    MyPainter canvas(window.contentItem());
    canvas.document().setManualTiming(true);
    canvas.setSize(QSizeF(600, 410));
    const ReferencePicture reference(canvas);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

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

QTEST_MAIN(TestTiledCanvas)

#include "tst_tiledcanvas.moc"
