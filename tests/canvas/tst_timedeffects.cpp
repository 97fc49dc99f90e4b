#include "canvastesthelpers.h"
#include "elements/lineelement.h"
#include "elements/textelement.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

std::shared_ptr<LineElement> line(int y, double opacity = 1.0)
{
    return std::make_shared<LineElement>(QPoint(10, y), QPoint(200, y), Qt::red, 6, opacity);
}

void tickAll(MyPainter &canvas, int times = 1)
{
    for (int i = 0; i < times; ++i) {
        for (FadeOutJob *job : canvas.document().fadeOutJobs())
            job->tick();
    }
}

} // namespace

// The fade-out of the oldest element and the breathing of the newest.
class TestTimedEffects : public QObject
{
    Q_OBJECT

private slots:
    void fadeOutStepsAndRemoval();
    void fadeOutWithoutHistoryOnlyLogs();
    void fadeOutOnEmptyCanvasStopsAfterItsFirstLine();
    void overlappingFadeJobsMoveOnToTheNextElement();
    void removedWhileFadingComesBackAtItsOpacity_data();
    void removedWhileFadingComesBackAtItsOpacity();
    void fadingTextStaysVisible();
    void fadeOutRunsOnItsTimer();
    void breathingPeriods_data();
    void breathingPeriods();
    void breathingPulseShape_data();
    void breathingPulseShape();
    void breathingFollowsNewElements();
    void breathingGivesOpacityBackToTheElementItChanged();
    void breathingStops();
    void singleElementGuard();
    void negativeTimeKeepsARunningJob();
    void breathingRunsOnItsTimer();
};

void TestTimedEffects::fadeOutStepsAndRemoval()
{
    auto canvas = makeCanvas();
    canvas->document().addElement(line(20));
    canvas->document().addElement(line(60));
    canvas->document().addElement(line(100));
    const auto bottom = canvas->document().elements().first();
    canvas->undo(); // leaves a redo entry that the fade must not touch
    QTest::ignoreMessage(QtDebugMsg, "执行渐变撤销操作, 固定渐变时间 = 1000 ms");
    QTest::ignoreMessage(QtDebugMsg, "开始渐变消失，总步数: 20 原始透明度: 1");
    canvas->undoGradient();
    QCOMPARE(canvas->document().fadeOutJobs().size(), 1);
    QCOMPARE(canvas->document().fadeOutJobs().first()->timer()->interval(), 50);
    for (int k = 1; k <= 19; ++k) {
        tickAll(*canvas);
        QVERIFY2(qAbs(bottom->opacity() - (1.0 - 0.05 * k)) < 1e-9, qPrintable(QString::number(k)));
    }
    QCOMPARE(canvas->document().elements().first(), bottom);
    SignalLog log(canvas.get());
    QTest::ignoreMessage(QtDebugMsg, "渐变消失完成，移除元素");
    tickAll(*canvas);
    QCOMPARE(canvas->document().elements().size(), 1);
    QVERIFY(canvas->document().fadeOutJobs().isEmpty());
    QCOMPARE(canvas->document().history().undoStack().last()->name(), QStringLiteral("fade"));
    QCOMPARE(canvas->document().history().undoStack().last()->elements(),
             History::ElementList{bottom});
    QCOMPARE(canvas->document().history().redoStack().size(), 1);
    QCOMPARE(log.names, QStringList({"canUndo", "canRedo"}));
    canvas->undo();
    QCOMPARE(canvas->document().elements().last(), bottom);
    QCOMPARE(bottom->opacity(), 1.0); // as before the fade, not the last step's 0.01
}

void TestTimedEffects::fadeOutWithoutHistoryOnlyLogs()
{
    // A delete trims the Adds of the two oldest lines away; undoing everything else
    // leaves them on the canvas with nothing to undo.
    auto canvas = makeCanvas();
    for (int i = 0; i < 21; ++i)
        canvas->document().addElement(line(10 + 10 * i));
    QVERIFY(canvas->deleteElement(QPoint(50, 210), 0));
    for (int i = 0; i < 20; ++i)
        canvas->undo();
    QVERIFY(!canvas->canUndo());
    QCOMPARE(canvas->document().elements().size(), 2);
    QTest::ignoreMessage(QtDebugMsg, "没有可撤销的操作");
    canvas->undoGradient();
    QVERIFY(canvas->document().fadeOutJobs().isEmpty());
}

