// The autosave of the drawing: written after a quiet period, never in the middle of a
// gesture, atomically, and brought back as one undoable step.
#include "autosave.h"
#include "canvastesthelpers.h"
#include "drawingfile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestAutoSave : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writesOnceAfterABurstOfChanges();
    void waitsForTheGestureToEnd();
    void offersOnlyADrawingWithElements_data();
    void offersOnlyADrawingWithElements();
    void restoreIsOneUndoableStep();
    void offersWhatWasThereBeforeNewStrokes();
    void quitWritesWhatIsPending();
    void unwritableFolderIsReported();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("data/autosave.qmark")); }
    std::unique_ptr<AutoSave> makeSaver(MyPainter &canvas, int delay = 30);

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

void drawLine(MyPainter &canvas, QPoint from, QPoint to)
{
    canvas.setDrawMode(MyPainter::LineMode);
    canvas.beginPaint(from);
    canvas.movePaint(to, false);
    canvas.endPaint(to, false);
}

QByteArray fileData(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestAutoSave::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

std::unique_ptr<AutoSave> TestAutoSave::makeSaver(MyPainter &canvas, int delay)
{
    auto saver = std::make_unique<AutoSave>();
    saver->setPath(path());
    saver->setDelay(delay);
    saver->setPainter(&canvas);
    return saver;
}

void TestAutoSave::writesOnceAfterABurstOfChanges()
{
    auto canvas = makeCanvas();
    auto saver = makeSaver(*canvas, 100);
    QSignalSpy saved(saver.get(), &AutoSave::saved);
    for (int i = 0; i < 5; ++i)
        drawLine(*canvas, QPoint(10, 10 + 20 * i), QPoint(200, 10 + 20 * i));
    QVERIFY(!QFile::exists(path()));
    QVERIFY(saved.wait(5000));
    QTest::qWait(300);
    QCOMPARE(saved.size(), 1);
    QCOMPARE(fileData(path()), DrawingFile::toJson(canvas->document()));
}

void TestAutoSave::waitsForTheGestureToEnd()
{
    auto canvas = makeCanvas();
    auto saver = makeSaver(*canvas);
    QSignalSpy taken(saver.get(), &AutoSave::snapshotTaken);
    canvas->beginPaint(QPoint(10, 10));
    canvas->movePaint(QPoint(50, 50), false);
    // Held far longer than the quiet period: no snapshot of a half-drawn stroke.
    QTest::qWait(400);
    QCOMPARE(taken.size(), 0);
    canvas->endPaint(QPoint(60, 60), false);
    QVERIFY(taken.wait(5000));
    QCOMPARE(taken.size(), 1);
    QCOMPARE(DrawingFile::fromJson(taken.first().first().toByteArray(), nullptr)->elements.size(),
             1);
}

void TestAutoSave::offersOnlyADrawingWithElements_data()
{
    QTest::addColumn<bool>("clearAfterwards");
    QTest::addColumn<bool>("offered");
    QTest::newRow("drawing") << false << true;
    QTest::newRow("cleared") << true << false;
}

void TestAutoSave::offersOnlyADrawingWithElements()
{
    QFETCH(bool, clearAfterwards);
    QFETCH(bool, offered);
    {
        auto canvas = makeCanvas();
        auto saver = makeSaver(*canvas);
        drawLine(*canvas, QPoint(10, 10), QPoint(100, 100));
        if (clearAfterwards)
            canvas->clear();
    } // the saver writes what is pending as it goes
    AutoSave next;
    next.setPath(path());
    QVERIFY(QFile::exists(path()));
    QCOMPARE(next.hasRecoverable(), offered);
}

void TestAutoSave::restoreIsOneUndoableStep()
{
    QByteArray before;
    {
        auto canvas = makeCanvas();
        auto saver = makeSaver(*canvas);
        canvas->setDrawMode(MyPainter::NumberedCircleMode);
        for (const QPoint at : {QPoint(30, 30), QPoint(60, 30)}) {
            canvas->beginPaint(at);
            canvas->endPaint(at, false);
        }
        drawLine(*canvas, QPoint(10, 200), QPoint(300, 200));
        before = DrawingFile::toJson(canvas->document());
    }
    auto canvas = makeCanvas();
    drawLine(*canvas, QPoint(5, 5), QPoint(6, 6));
    const QByteArray own = DrawingFile::toJson(canvas->document());
    auto saver = makeSaver(*canvas);
    QVERIFY(saver->hasRecoverable());
    QVERIFY(saver->restore());
    QCOMPARE(DrawingFile::toJson(canvas->document()), before);
    QCOMPARE(canvas->document().circleCounter(), 2);
    canvas->undo();
    QCOMPARE(DrawingFile::toJson(canvas->document()), own);
}

void TestAutoSave::offersWhatWasThereBeforeNewStrokes()
{
    QByteArray old;
    {
        auto canvas = makeCanvas();
        auto saver = makeSaver(*canvas);
        drawLine(*canvas, QPoint(10, 10), QPoint(100, 10));
        old = DrawingFile::toJson(canvas->document());
    }
    auto canvas = makeCanvas();
    auto saver = makeSaver(*canvas);
    QVERIFY(saver->hasRecoverable());
    // The user draws before taking the offer; the new stroke reaches the file.
    drawLine(*canvas, QPoint(10, 200), QPoint(100, 200));
    saver->saveNow();
    QVERIFY(fileData(path()) != old);
    QVERIFY(saver->restore());
    QCOMPARE(DrawingFile::toJson(canvas->document()), old);
}

void TestAutoSave::quitWritesWhatIsPending()
{
    auto canvas = makeCanvas();
    auto saver = makeSaver(*canvas, 60000);
    drawLine(*canvas, QPoint(10, 10), QPoint(100, 100));
    QVERIFY(!QFile::exists(path()));
    // As at quit: the saver goes with the toolbar and writes at once.
    saver.reset();
    QCOMPARE(fileData(path()), DrawingFile::toJson(canvas->document()));
}

void TestAutoSave::unwritableFolderIsReported()
{
    // A file where the folder should be.
    QFile blocker(m_dir->filePath(QStringLiteral("data")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto canvas = makeCanvas();
    auto saver = makeSaver(*canvas);
    QSignalSpy failed(saver.get(), &AutoSave::saveFailed);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^自动保存失败"));
    drawLine(*canvas, QPoint(10, 10), QPoint(100, 100));
    QVERIFY(failed.wait(5000));
    QVERIFY(!failed.first().first().toString().isEmpty());
}

QTEST_MAIN(TestAutoSave)
#include "tst_autosave.moc"
