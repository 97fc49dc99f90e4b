#include "canvastesthelpers.h"
#include "elements/freehandelement.h"
#include "elements/lineelement.h"

#include <QtTest>

namespace {

std::shared_ptr<FreehandElement> dot(QPoint p, int width = 0)
{
    return std::make_shared<FreehandElement>(QList<QPoint>{p}, Qt::red, width, 1.0);
}

void drawLine(MyPainter &canvas, QPoint a, QPoint b)
{
    canvas.setDrawMode(MyPainter::LineMode);
    stroke(canvas, {a, b});
    canvas.endPaint(b, false);
}

} // namespace

// Undo, redo, right-click deletion and the eraser.
class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void undoAndRedoALine();
    void emptyStacksOnlyLog();
    void undoOfDeleteRestoresOnTop();
    void missedClickChangesNothing();
    void onlyTheTopmostHitIsDeleted();
    void drawingAfterUndoEmptiesRedo();
    void deleteTrimsTheUndoStackToTwenty();
    void eraserRemovesEverythingTheMoveCrosses();
    void eraserSamplesEveryFivePixels_data();
    void eraserSamplesEveryFivePixels();
    void eraserReachIsTwicePenSizePlusElementWidth();
    void eraserGroupsAcrossTwoStrokes();
    void reErasingAnUndoneEraseRecordsNothing();
    void numberedCounterFollowsUndoAndRedo();
    void clearIsOneUndoableStep();
    void elementsLiveAsLongAsReferenced();
    void logLinesOfUndoAndRedo();
};

void TestHistory::undoAndRedoALine()
{
    auto canvas = makeCanvas();
    drawLine(*canvas, QPoint(10, 10), QPoint(100, 10));
    drawLine(*canvas, QPoint(10, 50), QPoint(100, 50));
    const QStringList ids = idsOf(*canvas);
    SignalLog log(canvas.get());
    canvas->undo();
    QCOMPARE(idsOf(*canvas), QStringList({ids[0]}));
    QVERIFY(canvas->canRedo());
    QCOMPARE(log.names, QStringList({"canUndo", "canRedo"}));
    canvas->undo();
    canvas->redo();
    canvas->redo();
    QCOMPARE(idsOf(*canvas), ids);
    QVERIFY(!canvas->canRedo());
    QCOMPARE(canvas->document().history().undoStack().size(), 2);
}

void TestHistory::emptyStacksOnlyLog()
{
    auto canvas = makeCanvas();
    SignalLog log(canvas.get());
    QTest::ignoreMessage(QtDebugMsg, "没有可撤销的操作");
    canvas->undo();
    QTest::ignoreMessage(QtDebugMsg, "没有可重做的操作");
    canvas->redo();
    QVERIFY(log.names.isEmpty());
}

void TestHistory::undoOfDeleteRestoresOnTop()
{
    auto canvas = makeCanvas();
    drawLine(*canvas, QPoint(10, 10), QPoint(100, 10));
    drawLine(*canvas, QPoint(10, 50), QPoint(100, 50));
    drawLine(*canvas, QPoint(10, 90), QPoint(100, 90));
    const QStringList ids = idsOf(*canvas);
    QVERIFY(canvas->deleteElement(QPoint(50, 12), 10));
    QCOMPARE(idsOf(*canvas), QStringList({ids[1], ids[2]}));
    QCOMPARE(canvas->document().history().undoStack().last()->name(), QStringLiteral("delete"));
    QVERIFY(!canvas->canRedo());
    canvas->undo();
    QCOMPARE(idsOf(*canvas), QStringList({ids[1], ids[2], ids[0]}));
    canvas->redo();
    QCOMPARE(idsOf(*canvas), QStringList({ids[1], ids[2]}));
}

void TestHistory::missedClickChangesNothing()
{
    auto canvas = makeCanvas();
    drawLine(*canvas, QPoint(10, 10), QPoint(100, 10));
    canvas->undo();
    drawLine(*canvas, QPoint(10, 50), QPoint(100, 50));
    canvas->undo();
    const QStringList undoBefore = stackSummary(canvas->document().history().undoStack());
    const QStringList redoBefore = stackSummary(canvas->document().history().redoStack());
    SignalLog log(canvas.get());
    QVERIFY(!canvas->deleteElement(QPoint(300, 250), 10));
    QCOMPARE(stackSummary(canvas->document().history().undoStack()), undoBefore);
    QCOMPARE(stackSummary(canvas->document().history().redoStack()), redoBefore);
    QVERIFY(log.names.isEmpty());
}