void TestTimedEffects::fadeOutOnEmptyCanvasStopsAfterItsFirstLine()
{
    auto canvas = makeCanvas();
    canvas->document().addElement(line(20));
    QVERIFY(canvas->deleteElement(QPoint(50, 20), 0));
    QTest::ignoreMessage(QtDebugMsg, "执行渐变撤销操作, 固定渐变时间 = 1000 ms");
    canvas->undoGradient();
    QVERIFY(canvas->document().fadeOutJobs().isEmpty());
}

void TestTimedEffects::overlappingFadeJobsMoveOnToTheNextElement()
{
    auto canvas = makeCanvas();
    canvas->document().addElement(line(20));
    canvas->document().addElement(line(60));
    const auto a = canvas->document().elements().at(0);
    const auto b = canvas->document().elements().at(1);
    canvas->undoGradient();
    tickAll(*canvas, 10); // 500 ms later the second call
    canvas->undoGradient();
    QCOMPARE(canvas->document().fadeOutJobs().at(1)->startOpacity(), 0.5);
    tickAll(*canvas, 10); // the first job's 20th tick removes A
    QCOMPARE(canvas->document().elements(), QList<std::shared_ptr<DrawingElement>>({b}));
    QCOMPARE(canvas->document().fadeOutJobs().size(), 1);
    tickAll(*canvas); // the second job goes on with B at its 11th tick
    QVERIFY(qAbs(b->opacity() - 0.45 * 0.5) < 1e-9);
    tickAll(*canvas, 9);
    QVERIFY(canvas->document().elements().isEmpty());
    QVERIFY(canvas->document().fadeOutJobs().isEmpty());
    Q_UNUSED(a)
}

void TestTimedEffects::removedWhileFadingComesBackAtItsOpacity_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("fade ends") << "fade";
    QTest::newRow("right click") << "delete";
    QTest::newRow("eraser") << "erase";
    QTest::newRow("clear") << "clear";
}

void TestTimedEffects::removedWhileFadingComesBackAtItsOpacity()
{
    QFETCH(QString, how);
    auto canvas = makeCanvas();
    canvas->document().addElement(line(20, 0.8));
    canvas->document().addElement(line(100));
    const auto fading = canvas->document().elements().first();
    canvas->undoGradient();
    tickAll(*canvas, 5);
    QVERIFY(qAbs(fading->opacity() - 0.6) < 1e-9);
    if (how == "fade") {
        tickAll(*canvas, 15);
    } else if (how == "delete") {
        QVERIFY(canvas->deleteElement(QPoint(50, 20), 0));
    } else if (how == "erase") {
        canvas->setIsEraserMode(true);
        stroke(*canvas, {QPoint(50, 10), QPoint(50, 30)});
    } else {
        canvas->clear();
    }
    QVERIFY(!canvas->document().elements().contains(fading));
    QCOMPARE(fading->opacity(), 0.8);
    canvas->undo();
    QVERIFY(canvas->document().elements().contains(fading));
    QCOMPARE(fading->opacity(), 0.8);
}

void TestTimedEffects::fadingTextStaysVisible()
{
    auto canvas = makeCanvas();
    canvas->document().addElement(std::make_shared<TextElement>(
        QPoint(20, 100), QStringLiteral("WWWW"), 30, QColor(Qt::black), 5, 1.0));
    canvas->undoGradient();
    tickAll(*canvas, 15);
    QVERIFY(canvas->document().elements().first()->opacity() < 0.3);
    const QImage shown = shownImage(*canvas);
    int maxAlpha = 0;
    for (int y = 60; y < 110; ++y)
        for (int x = 20; x < 200; ++x)
            maxAlpha = std::max(maxAlpha, qAlpha(shown.pixel(x, y)));
    QCOMPARE(maxAlpha, 255);
}

