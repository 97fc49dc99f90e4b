#include "canvastesthelpers.h"
#include "referencepicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaMethod>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

// The canvas as the documents see it: properties, notify order, invokables and export.
class TestCanvasInterface : public QObject
{
    Q_OBJECT

private slots:
    void initialState();
    void penOpacityIsClamped_data();
    void penOpacityIsClamped();
    void plainSettersEmitOnlyOnChange();
    void isBreathEmitsOnEveryWrite();
    void drawModeSwitchesEraserOffFirst();
    void eraserSwitchesToFreehandFirst();
    void sameModeDoesNothing();
    void invokableDefaults();
    void exePathIsTheApplicationDirectory();
    void renderToImageWritesTheDrawings();
    void renderToImageOnEmptyCanvasWritesNothing();
    void exportToAChosenFileNeverReplacesOne();
    void resizeShowsTheWholeDrawing();
    void drawingRectFollowsTheDrawing();
    void selectionToolWorksInItemPoints();
    void leavingTheSelectionToolDropsTheSelection_data();
    void leavingTheSelectionToolDropsTheSelection();
    void cleanup();

private:
    QStringList screenshots() const
    {
        return QDir(QCoreApplication::applicationDirPath())
            .entryList({QStringLiteral("screenshot_*.png")}, QDir::Files);
    }
    QStringList m_before;
};

void TestCanvasInterface::initialState()
{
    QTest::ignoreMessage(QtDebugMsg, "Create MyPainter");
    MyPainter canvas;
    QCOMPARE(canvas.penSize(), 5);
    QCOMPARE(canvas.penColor(), QColor("#ff0000"));
    QCOMPARE(canvas.penOpacity(), 1.0);
    QCOMPARE(canvas.textSize(), 20);
    QCOMPARE(canvas.drawMode(), 0);
    QCOMPARE(canvas.fadeOutTime(), 0);
    QVERIFY(!canvas.isBreath() && !canvas.canUndo() && !canvas.canRedo());
    QVERIFY(!canvas.isEraserMode());
    QVERIFY(canvas.textToDraw().isEmpty());
    QCOMPARE(canvas.renderer().imageCount(), 0);
    QCOMPARE(canvas.renderTarget(), QQuickPaintedItem::Image);
    QVERIFY(canvas.antialiasing());
    const ReferencePicture reference(canvas);
    canvas.setSize(QSizeF(30, 20));
    QCOMPARE(reference.image().size(), QSize(30, 20));
    QCOMPARE(reference.image().format(), QImage::Format_ARGB32);
}

void TestCanvasInterface::penOpacityIsClamped_data()
{
    QTest::addColumn<double>("written");
    QTest::addColumn<double>("stored");
    QTest::addColumn<bool>("emitted");
    QTest::newRow("in range") << 0.4 << 0.4 << true;
    QTest::newRow("above 1") << 1.7 << 1.0 << true; // 1.7 differs from the stored 1.0
    QTest::newRow("below 0") << -0.2 << 0.0 << true;
    QTest::newRow("zero") << 0.0 << 0.0 << true;
    QTest::newRow("NaN") << qQNaN() << 0.0 << true;
    QTest::newRow("same value") << 1.0 << 1.0 << false;
}

void TestCanvasInterface::penOpacityIsClamped()
{
    QFETCH(double, written);
    QFETCH(double, stored);
    QFETCH(bool, emitted);
    auto canvas = makeCanvas();
    SignalLog log(canvas.get());
    if (emitted)
        QTest::ignoreMessage(QtDebugMsg,
                             qPrintable(QStringLiteral("透明度已设置为: %1").arg(stored)));
    canvas->setPenOpacity(written);
    QCOMPARE(canvas->penOpacity(), stored);
    QCOMPARE(log.names, emitted ? QStringList{"penOpacity"} : QStringList{});
}

