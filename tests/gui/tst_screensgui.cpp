// The real program on one X screen split into two 1920x1080 monitors (and a third later), in a
// private Xvfb: the toolbar starts on the primary monitor, switching drawing on covers
// both, a level stroke crosses the border as one and leaves no ink off its path, undo and
// the screenshot hot key work from the toolbar on the other monitor, and a monitor that goes
// and comes back loses nothing. The monitor the toolbar was dragged to is remembered: it
// goes back there when that monitor returns and at the next start, and a monitor plugged in
// meanwhile does not move it. With both monitors at scale 1, with the right one at 2 and at
// 1.5. Screens are read with `import`, since this test's own display is another one.
#include "programdriver.h"
#include "virtualdesktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

const QRect LeftMonitor(0, 0, 1920, 1080);
const QRect RightMonitor(1920, 0, 1920, 1080);

bool xrandr(const QStringList &args)
{
    QProcess tool;
    tool.start(QStringLiteral("xrandr"), args);
    return tool.waitForFinished(waitLimitMs) && tool.exitStatus() == QProcess::NormalExit &&
           tool.exitCode() == 0;
}

bool addRightMonitor()
{
    return xrandr({"--setmonitor", "R", "1920/508x1080/286+1920+0", "none"});
}

// A third monitor, as a projector plugged in during a talk, right of the other two on the
// X screen, which leaves room for it.
const QRect ProjectorMonitor(3840, 0, 1920, 1080);
bool addProjector()
{
    return xrandr({"--setmonitor", "P", "1920/508x1080/286+3840+0", "none"});
}

// The stroke across the border, level at y 700.
constexpr int CrossY = 700;
const QPoint CrossFrom(1700, CrossY), CrossTo(2200, CrossY);

// Whether the crossing stroke shows all along its path, on both monitors (a freehand stroke
// ends halfway between its last two points).
bool crossingShown(const QImage &shot)
{
    for (int x = CrossFrom.x() + 10; x < CrossTo.x() - 50; x += 60)
        if (!inkNear(shot, {x, CrossY}))
            return false;
    return true;
}

// Strongly red pixels in the area.
int redPixels(const QImage &shot, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qRed(shot.pixel(x, y)) > 180 && qGreen(shot.pixel(x, y)) < 90 ? 1 : 0;
    return count;
}

QImage grabRoot()
{
    return QImage::fromData(runTool(QStringLiteral("import"), {"-window", "root", "png:-"}), "PNG");
}

// Geometries of the program's visible overlays.
QList<QRect> overlays(const ProgramDriver &program)
{
    const std::optional<QByteArray> ids =
        xdoQuery({"search", "--all", "--onlyvisible", "--pid", number(program.processId()),
                  "--name", "^draw$"});
    QList<QRect> found;
    for (const QByteArray &id : ids.value_or(QByteArray()).split('\n')) {
        if (id.trimmed().isEmpty())
            continue;
        found << windowGeometryOf(QString::fromLatin1(id.trimmed())).value_or(QRect());
    }
    std::sort(found.begin(), found.end(),
              [](const QRect &a, const QRect &b) { return a.left() < b.left(); });
    return found;
}

// Whether the red pen shows anywhere in the area outside the toolbar and its chooser
// (the pen icon has red in it).
bool inkIn(const QImage &image, const QRect &area, const QRect &toolbar)
{
    const QRect skip = toolbar.adjusted(-12, -12, 100, 12);
    for (int y = area.top(); y <= area.bottom(); y += 8)
        for (int x = area.left(); x <= area.right(); x += 8)
            if (!skip.contains(x, y) && inkNear(image, {x, y}))
                return true;
    return false;
}

QString describe(const QList<QRect> &areas)
{
    QStringList parts;
    for (const QRect &r : areas)
        parts << QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    return QStringLiteral("overlays: ") + parts.join(QStringLiteral("; "));
}