void TestHistory::onlyTheTopmostHitIsDeleted()
{
    auto canvas = makeCanvas();
    drawLine(*canvas, QPoint(10, 10), QPoint(100, 10));
    drawLine(*canvas, QPoint(10, 12), QPoint(100, 12));
    const QStringList ids = idsOf(*canvas);
    QVERIFY(canvas->deleteElement(QPoint(50, 11), 10));
    QCOMPARE(idsOf(*canvas), QStringList({ids[0]}));
}

void TestHistory::drawingAfterUndoEmptiesRedo()
{
    auto canvas = makeCanvas();
    drawLine(*canvas, QPoint(10, 10), QPoint(100, 10));
    canvas->undo();
    QVERIFY(canvas->canRedo());
    canvas->setDrawMode(MyPainter::FreehandMode);
    stroke(*canvas, {QPoint(5, 5), QPoint(6, 9)});
    QVERIFY(!canvas->canRedo());
}

void TestHistory::deleteTrimsTheUndoStackToTwenty()
{
    auto canvas = makeCanvas();
    for (int i = 0; i < 25; ++i)
        drawLine(*canvas, QPoint(10, 10 + 10 * i), QPoint(100, 10 + 10 * i));
    QCOMPARE(canvas->document().history().undoStack().size(), 25); // additions never trim
    const QStringList ids = idsOf(*canvas);
    QVERIFY(canvas->deleteElement(QPoint(50, 10 + 10 * 24), 2));
    QCOMPARE(canvas->document().history().undoStack().size(), 20);
    // The six oldest entries went; the newest is the Delete.
    QCOMPARE(canvas->document().history().undoStack().first()->elementId(), ids[6]);
    QCOMPARE(canvas->document().history().undoStack().last()->name(), QStringLiteral("delete"));
    QCOMPARE(canvas->document().elements().size(), 24); // trimming never touches the canvas
    QVERIFY(canvas->document().elements().first()->id() == ids[0]);
}

void TestHistory::eraserRemovesEverythingTheMoveCrosses()
{
    auto canvas = makeCanvas();
    drawLine(*canvas, QPoint(50, 10), QPoint(50, 200));
    drawLine(*canvas, QPoint(100, 10), QPoint(100, 200));
    drawLine(*canvas, QPoint(150, 10), QPoint(150, 200));
    drawLine(*canvas, QPoint(300, 10), QPoint(300, 200));
    const QStringList ids = idsOf(*canvas);
    canvas->setIsEraserMode(true);
    QTest::ignoreMessage(QtDebugMsg, "开始新的擦除操作");
    stroke(*canvas, {QPoint(20, 100), QPoint(180, 100)});
    QCOMPARE(idsOf(*canvas), QStringList({ids[3]}));
    // The group lies below the Erase entries of its stroke, topmost element first.
    const auto &undo = canvas->document().history().undoStack();
    QCOMPARE(undo.size(), 4 + 1 + 3);
    QCOMPARE(undo[4]->name(), QStringLiteral("eraserGroup"));
    QVERIFY(undo[4]->elementId().startsWith("eraser_group_{"));
    QCOMPARE(undo[4]->elementId().size(), 13 + 38);
    QVERIFY(undo[4]->elements().isEmpty());
    QCOMPARE(stackSummary(undo.mid(5)),
             QStringList({"erase:" + ids[2], "erase:" + ids[1], "erase:" + ids[0]}));
    // Each undo restores one, the last erased first, on top.
    canvas->undo();
    QCOMPARE(idsOf(*canvas), QStringList({ids[3], ids[0]}));
}

void TestHistory::eraserSamplesEveryFivePixels_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("sampled");
    QTest::newRow("23 px: six points") << 23 << QList<int>{0, 4, 9, 13, 18, 23};
    QTest::newRow("2 px: both ends") << 2 << QList<int>{0, 2};
    QTest::newRow("10 px") << 10 << QList<int>{0, 5, 10};
}

void TestHistory::eraserSamplesEveryFivePixels()
{
    QFETCH(int, length);
    QFETCH(QList<int>, sampled);
    auto canvas = makeCanvas();
    // Width-0 dots at every pixel of the move; with pen size 0 a dot is hit only by a
    // sample on its own pixel.
    for (int x = 0; x <= length; ++x)
        canvas->document().addElement(dot(QPoint(100 + x, 100)));
    canvas->setPenSize(0);
    canvas->setIsEraserMode(true);
    stroke(*canvas, {QPoint(100, 100), QPoint(100 + length, 100)});
    QList<int> erased;
    for (int x = 0; x <= length; ++x) {
        const bool left = std::any_of(
            canvas->document().elements().cbegin(), canvas->document().elements().cend(),
            [&](const auto &e) {
                return std::static_pointer_cast<FreehandElement>(e)->points().first().x() ==
                       100 + x;
            });
        if (!left)
            erased << x;
    }
    QCOMPARE(erased, sampled);
}