void TestCanvasInterface::plainSettersEmitOnlyOnChange()
{
    auto canvas = makeCanvas();
    SignalLog log(canvas.get());
    canvas->setPenSize(5);
    canvas->setPenColor(QColor("red"));
    canvas->setTextSize(20);
    canvas->setTextToDraw(QString());
    canvas->setFadeOutTime(0);
    QVERIFY(log.names.isEmpty());
    canvas->setPenSize(-3); // stored as is
    canvas->setPenColor(Qt::blue);
    canvas->setTextSize(0);
    canvas->setTextToDraw(QStringLiteral("a"));
    canvas->setFadeOutTime(500);
    QCOMPARE(log.names,
             QStringList({"penSize", "penColor", "textSize", "textToDraw", "fadeOutTime"}));
    QCOMPARE(canvas->penSize(), -3);
    QCOMPARE(canvas->textSize(), 0);
    QCOMPARE(canvas->fadeOutTime(), 500);
}

void TestCanvasInterface::isBreathEmitsOnEveryWrite()
{
    auto canvas = makeCanvas();
    SignalLog log(canvas.get());
    canvas->setIsBreath(false);
    canvas->setIsBreath(true);
    canvas->setIsBreath(true);
    QCOMPARE(log.names, QStringList({"isBreath", "isBreath", "isBreath"}));
}

void TestCanvasInterface::drawModeSwitchesEraserOffFirst()
{
    auto canvas = makeCanvas();
    canvas->setIsEraserMode(true);
    SignalLog log(canvas.get());
    canvas->setDrawMode(6);
    QCOMPARE(log.names, QStringList({"eraserMode", "drawMode"}));
    QVERIFY(!canvas->isEraserMode());
    QCOMPARE(canvas->drawMode(), 6);
    canvas->setDrawMode(42); // no range check
    QCOMPARE(canvas->drawMode(), 42);
}

void TestCanvasInterface::eraserSwitchesToFreehandFirst()
{
    auto canvas = makeCanvas();
    canvas->setDrawMode(MyPainter::LineMode);
    SignalLog log(canvas.get());
    canvas->setIsEraserMode(true);
    QCOMPARE(log.names, QStringList({"drawMode", "eraserMode"}));
    QCOMPARE(canvas->drawMode(), 0);
    log.names.clear();
    canvas->setIsEraserMode(false);
    QCOMPARE(log.names, QStringList({"eraserMode"}));
    QCOMPARE(canvas->drawMode(), 0);
}

void TestCanvasInterface::sameModeDoesNothing()
{
    auto canvas = makeCanvas();
    canvas->beginPaint(QPoint(1, 1));
    canvas->movePaint(QPoint(5, 5), false);
    SignalLog log(canvas.get());
    canvas->setDrawMode(0);
    canvas->setIsEraserMode(false);
    QVERIFY(log.names.isEmpty());
    QVERIFY(canvas->document().currentElement()); // the gesture goes on
}

