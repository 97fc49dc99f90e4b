// Several canvases showing one drawing, one per screen, each at the desktop position of its
// screen: what is drawn through any of them is one drawing in desktop coordinates, and
// every view shows its part of it exactly as a plain render of the whole desktop would.

#include "canvastesthelpers.h"
#include "referencerenderer.h"

#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int ScreenWidth = 400;
constexpr int ScreenHeight = 300;
const QSize Desktop(2 * ScreenWidth, ScreenHeight);

// A view of source's drawing covering the screen at origin.
std::unique_ptr<MyPainter> makeView(MyPainter *source, QPoint origin)
{
    auto view = std::make_unique<MyPainter>();
    view->setSource(source);
    view->setViewOrigin(origin);
    view->setSize(QSizeF(ScreenWidth, ScreenHeight));
    return view;
}

// Largest channel difference between what the view shows and its part of a plain render
// of the whole desktop.
int viewError(MyPainter &view)
{
    const QImage desktop = renderReference(view.document(), Desktop);
    const QRect part(view.viewOrigin().toPoint(), QSize(int(view.width()), int(view.height())));
    return maxChannelDifference(shownImage(view), desktop.copy(part));
}

QList<const DrawingElement *> order(const DrawingDocument &document)
{
    QList<const DrawingElement *> list;
    for (const auto &element : document.elements())
        list << element.get();
    return list;
}

} // namespace

class TestScreenViews : public QObject
{
    Q_OBJECT

private slots:
    void strokeAcrossTheBorderIsOneElement_data();
    void strokeAcrossTheBorderIsOneElement();
    void commandsActOnTheOneDrawingInOrder();
    void viewsComeAndGoWithoutLosingAnything();
    void aViewRepaintsOnlyWhatItShows();
    void mixedScalesShareOnePlane_data();
    void mixedScalesShareOnePlane();
};

void TestScreenViews::strokeAcrossTheBorderIsOneElement_data()
{
    QTest::addColumn<bool>("fromRight");
    QTest::addColumn<int>("mode");
    QTest::newRow("freehand from the left screen") << false << int(MyPainter::FreehandMode);
    QTest::newRow("freehand from the right screen") << true << int(MyPainter::FreehandMode);
    QTest::newRow("arrow from the right screen") << true << int(MyPainter::ArrowMode);
    QTest::newRow("rectangle from the left screen") << false << int(MyPainter::RectangleMode);
}

// The pointer stays with the view it was pressed on, so positions beyond its edge reach it.
void TestScreenViews::strokeAcrossTheBorderIsOneElement()
{
    QFETCH(bool, fromRight);
    QFETCH(int, mode);
    auto left = makeCanvas(ScreenWidth, ScreenHeight);
    auto right = makeView(left.get(), QPoint(ScreenWidth, 0));
    MyPainter &pressed = fromRight ? *right : *left;
    right->setDrawMode(mode);
    right->setPenSize(7);
    const QPoint a = fromRight ? QPoint(250, 80) : QPoint(250, 220); // in the pressed view
    const QPoint b = fromRight ? QPoint(-150, 200) : QPoint(550, 60);
    stroke(pressed, {a, (a + b) / 2, b});
    pressed.endPaint(b, false);

    QCOMPARE(left->document().elements().size(), 1);
    QCOMPARE(&right->document(), &left->document());
    QCOMPARE(left->drawMode(), mode);
    QCOMPARE(left->penSize(), 7);
    // Both views show their half of it.
    QCOMPARE(viewError(*left), 0);
    QCOMPARE(viewError(*right), 0);
    const QRect ink = left->document().elements().constFirst()->boundingRect();
    QVERIFY2(ink.left() < ScreenWidth && ink.right() > ScreenWidth,
             "the stroke stops at the border");
}