// The no-tray notice's size in logical pixels, from its size on the monitor it is on.
QSizeF noticeSize(const ProgramDriver &program, qreal rightScale)
{
    const QRect notice = program.waitForWindow(QStringLiteral("^notice$"));
    return QSizeF(notice.size()) / (RightMonitor.contains(notice.center()) ? rightScale : 1.0);
}

// Whether the notice keeps its logical size on the monitor it is on: one grown by a scale
// covers the overlay beside it.
bool noticeKeepsItsSize(const ProgramDriver &program, qreal rightScale, QSizeF logical)
{
    const QSizeF now = noticeSize(program, rightScale);
    return qAbs(now.width() - logical.width()) <= 1 && qAbs(now.height() - logical.height()) <= 1;
}

void dragStroke(const QList<QPoint> &points)
{
    QVERIFY(xdo(
        {"mousemove", number(points.first().x()), number(points.first().y()), "mousedown", "1"}));
    for (qsizetype i = 1; i < points.size(); ++i) {
        const QPoint from = points.at(i - 1), to = points.at(i);
        for (int step = 1; step <= 6; ++step) {
            const QPoint p = from + (to - from) * step / 6;
            QVERIFY(xdo({"mousemove", number(p.x()), number(p.y())}));
        }
    }
    QVERIFY(xdo({"mouseup", "1"}));
}

} // namespace

class TestScreensGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void oneDrawingAcrossTwoMonitors_data();
    void oneDrawingAcrossTwoMonitors();

private:
    bool waitForShot(const std::function<bool(const QImage &)> &holds, const QString &name);
    QString storedToolbarScreen() const;

    std::unique_ptr<VirtualDesktop> m_desktop;
    std::unique_ptr<ProgramDriver> m_program;
    QString m_tag;
    QRect m_toolbar;
};

void TestScreensGui::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X display (scripts/test.sh starts one)");
    m_desktop = std::make_unique<VirtualDesktop>();
    // Two monitors, and room for a third on the right.
    m_desktop->setScreenSize(QStringLiteral("5760x1080"));
    QVERIFY2(m_desktop->start(QStringLiteral("openbox"), false), "no virtual desktop");
    QVERIFY(xrandr({"--setmonitor", "L", "1920/508x1080/286+0+0", "screen"}));
    QVERIFY(addRightMonitor());
}

void TestScreensGui::cleanupTestCase()
{
    m_program.reset();
    m_desktop.reset();
}

// Each row's program ends with its row, so that a failure keeps its evidence.
void TestScreensGui::cleanup()
{
    m_program.reset();
    // A row that failed halfway leaves the next one the two monitors it starts from.
    xrandr({"--delmonitor", "P"});
    xrandr({"--delmonitor", "R"});
    QVERIFY(addRightMonitor());
}

bool TestScreensGui::waitForShot(const std::function<bool(const QImage &)> &holds,
                                 const QString &name)
{
    QElapsedTimer waited;
    waited.start();
    QImage shot;
    bool ok = false;
    do {
        QTest::qWait(100);
        shot = grabRoot();
        ok = !shot.isNull() && holds(shot);
    } while (!ok && waited.elapsed() < waitLimitMs);
    QDir().mkpath(QStringLiteral(SHOT_DIR));
    shot.save(QStringLiteral(SHOT_DIR "/screens-%1-%2.png").arg(m_tag, name));
    return ok;
}

void TestScreensGui::oneDrawingAcrossTwoMonitors_data()
{
    QTest::addColumn<QString>("factors");
    QTest::newRow("same-scale") << QString();
    QTest::newRow("scales-1-2") << QStringLiteral("1;2");
    QTest::newRow("scales-1-1.5") << QStringLiteral("1;1.5");
}