void TestHistory::eraserReachIsTwicePenSizePlusElementWidth()
{
    auto canvas = makeCanvas();
    canvas->document().addElement(dot(QPoint(100, 100), 4)); // reached from 14 px
    canvas->document().addElement(dot(QPoint(200, 100), 4));
    canvas->setPenSize(5);
    canvas->setIsEraserMode(true);
    stroke(*canvas, {QPoint(86, 50), QPoint(86, 150)});
    stroke(*canvas, {QPoint(185, 50), QPoint(185, 150)});
    QCOMPARE(canvas->document().elements().size(), 1);
    QCOMPARE(
        std::static_pointer_cast<FreehandElement>(canvas->document().elements().first())->points(),
        QList<QPoint>{QPoint(200, 100)});
}

void TestHistory::eraserGroupsAcrossTwoStrokes()
{
    auto canvas = makeCanvas();
    drawLine(*canvas, QPoint(50, 10), QPoint(50, 100));   // A
    drawLine(*canvas, QPoint(100, 10), QPoint(100, 100)); // B
    drawLine(*canvas, QPoint(150, 10), QPoint(150, 100)); // C
    const QStringList ids = idsOf(*canvas);
    const QString a = ids[0], b = ids[1], c = ids[2];
    canvas->setIsEraserMode(true);
    stroke(*canvas, {QPoint(30, 50), QPoint(70, 50)});  // erases A
    stroke(*canvas, {QPoint(80, 50), QPoint(170, 50)}); // erases C then B
    QVERIFY(canvas->document().elements().isEmpty());
    const QString g1 = canvas->document().history().undoStack()[3]->elementId();
    const QString g2 = canvas->document().history().undoStack()[5]->elementId();
    QCOMPARE(stackSummary(canvas->document().history().undoStack().mid(3)),
             QStringList({"eraserGroup:" + g1, "erase:" + a, "eraserGroup:" + g2, "erase:" + c,
                          "erase:" + b}));

    canvas->undo(); // B back
    canvas->undo(); // C back
    QCOMPARE(idsOf(*canvas), QStringList({b, c}));
    // The group of the second stroke also restores the Erase entries right beneath it.
    canvas->undo();
    QCOMPARE(idsOf(*canvas), QStringList({b, c, a}));
    QCOMPARE(stackSummary(canvas->document().history().undoStack().mid(3)),
             QStringList({"eraserGroup:" + g1}));
    QCOMPARE(stackSummary(canvas->document().history().redoStack()),
             QStringList({"erase:" + b, "erase:" + c, "eraserGroup:" + g2, "erase:" + a}));

    canvas->redo(); // erases A again
    QCOMPARE(idsOf(*canvas), QStringList({b, c}));
    // The group on top of the redo stack erases all Erase entries beneath it at once.
    canvas->redo();
    QVERIFY(canvas->document().elements().isEmpty());
    QVERIFY(canvas->document().history().redoStack().isEmpty());
    QCOMPARE(stackSummary(canvas->document().history().undoStack().mid(3)),
             QStringList({"eraserGroup:" + g1, "erase:" + a, "eraserGroup:" + g2, "erase:" + c,
                          "erase:" + b}));
}

void TestHistory::reErasingAnUndoneEraseRecordsNothing()
{
    auto canvas = makeCanvas();
    drawLine(*canvas, QPoint(50, 10), QPoint(50, 100));
    canvas->setIsEraserMode(true);
    stroke(*canvas, {QPoint(30, 50), QPoint(70, 50)});
    canvas->undo(); // undo hot key in the middle of the stroke: the element is back
    QCOMPARE(canvas->document().elements().size(), 1);
    QCOMPARE(canvas->document().history().redoStack().last()->name(), QStringLiteral("erase"));
    const QStringList undoBefore = stackSummary(canvas->document().history().undoStack());
    QTest::ignoreMessage(QtDebugMsg, "元素已存在于撤销/重做栈中，跳过添加到撤销栈");
    canvas->movePaint(QPoint(30, 60), false); // the same stroke sweeps it again
    QVERIFY(canvas->document().elements().isEmpty());
    QCOMPARE(stackSummary(canvas->document().history().undoStack()), undoBefore);
}

void TestHistory::numberedCounterFollowsUndoAndRedo()
{
    auto canvas = makeCanvas();
    drawLine(*canvas, QPoint(10, 10), QPoint(100, 10));
    canvas->setDrawMode(MyPainter::NumberedCircleMode);
    canvas->beginPaint(QPoint(50, 50));
    canvas->beginPaint(QPoint(80, 50));
    QCOMPARE(canvas->document().circleCounter(), 2);
    canvas->undo();
    canvas->undo();
    canvas->undo(); // the line: the counter drops anyway
    QCOMPARE(canvas->document().circleCounter(), 0);
    canvas->redo();
    canvas->undo();
    canvas->undo(); // nothing left to undo
    QCOMPARE(canvas->document().circleCounter(), 0);
    canvas->redo();
    canvas->redo();
    QCOMPARE(canvas->document().circleCounter(), 2);
    canvas->setDrawMode(MyPainter::LineMode);
    canvas->undo();
    QCOMPARE(canvas->document().circleCounter(), 2);
}

