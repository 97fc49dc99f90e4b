// The laser pointer and the spotlight in the running program, started by their hot keys
// and watched on the screen: the laser leaves a fading trail and draws nothing; the
// spotlight dims all but a circle around the pointer, which the wheel shrinks. Without a
// compositor the transparent overlay shows black, and what it shows there, drawing or
// laser, keeps its premultiplied colour.
#include "programdriver.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QtTest>

namespace {

const QString laserKey = QStringLiteral("ctrl+shift+F1");
const QString spotlightKey = QStringLiteral("ctrl+shift+F2");
// The laser sweeps this row from left to right.
constexpr int sweepRow = 500;
constexpr int sweepFrom = 300;
constexpr int sweepTo = 1100;

// A lit pixel of the laser (red, white at the dot's centre) on the black screen of a
// display without a compositor.
bool laserLit(QRgb pixel)
{
    return qRed(pixel) > 60 && qRed(pixel) >= qGreen(pixel) && qRed(pixel) >= qBlue(pixel);
}

// How far behind the x the trail is lit without a gap along the sweep's row.
int litBehind(const QImage &shot, int x)
{
    int behind = 0;
    while (x - behind > 0 && laserLit(shot.pixel(x - behind, sweepRow)))
        ++behind;
    return behind;
}

// Where along the sweep's row the laser is lit furthest right.
int rightmostLit(const QImage &shot)
{
    for (int x = sweepTo + 40; x >= sweepFrom - 40; --x) {
        if (laserLit(shot.pixel(x, sweepRow)))
            return x;
    }
    return -1;
}

} // namespace

class TestPresenterGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void laserLeavesAFadingTrailAndDrawsNothing();
    void spotlightDimsAllButThePointer();

private:
    void pressTool(const QString &key, const QString &tool);

    // Run once with each back-end; the environment chooses it for the program.
    const bool m_openGl = qEnvironmentVariable("QUILLMARK_RENDERING") == QLatin1String("opengl");
    ProgramDriver m_program{QStringLiteral(SHOT_DIR), m_openGl ? QStringLiteral("presenter-opengl-")
                                                               : QStringLiteral("presenter-")};
    bool m_failed = false;
};

void TestPresenterGui::initTestCase()
{
    QVERIFY(m_program.isValid());
    QVERIFY(m_program.start(QStringLiteral(QUILLMARK_PROGRAM),
                            {{QStringLiteral("appLanguage"), QStringLiteral("zh_CN")},
                             {QStringLiteral("laserKey"), QStringLiteral("Ctrl+Shift+F1")},
                             {QStringLiteral("spotlightKey"), QStringLiteral("Ctrl+Shift+F2")}},
                            ProgramDriver::Output::Captured));
    QVERIFY2(!m_program.waitForWindow(QStringLiteral("^主窗口$")).isEmpty(),
             "the toolbar did not appear");
    QCOMPARE(m_program.log().contains("Qt Quick renders with OpenGL"), m_openGl);
}

void TestPresenterGui::cleanupTestCase()
{
    m_program.stop();
    if (m_failed)
        qInfo().noquote() << QString::fromUtf8(m_program.log());
}

void TestPresenterGui::cleanup()
{
    m_failed = m_failed || QTest::currentTestFailed();
    m_program.keepEvidenceOnFailure();
}

void TestPresenterGui::pressTool(const QString &key, const QString &tool)
{
    const qsizetype from = m_program.log().size();
    QVERIFY(xdo({"key", key}));
    QVERIFY2(m_program.waitForLogLine(QStringLiteral("演示工具: ") + tool, from),
             qPrintable(tool + " did not start"));
    QVERIFY(!m_program.waitForWindow(QStringLiteral("^draw$")).isEmpty());
}