void TestCanvasInterface::invokableDefaults()
{
    auto canvas = makeCanvas();
    canvas->setDrawMode(MyPainter::LineMode);
    stroke(*canvas, {QPoint(10, 10), QPoint(100, 10)});
    // Called from a document with only a point: tolerance 10 (pen 5 reaches 15 px).
    bool removed = false;
    QVERIFY(QMetaObject::invokeMethod(canvas.get(), "deleteElement", Q_RETURN_ARG(bool, removed),
                                      Q_ARG(QPoint, QPoint(50, 26))));
    QVERIFY(!removed);
    QVERIFY(QMetaObject::invokeMethod(canvas.get(), "deleteElement", Q_RETURN_ARG(bool, removed),
                                      Q_ARG(QPoint, QPoint(50, 25))));
    QVERIFY(removed);

    canvas->undo();
    stroke(*canvas, {QPoint(10, 50), QPoint(100, 50)});
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("启动呼吸效果，周期: 3000 ms"));
    QVERIFY(QMetaObject::invokeMethod(canvas.get(), "repeatDraw"));
    QVERIFY(canvas->document().breathingJob());
    QCOMPARE(canvas->document().breathingJob()->period(), 3000);

    // The interface the documents rely on, in its declared order.
    const QMetaObject *meta = canvas->metaObject();
    QStringList invokables;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.methodType() == QMetaMethod::Method)
            invokables << QString::fromLatin1(m.name());
    }
    invokables.removeDuplicates();
    QCOMPARE(invokables, QStringList({"beginPaint",
                                      "movePaint",
                                      "fromPen",
                                      "undo",
                                      "redo",
                                      "undoGradient",
                                      "clear",
                                      "addText",
                                      "getExePath",
                                      "endPaint",
                                      "deleteElement",
                                      "renderToImage",
                                      "repeatDraw",
                                      "drawingRect",
                                      "saveDrawing",
                                      "openDrawing",
                                      "cancelLoading",
                                      "selectAt",
                                      "selectIn",
                                      "clearSelection",
                                      "beginMove",
                                      "moveSelection",
                                      "endMove",
                                      "deleteSelection",
                                      "duplicateSelection",
                                      "recolourSelection",
                                      "resizeSelection"}));
    QCOMPARE(meta->property(meta->indexOfProperty("isEraserMode")).notifySignal().name(),
             QByteArray("eraserModeChanged"));
    QVERIFY(!meta->property(meta->indexOfProperty("canUndo")).isWritable());
    const QMetaEnum modes = meta->enumerator(meta->indexOfEnumerator("DrawMode"));
    QCOMPARE(modes.keyToValue("NumberedCircleMode"), 6);
    QCOMPARE(modes.keyToValue("TextMode"), 5);
    QCOMPARE(modes.keyToValue("SelectMode"), 7);
}

void TestCanvasInterface::exePathIsTheApplicationDirectory()
{
    auto canvas = makeCanvas();
    const QString path = canvas->getExePath();
    QCOMPARE(path, QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    QVERIFY(!path.endsWith(QDir::separator()));
    QVERIFY(QFileInfo(path).isDir());
}

void TestCanvasInterface::renderToImageWritesTheDrawings()
{
    m_before = screenshots();
    auto canvas = makeCanvas(321, 123);
    canvas->setPenColor(QColor(0, 0, 255));
    canvas->setDrawMode(MyPainter::LineMode);
    stroke(*canvas, {QPoint(10, 60), QPoint(300, 60)});
    const QRegularExpression savedLine(
        "^Image saved to: \".*screenshot_\\d{8}_\\d{6}(_\\d+)?\\.png\"$");
    QTest::ignoreMessage(QtDebugMsg, savedLine);
    QTest::ignoreMessage(QtDebugMsg, savedLine);
    QSignalSpy savedTo(canvas.get(), &MyPainter::imageSaved);
    canvas->renderToImage();
    canvas->renderToImage(); // usually the same second: a second file, not a replacement
    const QStringList added = [&] {
        QStringList now = screenshots();
        for (const QString &f : m_before)
            now.removeAll(f);
        return now;
    }();
    QCOMPARE(added.size(), 2);
    QCOMPARE(savedTo.size(), 2);
    QVERIFY(savedTo.at(0).first() != savedTo.at(1).first());
    const QImage saved(savedTo.at(1).first().toString());
    QCOMPARE(saved.size(), QSize(321, 123));
    QCOMPARE(qAlpha(saved.pixel(5, 5)), 0); // only the drawings, on transparency
    QCOMPARE(saved.pixel(150, 60), qRgba(0, 0, 255, 255));
}

void TestCanvasInterface::renderToImageOnEmptyCanvasWritesNothing()
{
    m_before = screenshots();
    auto canvas = makeCanvas();
    canvas->renderToImage();
    QCOMPARE(screenshots(), m_before);
}

void TestCanvasInterface::exportToAChosenFileNeverReplacesOne()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QUrl target = QUrl::fromLocalFile(dir.filePath(QStringLiteral("slide 1.png")));
    auto canvas = makeCanvas(100, 80);
    QSignalSpy saved(canvas.get(), &MyPainter::imageSaved);
    QSignalSpy failed(canvas.get(), &MyPainter::imageSaveFailed);
    QTest::ignoreMessage(QtWarningMsg, "Failed to save image: nothing drawn");
    canvas->renderToImage(target);
    QCOMPARE(failed.size(), 1);
    QVERIFY(!canvas->hasDrawing());

    QSignalSpy drawn(canvas.get(), &MyPainter::hasDrawingChanged);
    stroke(*canvas, {QPoint(10, 10), QPoint(90, 70)});
    QVERIFY(canvas->hasDrawing());
    QCOMPARE(drawn.size(), 1);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Image saved to:"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Image saved to:"));
    canvas->renderToImage(target);
    canvas->renderToImage(target);
    QCOMPARE(saved.size(), 2);
    QCOMPARE(QDir::fromNativeSeparators(saved.at(0).first().toString()),
             dir.filePath(QStringLiteral("slide 1.png")));
    QCOMPARE(QDir::fromNativeSeparators(saved.at(1).first().toString()),
             dir.filePath(QStringLiteral("slide 1_2.png")));
    QCOMPARE(QImage(dir.filePath(QStringLiteral("slide 1_2.png"))).size(), QSize(100, 80));
    canvas->clear();
    QVERIFY(!canvas->hasDrawing());
    QCOMPARE(drawn.size(), 2);
}

