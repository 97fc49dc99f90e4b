#include "canvastesthelpers.h"
#include "elements/freehandelement.h"
#include "referencerenderer.h"

#include <QLoggingCategory>
#include <QPointingDevice>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>
#include <qpa/qwindowsysteminterface_p.h>

#include <memory>

namespace {

// The overlay's pointer area, as far as drawing goes: the mouse events Qt makes of a pen's
// events reach the canvas through it.
const QByteArray PointerArea = R"(
import QtQuick
MouseArea {
    property var canvas
    property bool pressFromPen
    anchors.fill: parent
    onPressed: mouse => {
        pressFromPen = canvas.fromPen();
        canvas.beginPaint(Qt.point(mouse.x, mouse.y));
    }
    onPositionChanged: mouse => canvas.movePaint(Qt.point(mouse.x, mouse.y), false)
    onReleased: mouse => canvas.endPaint(Qt.point(mouse.x, mouse.y), false)
}
)";

// How many pixels of column x the drawing covers (more than half opaque).
int coveredHeight(const QImage &image, int x)
{
    int covered = 0;
    for (int y = 0; y < image.height(); ++y)
        covered += qAlpha(image.pixel(x, y)) > 127 ? 1 : 0;
    return covered;
}

} // namespace

// A tablet pen on the canvas in a window: strokes follow its pressure, a mouse's do not.
class TestPenPressure : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        // As on X11 and Windows: Qt makes a mouse event of each pen event nothing took.
        QWindowSystemInterfacePrivate::TabletEvent::setPlatformSynthesizesMouse(false);
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }
    void widthFollowsThePressure();
};

void TestPenPressure::widthFollowsThePressure()
{
    QQuickWindow window;
    window.resize(400, 300);
    MyPainter canvas(window.contentItem());
    canvas.document().setManualTiming(true);
    canvas.setSize(QSizeF(400, 300));
    canvas.setPenSize(20);
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(PointerArea, QUrl());
    std::unique_ptr<QObject> area(component.create());
    QVERIFY2(area, qPrintable(component.errorString()));
    area->setProperty("canvas", QVariant::fromValue<QObject *>(&canvas));
    qobject_cast<QQuickItem *>(area.get())->setParentItem(window.contentItem());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto *pen =
        new QPointingDevice(QStringLiteral("test pen"), 4242, QInputDevice::DeviceType::Stylus,
                            QPointingDevice::PointerType::Pen,
                            QInputDevice::Capability::Position | QInputDevice::Capability::Pressure,
                            1, 2, QString(), QPointingDeviceUniqueId::fromNumericId(4242), &window);
    QWindowSystemInterface::registerInputDevice(pen);
    const auto penAt = [&](QPointF at, Qt::MouseButtons buttons, double pressure) {
        QWindowSystemInterface::handleTabletEvent(&window, pen, at, window.mapToGlobal(at), buttons,
                                                  pressure, 0, 0, 0, 0, 0);
        QWindowSystemInterface::flushWindowSystemEvents();
    };

    // Along y = 80, pressed harder and harder: 0.2 at x = 50 to 1 at x = 350.
    penAt({50, 80}, Qt::LeftButton, 0.2);
    for (int x = 60; x <= 350; x += 10)
        penAt({double(x), 80}, Qt::LeftButton, 0.2 + 0.8 * (x - 50) / 300.0);
    penAt({350, 80}, Qt::NoButton, 0.0);
    QCOMPARE(canvas.document().elements().size(), 1);
    const auto &stroke =
        static_cast<const FreehandElement &>(*canvas.document().elements().first());
    QVERIFY(stroke.hasPressure());
    QVERIFY(area->property("pressFromPen").toBool());
    QCOMPARE(stroke.pressures().first(), 20);
    QCOMPARE(stroke.pressures().last(), 100); // lifting the pen does not thin the end

    // Then the mouse along y = 200: full width, and nothing left over from the pen.
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(50, 200));
    for (int x = 60; x <= 350; x += 10)
        QTest::mouseMove(&window, QPoint(x, 200));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(350, 200));
    QCOMPARE(canvas.document().elements().size(), 2);
    const auto &mouseStroke =
        static_cast<const FreehandElement &>(*canvas.document().elements().last());
    QVERIFY(!mouseStroke.hasPressure());
    QVERIFY(!area->property("pressFromPen").toBool());

    // The pen stroke's width is a quarter of the pen's and the rest in proportion to the
    // pressure; the mouse's is the pen's all along.
    const QImage shown = shownImage(canvas);
    QImage upper = shown.copy(0, 0, 400, 150);
    QImage lower = shown.copy(0, 150, 400, 150);
    for (const int x : {80, 200, 320}) {
        const double pressure = 0.2 + 0.8 * (x - 50) / 300.0;
        const double expected = 20 * (0.25 + 0.75 * pressure);
        const int measured = coveredHeight(upper, x);
        QVERIFY2(
            std::abs(measured - expected) <= 1.5,
            qPrintable(
                QStringLiteral("x %1: %2 px, expected %3").arg(x).arg(measured).arg(expected)));
        QCOMPARE(coveredHeight(lower, x), 20);
    }
    QVERIFY(coveredHeight(upper, 320) - coveredHeight(upper, 80) >= 8);

    // The mouse stroke shows as the drawing shows it on its own.
    DrawingDocument alone;
    alone.addElement(std::make_shared<FreehandElement>(mouseStroke.points(), mouseStroke.color(),
                                                       20, mouseStroke.opacity()));
    QCOMPARE(
        maxChannelDifference(lower, renderReference(alone, QSize(400, 300)).copy(0, 150, 400, 150)),
        0);
}

QTEST_MAIN(TestPenPressure)
#include "tst_penpressure.moc"