void TestScreensGui::oneDrawingAcrossTwoMonitors()
{
    QFETCH(QString, factors);
    m_tag = QString::fromLatin1(QTest::currentDataTag());
    m_program = std::make_unique<ProgramDriver>(QStringLiteral(SHOT_DIR), QString());
    if (!factors.isEmpty())
        m_program->setExtraEnvironment({{"QT_SCREEN_SCALE_FACTORS", factors}});
    QVERIFY(
        m_program->start(QStringLiteral(QUILLMARK_PROGRAM), {}, ProgramDriver::Output::Forwarded));

    // The toolbar starts at the right edge of the primary (left) monitor.
    m_toolbar = m_program->waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY2(!m_toolbar.isEmpty(), "no toolbar");
    QVERIFY2(LeftMonitor.contains(m_toolbar) && m_toolbar.right() > 1920 - 250,
             qPrintable(QStringLiteral("toolbar at %1,%2").arg(m_toolbar.x()).arg(m_toolbar.y())));

    // Drawing on: one overlay per monitor, each covering it.
    QVERIFY(click(toolbarButtonCentre(m_toolbar, ToolbarButton::DrawingSwitch)));
    QVERIFY2(waitUntil([&] {
                 return overlays(*m_program) == QList<QRect>{LeftMonitor, RightMonitor};
             }),
             "the overlays do not cover the two monitors");
    m_toolbar = m_program->waitForWindow(QStringLiteral("^主窗口$"));
    // Without a tray the no-tray notice is tied to the toolbar: it stays above the overlay,
    // and the window manager settles the order at once rather than fighting the program.
    const QRect notice = m_program->waitForWindow(QStringLiteral("^notice$"));
    QVERIFY2(!notice.isEmpty(), "no notice without a tray");
    const qreal rightScale = factors.isEmpty() ? 1.0 : factors.section(u';', 1).toDouble();
    const QSizeF noticeLogical = noticeSize(*m_program, rightScale);
    QVERIFY2(waitForShot(
                 [&](const QImage &shot) {
                     int light = 0;
                     for (int y = notice.top(); y <= notice.bottom(); y += 4) {
                         for (int x = notice.left(); x <= notice.right(); x += 4)
                             light += qGray(shot.pixel(x, y)) > 200;
                     }
                     return light * 16 > notice.width() * notice.height() / 4;
                 },
                 QStringLiteral("notice")),
             "the notice is hidden under the overlay");

    // A stroke on each monitor, then one across the border: it follows the pointer on both
    // sides and leaves no ink off its path, above or below it at the border.
    dragStroke({{600, 300}, {800, 300}});
    dragStroke({{2600, 400}, {2800, 400}});
    dragStroke({CrossFrom, CrossTo});
    QImage drawn;
    QVERIFY2(waitForShot(
                 [&](const QImage &shot) {
                     drawn = shot;
                     return inkNear(shot, {700, 300}) && inkNear(shot, {2700, 400}) &&
                            crossingShown(shot);
                 },
                 QStringLiteral("drawn")),
             "the strokes do not show on both monitors");
    const QRect aboveBorder(1820, CrossY - 110, 200, 100), belowBorder(1820, CrossY + 10, 200, 100);
    QCOMPARE(redPixels(drawn, aboveBorder), 0);
    QCOMPARE(redPixels(drawn, belowBorder), 0);
    QVERIFY2(!inkIn(drawn, QRect(1600, 0, 700, CrossY - 12), m_toolbar) &&
                 !inkIn(drawn, QRect(1600, CrossY + 12, 700, 1080 - CrossY - 12), m_toolbar),
             "ink off the path of the stroke across the border");

    // The toolbar dragged onto the right monitor by its logo stays inside it.
    const QPoint logo(m_toolbar.center().x(), m_toolbar.top() + 10);
    QVERIFY(xdo({"mousemove", number(logo.x()), number(logo.y()), "mousedown", "1"}));
    int lastX = logo.x();
    for (int x = logo.x() + 200; x <= 3900; x += 200) {
        QVERIFY(xdo({"mousemove", number(x), number(logo.y() + 100)}));
        lastX = x;
    }
    QVERIFY(xdo({"mouseup", "1"}));
    // With drawing on, the toolbar followed the pointer all the way, also after it crossed
    // onto the monitor (the overlay that follows it moves there only once the drag is over).
    const int grabbedAt = logo.x() - m_toolbar.x();
    QVERIFY2(waitUntil([&] {
                 m_toolbar = m_program->waitForWindow(QStringLiteral("^主窗口$"));
                 // The grab point scales with the monitor the toolbar is on now.
                 const int grabbed = qRound(grabbedAt * m_toolbar.width() / 33.0);
                 return RightMonitor.contains(m_toolbar) &&
                        std::abs(m_toolbar.x() + grabbed - lastX) <= 3;
             }),
             qPrintable(QStringLiteral("toolbar at %1,%2 %3x%4")
                            .arg(m_toolbar.x())
                            .arg(m_toolbar.y())
                            .arg(m_toolbar.width())
                            .arg(m_toolbar.height())));
    // ... and that monitor is remembered, by its name.
    QTRY_COMPARE_WITH_TIMEOUT(storedToolbarScreen(), QStringLiteral("R"), waitLimitMs);

    // Undo there takes the stroke across the border away from both monitors.
    QVERIFY(click(toolbarButtonCentre(m_toolbar, ToolbarButton::Undo)));
    QVERIFY(xdo({"mousemove", "1000", "900"}));
    QVERIFY2(waitForShot(
                 [&](const QImage &shot) {
                     return !inkNear(shot, {1800, CrossY}) && !inkNear(shot, {2100, CrossY}) &&
                            inkNear(shot, {700, 300}) && inkNear(shot, {2700, 400});
                 },
                 QStringLiteral("undone")),
             "undo on the right monitor did not take the crossing stroke");

    // The screenshot hot key captures the toolbar's monitor with its drawing.
    const QDir captures(m_program->capturesPath());
    QVERIFY(xdo({"key", "ctrl+p"}));
    QTRY_VERIFY_WITH_TIMEOUT(!captures.entryList({"draw_*.jpg"}, QDir::Files).isEmpty(),
                             waitLimitMs);
    QImage capture;
    const QString file =
        captures.filePath(captures.entryList({"draw_*.jpg"}, QDir::Files).constFirst());
    QTRY_VERIFY_WITH_TIMEOUT(capture.load(file), waitLimitMs);
    capture.save(QStringLiteral(SHOT_DIR "/screens-%1-capture.png").arg(m_tag));
    QCOMPARE(capture.size(), RightMonitor.size());
    QVERIFY2(inkNear(capture, QPoint(2700, 400) - RightMonitor.topLeft()),
             "the capture misses the right monitor's stroke");
    // The left monitor's 200 px stroke, all along: the toolbar's orange, dropped anywhere
    // on this monitor, may lie on one of these points but not on all three.
    QVERIFY2(!(inkNear(capture, {620, 300}) && inkNear(capture, {700, 300}) &&
               inkNear(capture, {780, 300})),
             "the capture shows the left monitor");

    // The right monitor goes: its overlay goes, the toolbar comes back onto the left
    // one, and the drawing keeps the stroke that lay there.
    QVERIFY(xrandr({"--delmonitor", "R"}));
    QList<QRect> left;
    QVERIFY2(
        waitUntil([&] {
            left = overlays(*m_program);
            return left == QList<QRect>{LeftMonitor};
        }),
        qPrintable(QStringLiteral("the overlay of the removed monitor stayed; ") + describe(left)));
    m_toolbar = m_program->waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY2(LeftMonitor.contains(m_toolbar), "the toolbar stayed off the monitors");
    // The windows of a monitor that goes come over at their size in device pixels.
    QVERIFY2(waitUntil([&] { return noticeKeepsItsSize(*m_program, rightScale, noticeLogical); }),
             "the notice changed its size with the monitor that went");
    QVERIFY(addRightMonitor());
    // The pointer out of the way: the overlay's cursor image has red in it.
    QVERIFY(xdo({"mousemove", "1000", "900"}));
    QList<QRect> shown;
    QVERIFY2(
        waitUntil(
            [&] {
                shown = overlays(*m_program);
                return shown == QList<QRect>{LeftMonitor, RightMonitor};
            },
            // A busy machine may slow the window manager; what this guards is that the
            // overlay comes back at all, with the drawing.
            2 * waitLimitMs),
        qPrintable(QStringLiteral("no overlay on the monitor that came back; ") + describe(shown)));
    QVERIFY2(waitForShot(
                 [&](const QImage &shot) {
                     return inkNear(shot, {700, 300}) && inkNear(shot, {2700, 400}) &&
                            !inkNear(shot, {2100, CrossY});
                 },
                 QStringLiteral("back")),
             "the drawing on the monitor that came back is lost");
    // The toolbar went back to the monitor it was dragged to.
    QVERIFY2(waitUntil([&] {
                 m_toolbar = m_program->waitForWindow(QStringLiteral("^主窗口$"));
                 return RightMonitor.contains(m_toolbar);
             }),
             "the toolbar did not go back to its monitor");
    QVERIFY2(waitUntil([&] { return noticeKeepsItsSize(*m_program, rightScale, noticeLogical); }),
             "the notice grew beside the toolbar on the monitor that came back");

    // A monitor plugged in meanwhile leaves it there.
    QVERIFY(addProjector());
    // By the time its overlay covers it, the program has dealt with the new monitor.
    QVERIFY(waitUntil(
        [&] {
            return overlays(*m_program) ==
                   QList<QRect>{LeftMonitor, RightMonitor, ProjectorMonitor};
        },
        2 * waitLimitMs));
    m_toolbar = m_program->waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY2(RightMonitor.contains(m_toolbar), "a monitor plugged in moved the toolbar");
    QVERIFY(xrandr({"--delmonitor", "P"}));
    QVERIFY(waitUntil([&] {
        return overlays(*m_program) == QList<QRect>{LeftMonitor, RightMonitor};
    }));

    QVERIFY2(!m_program->log().contains("keeps changing the stacking order"),
             "the window manager and the program fought over the stacking order");

    // And undo still reaches the drawing: the right monitor's stroke goes next.
    QVERIFY(click(toolbarButtonCentre(m_toolbar, ToolbarButton::Undo)));
    QVERIFY(xdo({"mousemove", "1000", "900"}));
    QVERIFY2(waitForShot(
                 [](const QImage &shot) {
                     return !inkNear(shot, {2700, 400}) && inkNear(shot, {700, 300});
                 },
                 QStringLiteral("undone-again")),
             "undo after the monitor came back");

    // The next start puts the toolbar on the remembered monitor.
    m_program.reset();
    m_program = std::make_unique<ProgramDriver>(QStringLiteral(SHOT_DIR), QString());
    if (!factors.isEmpty())
        m_program->setExtraEnvironment({{"QT_SCREEN_SCALE_FACTORS", factors}});
    QVERIFY(m_program->start(QStringLiteral(QUILLMARK_PROGRAM),
                             {{QStringLiteral("toolbarScreen"), QStringLiteral("R")}},
                             ProgramDriver::Output::Forwarded));
    m_toolbar = m_program->waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY2(RightMonitor.contains(m_toolbar), "the toolbar did not start on its monitor");
    m_program.reset();
}

QString TestScreensGui::storedToolbarScreen() const
{
    return QSettings(m_program->settingsFile(), QSettings::IniFormat)
        .value(QStringLiteral("toolbarScreen"))
        .toString();
}

QTEST_MAIN(TestScreensGui)

#include "tst_screensgui.moc"