void TestPresenterGui::laserLeavesAFadingTrailAndDrawsNothing()
{
    pressTool(laserKey, QStringLiteral("laser"));
    QVERIFY(hover(QPoint(sweepFrom, sweepRow)));
    // Held down all the way: a press with the laser must not draw either. The sweep runs
    // on while the screen is looked at.
    QStringList sweep{"mousedown", "1"};
    for (int x = sweepFrom; x <= sweepTo; x += 4)
        sweep << "mousemove" << number(x) << number(sweepRow) << "sleep"
              << "0.008";
    sweep << "mouseup"
          << "1";
    QProcess sweeping;
    sweeping.start(QStringLiteral("xdotool"), sweep);
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     const int dot = rightmostLit(shot);
                     return dot > sweepFrom + 200 && litBehind(shot, dot) > 100;
                 },
                 QStringLiteral("laser-trail")),
             "no trail behind the moving pointer");
    QVERIFY(sweeping.waitForFinished(20000));

    // At rest the trail is gone within a second; the dot stays under the pointer.
    QTest::qWait(1500);
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return laserLit(shot.pixel(sweepTo, sweepRow)) &&
                            litBehind(shot, sweepTo) < 30 &&
                            !laserLit(shot.pixel(sweepTo - 200, sweepRow));
                 },
                 QStringLiteral("laser-rest")),
             "the trail did not fade, or the dot went away");

    // Leaving the laser leaves nothing drawn: no stroke on the screen, nothing autosaved.
    pressTool(laserKey, QStringLiteral("无"));
    QVERIFY(hover(QPoint(sweepTo + 300, sweepRow + 200)));
    QTest::qWait(2500); // beyond the autosave's quiet period
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     for (int x = sweepFrom; x <= sweepTo; x += 5) {
                         if (laserLit(shot.pixel(x, sweepRow)))
                             return false;
                     }
                     return true;
                 },
                 QStringLiteral("laser-left")),
             "the laser left something on the screen");
    const QString autosave =
        m_program.dataPath() + QStringLiteral("/tallowby/painter/autosave.qmark");
    QCOMPARE(QFile(autosave).size(), 0);
}

void TestPresenterGui::spotlightDimsAllButThePointer()
{
    // Two strokes: one where the pointer will rest, one far away.
    const QPoint nearStroke(600, 300), farStroke(1400, 800);
    QVERIFY(drawStroke(nearStroke));
    QVERIFY(drawStroke(farStroke));
    QVERIFY(m_program.waitForScreen(
        [&](const QImage &shot) { return inkNear(shot, nearStroke) && inkNear(shot, farStroke); },
        QStringLiteral("spotlight-drawn")));

    pressTool(spotlightKey, QStringLiteral("spotlight"));
    const QPoint pointer = nearStroke + QPoint(0, 60);
    QVERIFY(hover(pointer));
    const auto red = [](const QImage &shot, QPoint at) { return qRed(shot.pixel(at)); };
    // The far stroke dimmed to about 38 %, the near one bright, inside the default radius.
    const QPoint nearInk = nearStroke + QPoint(60, 0);
    const QPoint farInk = farStroke;
    QVERIFY2(m_program.waitForScreen(
                 [&](const QImage &shot) {
                     return red(shot, nearInk) > 200 && red(shot, farInk) > 60 &&
                            red(shot, farInk) < 130;
                 },
                 QStringLiteral("spotlight-on")),
             "the spotlight does not dim the screen around the circle");

    // Over the toolbar the circle stays where the pointer left the screen.
    const QRect toolbar = m_program.waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY(hover(toolbar.center()));
    QTest::qWait(300);
    QVERIFY2(m_program.waitForScreen([&](const QImage &shot) { return red(shot, nearInk) > 200; },
                                     QStringLiteral("spotlight-toolbar")),
             "over the toolbar the spotlight went out");
    QVERIFY(hover(pointer));

    // The wheel shrinks the circle until the near stroke lies outside it.
    for (int i = 0; i < 12; ++i)
        QVERIFY(xdo({"click", "5"}));
    QVERIFY2(
        m_program.waitForScreen(
            [&](const QImage &shot) { return red(shot, nearInk) < 130 && red(shot, farInk) < 130; },
            QStringLiteral("spotlight-small")),
        "the wheel did not shrink the circle");

    // Its key again leaves it: the strokes are bright again.
    pressTool(spotlightKey, QStringLiteral("无"));
    QVERIFY2(
        m_program.waitForScreen(
            [&](const QImage &shot) { return red(shot, nearInk) > 200 && red(shot, farInk) > 200; },
            QStringLiteral("spotlight-left")),
        "the dimming stayed");
    // What was drawn is saved: the autosave is alive, so its silence above meant something.
    const QString autosave =
        m_program.dataPath() + QStringLiteral("/tallowby/painter/autosave.qmark");
    QVERIFY(waitUntil([&] { return QFile(autosave).size() > 0; }));
}

QTEST_MAIN(TestPresenterGui)
#include "tst_presentergui.moc"