void TestScreenViews::commandsActOnTheOneDrawingInOrder()
{
    auto left = makeCanvas(ScreenWidth, ScreenHeight);
    auto right = makeView(left.get(), QPoint(ScreenWidth, 0));
    QSignalSpy leftUndo(left.get(), &MyPainter::canUndoChanged);
    QSignalSpy rightUndo(right.get(), &MyPainter::canUndoChanged);
    QSignalSpy rightEraser(right.get(), &MyPainter::eraserModeChanged);

    stroke(*left, {{50, 50}, {100, 60}, {150, 70}});     // a
    stroke(*right, {{50, 150}, {100, 160}, {150, 170}}); // b, desktop x 450..550
    stroke(*left, {{50, 250}, {100, 260}, {150, 270}});  // c
    const auto drawn = order(left->document());
    QCOMPARE(drawn.size(), 3);
    QVERIFY(leftUndo.count() >= 1);
    QCOMPARE(rightUndo.count(), leftUndo.count());
    QCOMPARE(drawn.at(1)->boundingRect().left() > ScreenWidth, true);

    // Undo from either view takes the newest element, wherever it lies.
    right->undo();
    QCOMPARE(order(left->document()), drawn.mid(0, 2));
    left->undo();
    QCOMPARE(order(left->document()), drawn.mid(0, 1));
    right->redo();
    QCOMPARE(order(left->document()), drawn.mid(0, 2));
    QCOMPARE(viewError(*right), 0);

    // Right click on the right screen deletes b; the eraser set there is the drawing's.
    QVERIFY(right->deleteElement(QPoint(100, 160), 10));
    QCOMPARE(order(left->document()), drawn.mid(0, 1));
    QVERIFY(!left->deleteElement(QPoint(100 + ScreenWidth, 160), 10));
    right->setIsEraserMode(true);
    QVERIFY(left->isEraserMode());
    QCOMPARE(rightEraser.count(), 1);
    right->clear();
    QVERIFY(left->document().elements().isEmpty());
    left->undo();
    QCOMPARE(order(left->document()), drawn.mid(0, 1));
    QCOMPARE(viewError(*left), 0);
    QCOMPARE(viewError(*right), 0);
}

void TestScreenViews::viewsComeAndGoWithoutLosingAnything()
{
    auto left = makeCanvas(ScreenWidth, ScreenHeight);
    auto right = makeView(left.get(), QPoint(ScreenWidth, 0));
    stroke(*right, {{100, 100}, {200, 150}, {300, 120}});
    stroke(*left, {{300, 200}, {400, 210}, {500, 220}});
    const auto drawn = order(left->document());

    // The screen goes: the drawing and its history stay.
    right.reset();
    QCOMPARE(order(left->document()), drawn);
    left->undo();
    left->redo();
    QCOMPARE(order(left->document()), drawn);

    // It comes back, and another one at another place: both show their parts.
    right = makeView(left.get(), QPoint(ScreenWidth, 0));
    QCOMPARE(viewError(*right), 0);
    right->setViewOrigin(QPoint(ScreenWidth / 2, 0));
    QCOMPARE(viewError(*right), 0);
    QVERIFY(!shownImage(*right).isNull());

    // A view whose source goes shows a drawing of its own and keeps working.
    auto view = makeView(right.get(), QPoint(0, 0));
    QSignalSpy sourceGone(view.get(), &MyPainter::sourceChanged);
    right.reset();
    left.reset();
    QCOMPARE(sourceGone.count(), 1);
    QCOMPARE(view->source(), nullptr);
    QVERIFY(view->document().elements().isEmpty());
    stroke(*view, {{10, 10}, {20, 20}});
    QCOMPARE(view->document().elements().size(), 1);
}

// A change on one screen costs the other views nothing.
void TestScreenViews::aViewRepaintsOnlyWhatItShows()
{
    auto left = makeCanvas(ScreenWidth, ScreenHeight);
    auto right = makeView(left.get(), QPoint(ScreenWidth, 0));
    shownImage(*left);
    shownImage(*right);
    QVERIFY(right->renderer().pendingDirtyRect().isEmpty());
    stroke(*left, {{50, 50}, {100, 60}, {150, 70}});
    QVERIFY(!left->renderer().pendingDirtyRect().isEmpty());
    QVERIFY(right->renderer().pendingDirtyRect().isEmpty());
    stroke(*left, {{350, 50}, {420, 60}});
    QCOMPARE(right->renderer().pendingDirtyRect().left(), ScreenWidth);
    QVERIFY(right->renderer().pendingDirtyRect().right() < ScreenWidth + 40);

    // A cycle of sources is refused.
    left->setSource(right.get());
    QCOMPARE(left->source(), nullptr);
}

