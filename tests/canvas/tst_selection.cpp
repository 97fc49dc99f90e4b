#include "drawingdocument.h"
#include "drawingfile.h"
#include "elements/circleelement.h"
#include "elements/freehandelement.h"
#include "elements/lineelement.h"
#include "elements/numberedcircleelement.h"
#include "elements/rectangleelement.h"
#include "elements/textelement.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

namespace {

// A drawing of one element of several kinds, far enough apart to pick each alone:
// a stroke, a line, a rectangle, a text and a numbered circle, bottom first.
void fill(DrawingDocument &doc)
{
    doc.addElement(std::make_shared<FreehandElement>(
        QList<QPoint>{QPoint(20, 20), QPoint(40, 30), QPoint(60, 25)}, Qt::red, 4, 1.0));
    doc.addElement(
        std::make_shared<LineElement>(QPoint(100, 20), QPoint(180, 60), Qt::blue, 3, 1.0));
    doc.addElement(
        std::make_shared<RectangleElement>(QPoint(20, 100), QPoint(90, 160), Qt::green, 2, 0.5));
    doc.addElement(std::make_shared<TextElement>(QPoint(120, 140), QStringLiteral("注释"), 20,
                                                 Qt::black, 5, 1.0));
    doc.addElement(
        std::make_shared<NumberedCircleElement>(QPoint(250, 200), 3, Qt::magenta, 2, 1.0));
}

// Everything a saved file keeps, in stacking order.
QByteArray saved(const DrawingDocument &doc)
{
    return DrawingFile::toJson(doc);
}

QStringList ids(const DrawingDocument &doc)
{
    QStringList out;
    for (const auto &e : doc.elements())
        out << e->id();
    return out;
}

using Edit = std::function<void(DrawingDocument &)>;

} // namespace

