#include "canvastesthelpers.h"
#include "referencepicture.h"

#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

// A long seeded random session on one canvas, checked after every step.
class TestCanvasModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }
    void randomSession_data();
    void randomSession();
};

void TestCanvasModel::randomSession_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    QTest::newRow("seed 1") << 1u << 2500;
    QTest::newRow("seed 20240607") << 20240607u << 2500;
    QTest::newRow("seed 77") << 77u << 2500;
}

void TestCanvasModel::randomSession()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);
    QRandomGenerator rng(seed);
    auto canvas = makeCanvas(320, 240);
    const ReferencePicture reference(*canvas);

    // What a QML binding would believe, learned only from the notify signals.
    bool announcedUndo = false;
    bool announcedRedo = false;
    connect(canvas.get(), &MyPainter::canUndoChanged, this,
            [&] { announcedUndo = canvas->canUndo(); });
    connect(canvas.get(), &MyPainter::canRedoChanged, this,
            [&] { announcedRedo = canvas->canRedo(); });

    const auto point = [&] { return QPoint(rng.bounded(-20, 340), rng.bounded(-20, 260)); };
    QString lastStep;
    for (int step = 0; step < steps; ++step) {
        const int op = rng.bounded(100);
        if (op < 30) {
            lastStep = QStringLiteral("gesture");
            if (rng.bounded(5) == 0)
                canvas->setIsEraserMode(!canvas->isEraserMode());
            else if (rng.bounded(4) == 0)
                canvas->setDrawMode(rng.bounded(7));
            canvas->beginPaint(point());
        } else if (op < 55) {
            lastStep = QStringLiteral("move");
            canvas->movePaint(point(), rng.bounded(2) == 0);
        } else if (op < 60) {
            lastStep = QStringLiteral("end");
            canvas->endPaint(point(), rng.bounded(2) == 0);
        } else if (op < 68) {
            lastStep = QStringLiteral("undo");
            canvas->undo();
        } else if (op < 74) {
            lastStep = QStringLiteral("redo");
            canvas->redo();
        } else if (op < 79) {
            lastStep = QStringLiteral("delete");
            const bool removed = canvas->deleteElement(point(), 10);
            if (removed)
                QVERIFY(canvas->document().history().undoStack().size() <= 20);
        } else if (op < 80) {
            lastStep = QStringLiteral("clear");
            canvas->clear();
        } else if (op < 83) {
            lastStep = QStringLiteral("fade");
            canvas->undoGradient();
        } else if (op < 91) {
            lastStep = QStringLiteral("fade tick");
            const QList<FadeOutJob *> jobs = canvas->document().fadeOutJobs();
            for (FadeOutJob *job : jobs) {
                const bool last = job->counter() == FadeOutJob::Steps - 1;
                const qsizetype count = canvas->document().elements().size();
                job->tick();
                if (last && count > 0)
                    QVERIFY(canvas->document().history().undoStack().size() <= 20);
            }
        } else if (op < 93) {
            lastStep = QStringLiteral("breath");
            const int choices[] = {0, 3000, 2000, 50, -1};
            canvas->repeatDraw(choices[rng.bounded(5)]);
        } else if (op < 98) {
            lastStep = QStringLiteral("breath tick");
            if (BreathingJob *job = canvas->document().breathingJob())
                job->tick();
        } else {
            lastStep = QStringLiteral("pen");
            canvas->setPenOpacity(rng.bounded(130) / 100.0 - 0.1);
            canvas->setPenSize(rng.bounded(1, 30));
            canvas->setTextToDraw(rng.bounded(3) ? QStringLiteral("注释 %1").arg(step) : QString());
            canvas->addText(point());
        }

        const QString where = QStringLiteral("step %1 (%2)").arg(step).arg(lastStep);
        QSet<QString> seen;
        for (const auto &element : canvas->document().elements()) {
            QVERIFY2(element, qPrintable(where));
            QVERIFY2(!seen.contains(element->id()), qPrintable(where + " duplicate element"));
            seen.insert(element->id());
            QVERIFY2(element->opacity() >= 0.0 && element->opacity() <= 1.0, qPrintable(where));
        }
        QCOMPARE(canvas->canUndo(), !canvas->document().history().undoStack().isEmpty());
        QCOMPARE(canvas->canRedo(), !canvas->document().history().redoStack().isEmpty());
        QVERIFY2(announcedUndo == canvas->canUndo(), qPrintable(where + " canUndo not announced"));
        QVERIFY2(announcedRedo == canvas->canRedo(), qPrintable(where + " canRedo not announced"));
        for (const History::Stack *stack : {&canvas->document().history().undoStack(),
                                            &canvas->document().history().redoStack()}) {
            for (const auto &a : *stack) {
                const History::ElementList held = a->elements();
                if (a->name() == QLatin1String("eraserGroup")) {
                    QVERIFY2(held.isEmpty() && a->elementId().startsWith("eraser_group_"),
                             qPrintable(where));
                } else if (a->name() == QLatin1String("clear")) {
                    QVERIFY2(a->elementId().isEmpty() && !held.isEmpty(), qPrintable(where));
                } else {
                    QVERIFY2(held.size() == 1 && held.first()->id() == a->elementId(),
                             qPrintable(where));
                }
            }
        }
        QVERIFY2(canvas->document().circleCounter() >= 0, qPrintable(where));
        if (step % 100 == 99)
            QVERIFY2(reference.image() == renderReference(canvas->document(), QSize(320, 240)),
                     qPrintable(where + " stale image"));
        if (canvas->document().elements().size() > 120)
            canvas->clear();
    }
}

QTEST_MAIN(TestCanvasModel)
#include "tst_canvasmodel.moc"