void TestTimedEffects::fadeOutRunsOnItsTimer()
{
    auto canvas = makeCanvas();
    canvas->document().setManualTiming(false);
    canvas->document().addElement(line(20));
    QElapsedTimer clock;
    clock.start();
    canvas->undoGradient();
    QVERIFY(canvas->document().fadeOutJobs().first()->timer()->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(canvas->document().elements().isEmpty(), 5000);
    QVERIFY(clock.elapsed() >= 900);
}

void TestTimedEffects::breathingPeriods_data()
{
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("steps");
    QTest::newRow("default") << 3000 << 3000 << 75;
    QTest::newRow("50 means the default") << 50 << 3000 << 75;
    QTest::newRow("100 means the default") << 100 << 3000 << 75;
    QTest::newRow("negative means the default") << -5 << 3000 << 75;
    QTest::newRow("2000") << 2000 << 2000 << 50;
    QTest::newRow("101") << 101 << 101 << 2;
}

void TestTimedEffects::breathingPeriods()
{
    QFETCH(int, time);
    QFETCH(int, period);
    QFETCH(int, steps);
    auto canvas = makeCanvas();
    canvas->document().addElement(line(20));
    canvas->document().addElement(line(60));
    QTest::ignoreMessage(
        QtDebugMsg,
        qPrintable(QStringLiteral("启动呼吸效果，周期: %1 ms, 目标元素索引: 1").arg(period)));
    canvas->repeatDraw(time);
    QVERIFY(canvas->document().breathingJob());
    QCOMPARE(canvas->document().breathingJob()->period(), period);
    QCOMPARE(canvas->document().breathingJob()->steps(), steps);
    QCOMPARE(canvas->document().breathingJob()->timer()->interval(), 40);
    QCOMPARE(breathTargetIndex(*canvas), 1);
    QVERIFY(!canvas->isBreath()); // left to the first tick
}

void TestTimedEffects::breathingPulseShape_data()
{
    QTest::addColumn<double>("opacity");
    QTest::addColumn<double>("maximum");
    QTest::newRow("opaque") << 1.0 << 1.0;
    QTest::newRow("0.8 keeps its own maximum") << 0.8 << 0.8;
    QTest::newRow("0.4 pulses up to 1") << 0.4 << 1.0;
}

void TestTimedEffects::breathingPulseShape()
{
    QFETCH(double, opacity);
    QFETCH(double, maximum);
    auto canvas = makeCanvas();
    canvas->document().addElement(line(20));
    canvas->document().addElement(line(60, opacity));
    const auto target = canvas->document().elements().last();
    canvas->repeatDraw(2000); // 50 ticks per cycle
    SignalLog log(canvas.get());
    QList<double> values;
    for (int k = 1; k <= 100; ++k) {
        canvas->document().breathingJob()->tick();
        values << target->opacity();
    }
    QVERIFY(canvas->isBreath());
    QCOMPARE(log.names.count("isBreath"), 100); // emitted at every tick
    // Just below the maximum at first, the minimum half way, the maximum after a cycle.
    QVERIFY(values.first() < maximum && values.first() > maximum - 0.01);
    QVERIFY(qAbs(values.at(24) - 0.05) < 1e-9);
    QVERIFY(qAbs(values.at(49) - maximum) < 1e-9);
    QVERIFY(qAbs(values.at(99) - maximum) < 1e-9);
    for (int i = 1; i < 25; ++i)
        QVERIFY(values.at(i) < values.at(i - 1)); // falling in the first half
    for (int i = 25; i < 50; ++i)
        QVERIFY(values.at(i) > values.at(i - 1)); // rising in the second
    QCOMPARE(canvas->document().elements().first()->opacity(), 1.0);
}

void TestTimedEffects::breathingFollowsNewElements()
{
    auto canvas = makeCanvas();
    canvas->document().addElement(line(20));
    canvas->document().addElement(line(60, 0.7));
    const auto first = canvas->document().elements().last();
    canvas->repeatDraw(3000);
    for (int i = 0; i < 10; ++i)
        canvas->document().breathingJob()->tick();
    QVERIFY(first->opacity() < 0.7);
    canvas->setPenOpacity(0.9);
    canvas->setDrawMode(MyPainter::LineMode);
    stroke(*canvas, {QPoint(10, 100), QPoint(200, 100)});
    const auto newest = canvas->document().elements().last();
    QTest::ignoreMessage(QtDebugMsg,
                         "检测到新元素，更新呼吸目标索引: 2 ，恢复前一个元素透明度: 0.9");
    canvas->document().breathingJob()->tick();
    QCOMPARE(first->opacity(), 0.7);
    QCOMPARE(breathTargetIndex(*canvas), 2);
    QCOMPARE(canvas->document().breathingJob()->savedOpacity(), 0.9);
    // The counter started again; the maximum stays that of the job's start (0.7).
    QCOMPARE(canvas->document().breathingJob()->counter(), 1);
    QVERIFY(newest->opacity() < 0.7 && newest->opacity() > 0.69);
}

void TestTimedEffects::breathingGivesOpacityBackToTheElementItChanged()
{
    // The bottom element fades away while the top one breathes: the list shifts under the
    // pulse, and the pulsing element still ends with its own opacity.
    auto canvas = makeCanvas();
    canvas->document().addElement(line(20));
    canvas->document().addElement(line(60));
    canvas->document().addElement(line(100, 0.8));
    const auto top = canvas->document().elements().last();
    canvas->repeatDraw(3000);
    canvas->undoGradient();
    for (int i = 0; i < 20; ++i) {
        canvas->document().breathingJob()->tick();
        tickAll(*canvas);
    }
    QCOMPARE(canvas->document().elements().size(), 2);
    canvas->document().breathingJob()->tick(); // sees the new count
    QCOMPARE(canvas->document().breathingJob()->savedOpacity(), 0.8);
    for (int i = 0; i < 5; ++i)
        canvas->document().breathingJob()->tick();
    QVERIFY(top->opacity() < 0.8);
    canvas->repeatDraw(0);
    QCOMPARE(top->opacity(), 0.8);
    QCOMPARE(canvas->document().elements().first()->opacity(), 1.0);
}

void TestTimedEffects::breathingStops()
{
    auto canvas = makeCanvas();
    canvas->document().addElement(line(20));
    canvas->document().addElement(line(60));
    canvas->repeatDraw(3000);
    canvas->document().breathingJob()->tick();
    QVERIFY(canvas->isBreath());
    SignalLog log(canvas.get());
    canvas->repeatDraw(0);
    QVERIFY(!canvas->document().breathingJob());
    QVERIFY(!canvas->isBreath());
    QCOMPARE(log.names, QStringList({"isBreath"}));
    QCOMPARE(breathTargetIndex(*canvas), -1);
    QCOMPARE(breathLastCount(*canvas), 0);

    // On an empty canvas any time stops it too.
    canvas->repeatDraw(3000);
    canvas->document().breathingJob()->tick();
    canvas->clear();
    canvas->repeatDraw(3000);
    QVERIFY(!canvas->document().breathingJob());
    QVERIFY(!canvas->isBreath());
}

void TestTimedEffects::singleElementGuard()
{
    auto canvas = makeCanvas();
    canvas->document().addElement(line(20));
    SignalLog log(canvas.get());
    QTest::ignoreMessage(QtDebugMsg, "检测到undoGradient可能在同一元素上运行，不启动呼吸效果");
    canvas->repeatDraw(3000);
    QVERIFY(!canvas->document().breathingJob());
    QVERIFY(!canvas->isBreath());
    QCOMPARE(log.names, QStringList({"isBreath"}));

    // A running job stops at the tick that finds only one element left.
    canvas->document().addElement(line(60, 0.6));
    canvas->repeatDraw(3000);
    canvas->document().breathingJob()->tick();
    canvas->undo();
    canvas->undoGradient(); // something to undo again... the Add of the first line
    QVERIFY(canvas->canUndo());
    canvas->document().breathingJob()->tick();
    QVERIFY(!canvas->document().breathingJob());
    QVERIFY(!canvas->isBreath());
}

void TestTimedEffects::negativeTimeKeepsARunningJob()
{
    auto canvas = makeCanvas();
    canvas->document().addElement(line(20));
    canvas->document().addElement(line(60));
    canvas->repeatDraw(2000);
    BreathingJob *job = canvas->document().breathingJob();
    canvas->repeatDraw(-1);
    QCOMPARE(canvas->document().breathingJob(), job);
    // A positive time restarts it on the newest element with the new period.
    canvas->repeatDraw(1000);
    QVERIFY(canvas->document().breathingJob() != job);
    QCOMPARE(canvas->document().breathingJob()->period(), 1000);
}

void TestTimedEffects::breathingRunsOnItsTimer()
{
    auto canvas = makeCanvas();
    canvas->document().setManualTiming(false);
    canvas->document().addElement(line(20));
    canvas->document().addElement(line(60));
    canvas->repeatDraw(3000);
    QVERIFY(canvas->document().breathingJob()->timer()->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(canvas->isBreath(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(canvas->document().elements().last()->opacity() < 0.99, 2000);
    canvas->repeatDraw(0);
}

QTEST_MAIN(TestTimedEffects)
#include "tst_timedeffects.moc"
