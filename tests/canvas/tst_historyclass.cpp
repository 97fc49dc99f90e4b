#include "elements/lineelement.h"
#include "history.h"

#include <QLoggingCategory>
#include <QtTest>

namespace {

std::shared_ptr<DrawingElement> line(int y)
{
    return std::make_shared<LineElement>(QPoint(10, y), QPoint(200, y), Qt::red, 4, 1.0);
}

} // namespace

// The history on its own, on an element list of its caller.
class TestHistoryClass : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }

    void undoAndRedoReportWhatTheyChanged()
    {
        History history;
        History::ElementList elements{line(20), line(80)};
        for (const auto &e : elements)
            history.recordAdd(e);
        const auto top = elements.last();

        const auto undone = history.undo(elements);
        QVERIFY(undone);
        QCOMPARE(undone->region, top->boundingRect());
        QCOMPARE(elements.size(), 1);
        const auto redone = history.redo(elements);
        QVERIFY(redone);
        QCOMPARE(redone->region, top->boundingRect());
        QCOMPARE(elements.last(), top);
        QVERIFY(!history.redo(elements)); // nothing left to redo

        // An entry whose element is gone from the list is dropped and changes nothing.
        elements.removeLast();
        const auto dropped = history.undo(elements);
        QVERIFY(dropped && dropped->region.isEmpty());
        QVERIFY(!history.canRedo());
    }

    void eraseIsRecordedOnce()
    {
        History history;
        History::ElementList elements{line(20), line(50)};
        const auto a = elements.at(0), b = elements.at(1);
        history.beginEraserGroup();
        elements.clear();
        QVERIFY(history.recordErase(a));
        QVERIFY(history.recordErase(b));
        QVERIFY(!history.recordErase(a)); // already held as erased on the undo stack
        QCOMPARE(history.undoStack().size(), 3);

        // Each undo brings one back, the newest erase first.
        QVERIFY(history.undo(elements));
        const auto restored = history.undo(elements);
        QVERIFY(restored);
        QCOMPARE(elements, History::ElementList({b, a}));
        QCOMPARE(restored->region, a->boundingRect());
        QVERIFY(!history.recordErase(a)); // held by the redo stack now

        history.recordDelete(b);
        history.clearRedo();
        QVERIFY(history.recordErase(a));
    }

    void redoOfTheGroupErasesItsStrokeAgain()
    {
        History history;
        History::ElementList elements{line(20), line(50), line(80)};
        const History::ElementList all = elements;
        history.beginEraserGroup();
        for (const auto &e : all) {
            elements.removeOne(e);
            history.recordErase(e);
        }
        while (history.canUndo())
            history.undo(elements);
        QCOMPARE(elements.size(), 3);
        const auto region = history.redo(elements);
        QVERIFY(region);
        QVERIFY(elements.isEmpty());
        QCOMPARE(region->region,
                 all.at(0)->boundingRect() | all.at(1)->boundingRect() | all.at(2)->boundingRect());
        QCOMPARE(history.undoStack().first()->name(), QStringLiteral("eraserGroup"));
    }
};

QTEST_MAIN(TestHistoryClass)
#include "tst_historyclass.moc"
