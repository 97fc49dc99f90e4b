// The spotlight's dimming as the software scene graph draws it, frame after frame into one
// image as into a window (run at 100 % and at 150 %): the screen is dimmed but for the hole's
// picture, without a seam where the tiles meet it, and a move repaints only the tiles that
// the hole's square leaves or enters.
#include "spotlighthole.h"

#include <QPainter>
#include <QQuickRenderControl>
#include <QQuickRenderTarget>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTest>

#include <memory>

namespace {

const QSize Screen(900, 600);
const QColor Dim(0, 0, 0, 158);
const QColor Marker(0, 255, 0);

// Renders for a window of the screen, whose scale the items see.
class RenderControl : public QQuickRenderControl
{
public:
    RenderControl() { host.create(); }
    QWindow *renderWindow(QPoint *) override { return &host; }
    QWindow host;
};

struct SoftwareScreen
{
    RenderControl control;
    QQuickWindow window{&control};
    QImage target;
    SpotlightHole *hole = nullptr; // owned by the window's item

    SoftwareScreen()
    {
        const qreal ratio = window.effectiveDevicePixelRatio();
        target = QImage((QSizeF(Screen) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        target.setDevicePixelRatio(ratio);
        target.fill(Qt::transparent);
        window.setColor(Qt::transparent);
        window.resize(Screen);
        window.contentItem()->setSize(Screen);
        QQuickRenderTarget renderTarget = QQuickRenderTarget::fromPaintDevice(&target);
        renderTarget.setDevicePixelRatio(ratio);
        window.setRenderTarget(renderTarget);
        hole = new SpotlightHole(window.contentItem());
        hole->setSize(Screen);
        hole->setColor(Dim);
        hole->setRadius(100);
    }
    void frame()
    {
        control.polishItems();
        control.beginFrame();
        control.sync();
        control.render();
        control.endFrame();
    }
    // The dim all over and the hole's picture at its square.
    QImage expected() const
    {
        const qreal ratio = target.devicePixelRatio();
        QImage image(target.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Dim);
        const QRectF square = hole->holeRect(ratio);
        if (!square.isEmpty()) {
            QPainter painter(&image);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            QImage picture = SpotlightHole::render(hole->radius(), Dim, ratio);
            picture.setDevicePixelRatio(1);
            painter.drawImage((square.topLeft() * ratio).toPoint(), picture);
        }
        return image;
    }
};

int largestDifference(const QImage &a, const QImage &b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qAlpha(p) - qAlpha(q)), std::abs(qRed(p) - qRed(q)),
                              std::abs(qGreen(p) - qGreen(q))});
        }
    return worst;
}

} // namespace

class TestSpotlightHole : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }
    void dimsAllButTheHole();
    void aMoveRepaintsOnlyAroundTheHole();
};

void TestSpotlightHole::dimsAllButTheHole()
{
    SoftwareScreen screen;
    screen.frame();
    QCOMPARE(largestDifference(screen.target, screen.expected()), 0);
    // Lit at points off the tile grid and off whole pixels, then moved, then out again.
    screen.hole->setLit(true);
    for (const QPointF at : {QPointF(301.3, 207.7), QPointF(40, 590), QPointF(655.5, 128.25)}) {
        screen.hole->setCenter(at);
        screen.frame();
        QVERIFY2(largestDifference(screen.target, screen.expected()) <= 1,
                 qPrintable(QStringLiteral("at %1, %2").arg(at.x()).arg(at.y())));
    }
    screen.hole->setRadius(60);
    screen.frame();
    QVERIFY(largestDifference(screen.target, screen.expected()) <= 1);
    screen.hole->setLit(false);
    screen.frame();
    QCOMPARE(largestDifference(screen.target, screen.expected()), 0);
}

void TestSpotlightHole::aMoveRepaintsOnlyAroundTheHole()
{
    SoftwareScreen screen;
    screen.hole->setLit(true);
    screen.hole->setCenter(QPointF(300, 300));
    screen.frame();
    // What the next frame leaves alone keeps the marker.
    screen.target.fill(Marker);
    const QRectF before = screen.hole->holeRect(screen.target.devicePixelRatio());
    screen.hole->setCenter(QPointF(330, 310));
    screen.frame();
    const QRectF after = screen.hole->holeRect(screen.target.devicePixelRatio());
    // The tiles that either square meets.
    const auto tiles = [](const QRectF &square) {
        const int t = SpotlightHole::TileSize;
        return QRect(QPoint(int(square.left()) / t * t, int(square.top()) / t * t),
                     QPoint((int(std::ceil(square.right())) / t + 1) * t - 1,
                            (int(std::ceil(square.bottom())) / t + 1) * t - 1));
    };
    const QRect allowed = tiles(before) | tiles(after);
    const qreal ratio = screen.target.devicePixelRatio();
    qint64 repainted = 0;
    for (int y = 0; y < screen.target.height(); ++y)
        for (int x = 0; x < screen.target.width(); ++x) {
            if (screen.target.pixel(x, y) == Marker.rgba())
                continue;
            ++repainted;
            QVERIFY2(QRectF(allowed.topLeft(), allowed.size())
                         .contains((QPointF(x, y) + QPointF(0.5, 0.5)) / ratio),
                     qPrintable(QStringLiteral("repainted at %1, %2").arg(x).arg(y)));
        }
    QVERIFY(repainted > 0);
    QVERIFY2(repainted < screen.target.width() * screen.target.height() / 3,
             qPrintable(QString::number(repainted)));
}

QTEST_MAIN(TestSpotlightHole)
#include "tst_spotlighthole.moc"