void TestHistory::clearIsOneUndoableStep()
{
    auto canvas = makeCanvas();
    canvas->clear(); // an empty canvas records nothing
    QVERIFY(!canvas->canUndo());
    canvas->setDrawMode(MyPainter::NumberedCircleMode);
    canvas->beginPaint(QPoint(50, 50));
    canvas->beginPaint(QPoint(80, 50));
    canvas->undo();
    drawLine(*canvas, QPoint(10, 100), QPoint(100, 100));
    drawLine(*canvas, QPoint(10, 150), QPoint(100, 150));
    const QStringList before = idsOf(*canvas);
    const QImage drawn = shownImage(*canvas);
    SignalLog log(canvas.get());
    canvas->clear();
    QVERIFY(canvas->document().elements().isEmpty());
    QVERIFY(canvas->canUndo() && !canvas->canRedo());
    QCOMPARE(canvas->document().circleCounter(), 0);
    QCOMPARE(log.names, QStringList({"canUndo", "canRedo"}));
    QCOMPARE(qAlpha(shownImage(*canvas).pixel(50, 38)), 0);

    QTest::ignoreMessage(QtDebugMsg, "撤销清除操作，恢复元素数: 3");
    canvas->undo();
    QCOMPARE(idsOf(*canvas), before);
    QCOMPARE(shownImage(*canvas), drawn);
    QTest::ignoreMessage(QtDebugMsg, "重做清除操作，移除元素数: 3");
    canvas->redo();
    QVERIFY(canvas->document().elements().isEmpty());
    // A line drawn after the clear is undone first, then the clear.
    drawLine(*canvas, QPoint(10, 200), QPoint(100, 200));
    QVERIFY(!canvas->canRedo());
    canvas->undo();
    canvas->undo();
    QCOMPARE(idsOf(*canvas), before);
}

void TestHistory::elementsLiveAsLongAsReferenced()
{
    auto canvas = makeCanvas();
    drawLine(*canvas, QPoint(10, 10), QPoint(100, 10));
    std::weak_ptr<DrawingElement> undone = canvas->document().elements().first();
    canvas->undo();
    QVERIFY(!undone.expired()); // held by the redo entry
    drawLine(*canvas, QPoint(10, 50), QPoint(100, 50));
    QVERIFY(undone.expired()); // the redo stack was emptied

    std::weak_ptr<DrawingElement> onCanvas = canvas->document().elements().first();
    for (int i = 0; i < 30; ++i)
        drawLine(*canvas, QPoint(10, 100), QPoint(100, 100 + i));
    QVERIFY(canvas->deleteElement(QPoint(100, 129), 0)); // trims the Add of the first line
    QVERIFY(!onCanvas.expired());                        // still on the canvas

    std::weak_ptr<DrawingElement> erased = canvas->document().elements().first();
    canvas->setIsEraserMode(true);
    stroke(*canvas, {QPoint(50, 40), QPoint(50, 60)});
    QVERIFY(!erased.expired()); // held by its Erase entry
    canvas->clear();
    QVERIFY(!onCanvas.expired()); // held by the Clear entry
    canvas.reset();
    QVERIFY(erased.expired());
    QVERIFY(onCanvas.expired());
}

void TestHistory::logLinesOfUndoAndRedo()
{
    auto canvas = makeCanvas();
    drawLine(*canvas, QPoint(10, 10), QPoint(100, 10));
    const QString id = canvas->document().elements().first()->id();
    QTest::ignoreMessage(QtDebugMsg, "执行撤销操作");
    QTest::ignoreMessage(QtDebugMsg, qPrintable("撤销添加操作，移除元素 ID: \"" + id + "\""));
    canvas->undo();
    QTest::ignoreMessage(QtDebugMsg, "执行重做操作");
    QTest::ignoreMessage(QtDebugMsg, qPrintable("重做添加操作，添加元素 ID: \"" + id + "\""));
    canvas->redo();
    QVERIFY(canvas->deleteElement(QPoint(50, 10), 0));
    QTest::ignoreMessage(QtDebugMsg, qPrintable("撤销删除/擦除操作，恢复元素 ID: \"" + id + "\""));
    canvas->undo();
    QTest::ignoreMessage(QtDebugMsg, qPrintable("重做删除/擦除操作，移除元素 ID: \"" + id + "\""));
    canvas->redo();
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