// Selecting, moving, restyling, deleting and duplicating on a drawing without a window.
class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }

    void selectByPointAndRectangle()
    {
        DrawingDocument doc;
        fill(doc);
        const QStringList all = ids(doc);
        QSignalSpy announced(&doc, &DrawingDocument::selectionChanged);
        doc.selectAt(QPoint(140, 40)); // on the line
        QCOMPARE(doc.selectedIds(), QStringList{all[1]});
        // The topmost of two: a copy of the line lies on it.
        doc.duplicateSelection();
        const QString copy = ids(doc).last();
        doc.selectAt(QPoint(140 + 12, 40 + 12));
        QCOMPARE(doc.selectedIds(), QStringList{copy});
        doc.selectAt(QPoint(300, 20)); // nothing there
        QVERIFY(doc.selectedIds().isEmpty());
        QVERIFY(doc.selectionBounds().isEmpty());
        QVERIFY(announced.size() >= 3);

        // Only what lies wholly inside, bottom first, whichever corner the drag began at.
        doc.selectIn(QRect(QPoint(200, 180), QPoint(0, 50)));
        QCOMPARE(doc.selectedIds(), QStringList({all[2], all[3]}));
        QCOMPARE(doc.selectionBounds(),
                 doc.elements()[2]->boundingRect() | doc.elements()[3]->boundingRect());
        doc.clearSelection();
        QVERIFY(doc.selectedIds().isEmpty());
    }

    void editsAreOneUndoableStep_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<int>("count"); // elements after the edit
        QTest::newRow("move") << Edit([](DrawingDocument &d) {
            d.beginMove();
            d.moveSelectionTo(QPoint(5, 3));
            d.moveSelectionTo(QPoint(30, -10));
            d.endMove();
        }) << 5;
        QTest::newRow("restyle colour and size")
            << Edit([](DrawingDocument &d) { d.restyleSelection(Qt::darkCyan, 9); }) << 5;
        QTest::newRow("restyle colour only") << Edit([](DrawingDocument &d) {
            d.restyleSelection(Qt::darkCyan, DrawingDocument::UnchangedSize);
        }) << 5;
        QTest::newRow("restyle size only")
            << Edit([](DrawingDocument &d) { d.restyleSelection(QColor(), 30); }) << 5;
        QTest::newRow("delete") << Edit([](DrawingDocument &d) { d.deleteSelection(); }) << 0;
        QTest::newRow("duplicate")
            << Edit([](DrawingDocument &d) { d.duplicateSelection(); }) << 10;
    }

    void editsAreOneUndoableStep()
    {
        QFETCH(Edit, edit);
        QFETCH(int, count);
        DrawingDocument doc;
        fill(doc);
        // Every kind at once: each means something else by size.
        doc.selectIn(QRect(0, 0, 400, 300));
        QCOMPARE(doc.selectedIds(), ids(doc));

        const QByteArray before = saved(doc);
        const QStringList idsBefore = ids(doc);
        const qsizetype steps = doc.history().undoStack().size();
        QSignalSpy changed(&doc, &DrawingDocument::changed);
        edit(doc);
        QVERIFY(!changed.isEmpty()); // autosave and the views follow
        const QByteArray after = saved(doc);
        const QStringList idsAfter = ids(doc);
        QVERIFY(after != before);
        QCOMPARE(idsAfter.size(), count);
        QCOMPARE(doc.history().undoStack().size(), steps + 1);
        QVERIFY(!doc.history().canRedo());
        for (const QString &id : doc.selectedIds())
            QVERIFY(idsAfter.contains(id));

        doc.undo();
        QCOMPARE(saved(doc), before);
        QCOMPARE(ids(doc), idsBefore);
        for (const QString &id : doc.selectedIds())
            QVERIFY(idsBefore.contains(id)); // copies undone leave the selection
        doc.redo();
        QCOMPARE(saved(doc), after);
        QCOMPARE(ids(doc), idsAfter);
    }

    void sizeMeansWhatEachKindSays()
    {
        DrawingDocument doc;
        fill(doc);
        doc.selectIn(QRect(0, 0, 400, 300));
        doc.restyleSelection(QColor(), 30);
        const auto &e = doc.elements();
        QCOMPARE(e[0]->penWidth(), 30);
        QCOMPARE(std::static_pointer_cast<TextElement>(e[3])->fontSize(), 30);
        QCOMPARE(std::static_pointer_cast<NumberedCircleElement>(e[4])->radius(), 30);
        QCOMPARE(e[4]->penWidth(), 2);
        QCOMPARE(e[2]->color(), QColor(Qt::green)); // an invalid colour keeps each one's
        // The toolbar's thickness is a pen width: texts and numbered circles keep their size.
        doc.restyleSelection(QColor(), 4, true);
        QCOMPARE(e[0]->penWidth(), 4);
        QCOMPARE(std::static_pointer_cast<TextElement>(e[3])->fontSize(), 30);
        QCOMPARE(std::static_pointer_cast<NumberedCircleElement>(e[4])->radius(), 30);
        // Kept to what a drawing file holds and what each kind can show.
        doc.restyleSelection(Qt::yellow, 1000000);
        QCOMPARE(e[1]->penWidth(), DrawingFile::MaxPenWidth);
        QCOMPARE(std::static_pointer_cast<TextElement>(e[3])->fontSize(), DrawingFile::MaxFontSize);
        QCOMPARE(std::static_pointer_cast<NumberedCircleElement>(e[4])->radius(),
                 NumberedCircleElement::MaxRadius);
        QCOMPARE(e[1]->color(), QColor(Qt::yellow));
        // Nothing that changes nothing is recorded.
        const qsizetype steps = doc.history().undoStack().size();
        doc.restyleSelection(Qt::yellow, 1000000);
        doc.restyleSelection(QColor(), DrawingDocument::UnchangedSize);
        QCOMPARE(doc.history().undoStack().size(), steps);
    }

    // A drawing grown past what a file holds would be saved (and autosaved) but never open.
    void editsThatWouldNotOpenAgainAreRefused()
    {
        DrawingDocument doc;
        // Texts of 600 points wider than the desktop: 20 of them take 0.39 of the ink a
        // file holds; at 1000 points, or twice as many, more than all of it.
        for (int i = 0; i < 20; ++i) {
            doc.addElement(std::make_shared<TextElement>(QPoint(0, 10 * i), QString(60, 'W'), 600,
                                                         Qt::black, 1, 1.0));
        }
        doc.selectIn(QRect(-100000, -100000, 200000, 200000));
        QCOMPARE(doc.selectedIds().size(), 20);
        const QByteArray before = saved(doc);
        const qsizetype steps = doc.history().undoStack().size();
        QTest::ignoreMessage(QtWarningMsg, "样式未修改：绘图将超出绘图文件的上限");
        doc.restyleSelection(Qt::red, 1000);
        QTest::ignoreMessage(QtWarningMsg, "未复制：绘图将超出绘图文件的上限");
        doc.duplicateSelection();
        QCOMPARE(saved(doc), before);
        QCOMPARE(doc.history().undoStack().size(), steps);
        QString error;
        QVERIFY2(DrawingFile::fromJson(before, &error), qPrintable(error));
        // Within the limit the same edits go through.
        doc.restyleSelection(Qt::red, 700);
        QCOMPARE(doc.history().undoStack().size(), steps + 1);
    }

    void movesFollowThePointerAndStayInTheFile()
    {
        DrawingDocument doc;
        fill(doc);
        const auto line = doc.elements()[1];
        doc.selectAt(QPoint(140, 40));
        const QRect start = doc.selectionBounds();
        QSignalSpy changed(&doc, &DrawingDocument::changed);
        doc.beginMove();
        doc.moveSelectionTo(QPoint(50, 50));
        QCOMPARE(changed.size(), 1);
        // The old place and the new are painted again.
        QVERIFY(changed.last().at(0).toRect().contains(start | start.translated(50, 50)));
        QCOMPARE(doc.selectionBounds(), start.translated(50, 50));
        doc.moveSelectionTo(QPoint(0, 0));
        doc.endMove(); // back where it was: nothing recorded
        QCOMPARE(doc.history().undoStack().size(), 5);

        // Far off: kept within the coordinates a file holds.
        doc.beginMove();
        doc.moveSelectionTo(QPoint(5000000, -5000000));
        doc.endMove();
        QVERIFY(doc.selectionBounds().right() <= DrawingFile::MaxCoordinate);
        QVERIFY(doc.selectionBounds().top() >= -DrawingFile::MaxCoordinate);
        QString error;
        QVERIFY2(DrawingFile::fromJson(saved(doc), &error), qPrintable(error));

        // An undo in the middle of a drag ends the move first and takes it back.
        doc.undo();
        doc.beginMove();
        doc.moveSelectionTo(QPoint(10, 0));
        doc.undo();
        QCOMPARE(doc.selectionBounds(), start);
        doc.moveSelectionTo(QPoint(20, 0)); // the drag goes on, but moves nothing now
        doc.endMove();
        QCOMPARE(doc.selectionBounds(), start);
        QCOMPARE(std::static_pointer_cast<LineElement>(line)->start(), QPoint(100, 20));
    }

    void selectionFollowsUndoAndTheEraser()
    {
        DrawingDocument doc;
        fill(doc);
        doc.selectIn(QRect(0, 0, 400, 300));
        doc.duplicateSelection();
        QCOMPARE(doc.selectedIds(), ids(doc).mid(5));
        QSignalSpy announced(&doc, &DrawingDocument::selectionChanged);
        doc.undo(); // the copies go, and with them the selection
        QVERIFY(doc.selectedIds().isEmpty());
        QCOMPARE(announced.size(), 1);

        doc.selectAt(QPoint(140, 40));
        doc.setEraserMode(true);
        doc.beginPaint(QPoint(130, 10));
        doc.movePaint(QPoint(140, 60), false);
        doc.endPaint(QPoint(140, 60), false);
        QVERIFY(doc.selectedIds().isEmpty());
    }

    void movedAndRestyledDrawingOpensTheSame()
    {
        DrawingDocument doc;
        fill(doc);
        // An unchanged numbered circle is written as before.
        QVERIFY(!saved(doc).contains("\"radius\""));
        doc.selectIn(QRect(0, 0, 400, 300));
        doc.beginMove();
        doc.moveSelectionTo(QPoint(-7, 33));
        doc.endMove();
        doc.restyleSelection(QColor(10, 200, 30), 16);
        doc.selectIn(QRect(0, 100, 100, 100));
        doc.duplicateSelection();
        const QByteArray written = saved(doc);
        QCOMPARE(QJsonDocument::fromJson(written).object().value("version").toInt(),
                 DrawingFile::PlainVersion);

        QString error;
        const auto loaded = DrawingFile::fromJson(written, &error);
        QVERIFY2(loaded, qPrintable(error));
        DrawingDocument reopened;
        reopened.replaceAll(loaded->elements, loaded->circleCounter);
        QCOMPARE(saved(reopened), written);
        const auto circle =
            std::static_pointer_cast<NumberedCircleElement>(reopened.elements().at(4));
        QCOMPARE(circle->radius(), 16);
        QCOMPARE(circle->center(), QPoint(243, 233));
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