void TestScreenViews::mixedScalesShareOnePlane_data()
{
    QTest::addColumn<double>("leftRatio");
    QTest::addColumn<double>("rightRatio");
    QTest::newRow("1;2") << 1.0 << 2.0;
    QTest::newRow("1;1.5") << 1.0 << 1.5;
    QTest::newRow("1.25;2") << 1.25 << 2.0;
    QTest::newRow("2;1") << 2.0 << 1.0;
}

// Two screens of 480x300 device pixels side by side at different scales; the drawing's unit
// is the left screen's scale. A level pointer path across the border, pressed on either
// screen, stays level, and each view shows its part of the one drawing as a render of the
// whole desktop at its device pixels does. The eraser follows the same path.
void TestScreenViews::mixedScalesShareOnePlane()
{
    QFETCH(double, leftRatio);
    QFETCH(double, rightRatio);
    constexpr int Device = 480;
    constexpr int DeviceHeight = 300;
    const qreal unit = leftRatio;
    auto left = makeCanvas(int(Device / leftRatio), int(DeviceHeight / leftRatio));
    auto right = std::make_unique<MyPainter>();
    right->setSource(left.get());
    right->setViewOrigin(QPointF(Device / unit, 0));
    right->setViewScale(rightRatio / unit);
    right->setSize(QSizeF(Device / rightRatio, DeviceHeight / rightRatio));
    left->setPenSize(5);

    // Level at device y 90 from the right screen into the left one, and at device y 210
    // from the left one into the right one; a rectangle dragged across at y 150..180.
    const auto item = [](QPoint device, qreal ratio, int screenLeft) {
        return QPoint(qRound((device.x() - screenLeft) / ratio), qRound(device.y() / ratio));
    };
    stroke(*right, {item({800, 90}, rightRatio, Device), item({600, 90}, rightRatio, Device),
                    item({300, 90}, rightRatio, Device)});
    stroke(*left, {item({200, 210}, leftRatio, 0), item({450, 210}, leftRatio, 0),
                   item({700, 210}, leftRatio, 0)});
    left->setDrawMode(MyPainter::RectangleMode);
    stroke(*right, {item({700, 150}, rightRatio, Device), item({250, 180}, rightRatio, Device)});
    right->endPaint(item({250, 180}, rightRatio, Device), false);
    QCOMPARE(left->document().elements().size(), 3);
    for (const auto &element : left->document().elements()) {
        const QRect ink = element->boundingRect();
        QVERIFY2(ink.left() < Device / unit && ink.right() > Device / unit,
                 "the element stops at the border");
        QVERIFY2(ink.height() < 60 / unit, qPrintable(QStringLiteral("%1 high").arg(ink.height())));
    }

    // Each view against its part of the desktop rendered at the device pixels.
    const QImage desktop = renderReference(
        left->document(), QSize(qRound(2 * Device / unit), qRound(DeviceHeight / unit)), unit);
    QCOMPARE(maxChannelDifference(shownImage(*left, leftRatio),
                                  desktop.copy(0, 0, Device, DeviceHeight)),
             0);
    QCOMPARE(maxChannelDifference(shownImage(*right, rightRatio),
                                  desktop.copy(Device, 0, Device, DeviceHeight)),
             0);

    // The eraser pressed on the right screen and led out over the left one, along a stroke
    // that lies on the left screen only: it takes that one and nothing else.
    left->setDrawMode(MyPainter::FreehandMode);
    stroke(*left, {item({100, 260}, leftRatio, 0), item({300, 260}, leftRatio, 0)});
    const auto kept = order(left->document()).mid(0, 3);
    left->setIsEraserMode(true);
    stroke(*right, {item({700, 260}, rightRatio, Device), item({400, 260}, rightRatio, Device),
                    item({200, 260}, rightRatio, Device)});
    QCOMPARE(order(left->document()), kept);
}

QTEST_MAIN(TestScreenViews)
#include "tst_screenviews.moc"