// A drawing opened into a window that the window manager then sizes small and large again
// shows in full at once, not cut to the small size until the next change.
void TestCanvasInterface::resizeShowsTheWholeDrawing()
{
    auto canvas = makeCanvas(200, 100);
    canvas->setDrawMode(MyPainter::LineMode);
    stroke(*canvas, {QPoint(150, 50), QPoint(290, 50)}); // runs past the right edge
    canvas->setSize(QSizeF(40, 30));
    canvas->setSize(QSizeF(300, 120));
    const QImage shown = shownImage(*canvas);
    QVERIFY(qAlpha(shown.pixel(180, 50)) > 0);
    QVERIFY(qAlpha(shown.pixel(280, 50)) > 0);
    QCOMPARE(qAlpha(shown.pixel(150, 100)), 0);
}

void TestCanvasInterface::cleanup()
{
    const QDir dir(QCoreApplication::applicationDirPath());
    for (const QString &f : screenshots()) {
        if (!m_before.contains(f))
            QFile::remove(dir.filePath(f));
    }
}

// The drawing's extent, pen included, in the item's coordinates: what an overlay that
// passes clicks through keeps covered.
void TestCanvasInterface::drawingRectFollowsTheDrawing()
{
    auto canvas = makeCanvas();
    QVERIFY(canvas->drawingRect().isEmpty());
    canvas->setPenSize(10);
    canvas->beginPaint(QPoint(100, 50));
    canvas->movePaint(QPoint(200, 80), false);
    const QRect extent = canvas->drawingRect();
    QVERIFY2(extent.contains(QRect(95, 45, 110, 40)), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                     .arg(extent.x())
                                                                     .arg(extent.y())
                                                                     .arg(extent.width())
                                                                     .arg(extent.height())));
    QVERIFY(extent.width() < 140 && extent.height() < 70);
    canvas->setViewOrigin(QPoint(100, 0));
    QCOMPARE(canvas->drawingRect(), extent.translated(-100, 0));
    canvas->clear();
    QVERIFY(canvas->drawingRect().isEmpty());
}

// A view at twice the scale, shifted: item point p is drawing point (100, 0) + 2p. The tool's
// points, offsets and outline are the item's; a drag is one undoable step, so is a restyle.
void TestCanvasInterface::selectionToolWorksInItemPoints()
{
    auto canvas = makeCanvas();
    canvas->setViewOrigin(QPointF(100, 0));
    canvas->setViewScale(2);
    canvas->setDrawMode(MyPainter::LineMode);
    stroke(*canvas, {QPoint(10, 50), QPoint(110, 50)});
    canvas->endPaint(QPoint(110, 50), false);
    canvas->setDrawMode(MyPainter::SelectMode);
    QCOMPARE(canvas->drawMode(), int(MyPainter::SelectMode));
    stroke(*canvas, {QPoint(10, 120), QPoint(110, 120)}); // draws nothing
    canvas->endPaint(QPoint(110, 120), false);
    QCOMPARE(canvas->document().elements().size(), 1);

    QVERIFY(!canvas->selectAt(QPoint(60, 63)));
    QVERIFY(canvas->selectAt(QPoint(60, 53))); // within 10 item pixels
    const QRect shown = canvas->selectionRect();
    QVERIFY(shown.contains(QPoint(10, 50)) && shown.contains(QPoint(110, 50)));
    QVERIFY(shown.height() < 12);

    const QRect before = canvas->document().selectionBounds();
    QVERIFY(canvas->beginMove());
    canvas->moveSelection(QPoint(5, 10));
    canvas->moveSelection(QPoint(15, 20));
    canvas->endMove();
    QCOMPARE(canvas->document().selectionBounds(), before.translated(30, 40));
    QCOMPARE(canvas->selectionRect(), shown.translated(15, 20));
    canvas->undo();
    QCOMPARE(canvas->selectionRect(), shown);
    canvas->redo();

    const auto line = canvas->document().elements().first();
    QVERIFY(canvas->resizeSelection(9));
    QVERIFY(canvas->recolourSelection(QColor(Qt::blue)));
    QCOMPARE(line->color(), QColor(Qt::blue));
    canvas->undo();
    QCOMPARE(line->color(), QColor(Qt::red));
    QCOMPARE(line->penWidth(), 9);
    QVERIFY(!canvas->resizeSelection(0));

    QVERIFY(canvas->duplicateSelection());
    QCOMPARE(canvas->document().elements().size(), 2);
    QVERIFY(canvas->deleteSelection());
    QCOMPARE(canvas->document().elements().size(), 1);
    canvas->clearSelection();
    QVERIFY(!canvas->hasSelection() && canvas->selectionRect().isEmpty());
    QVERIFY(!canvas->deleteSelection() && !canvas->duplicateSelection());

    canvas->selectIn(QRect(0, 60, 130, 20)); // the moved line, wholly inside
    QVERIFY(canvas->hasSelection());
    canvas->selectIn(QRect(0, 60, 50, 20)); // only a part of it
    QVERIFY(!canvas->hasSelection());
}

void TestCanvasInterface::leavingTheSelectionToolDropsTheSelection_data()
{
    QTest::addColumn<QString>("leave");
    QTest::newRow("another shape") << "line";
    QTest::newRow("the eraser") << "eraser";
}

void TestCanvasInterface::leavingTheSelectionToolDropsTheSelection()
{
    QFETCH(QString, leave);
    auto canvas = makeCanvas();
    canvas->setDrawMode(MyPainter::RectangleMode);
    stroke(*canvas, {QPoint(10, 10), QPoint(100, 80)});
    canvas->endPaint(QPoint(100, 80), false);
    canvas->setDrawMode(MyPainter::SelectMode);
    QVERIFY(canvas->selectAt(QPoint(10, 40)));
    QSignalSpy selection(canvas.get(), &MyPainter::selectionChanged);
    SignalLog log(canvas.get());
    if (leave == QLatin1String("line"))
        canvas->setDrawMode(MyPainter::LineMode);
    else
        canvas->setIsEraserMode(true);
    QVERIFY(!canvas->hasSelection());
    QCOMPARE(selection.size(), 1);
    QCOMPARE(canvas->drawMode(), leave == QLatin1String("line") ? 1 : 0);
    QVERIFY(log.names.contains("drawMode"));
    if (leave == QLatin1String("line")) { // and draws again
        stroke(*canvas, {QPoint(10, 150), QPoint(100, 150)});
        QVERIFY(canvas->document().currentElement());
    }
}

QTEST_MAIN(TestCanvasInterface)
#include "tst_canvasinterface.moc"
