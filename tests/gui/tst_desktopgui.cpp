// The real program on Linux desktops of different kinds, each a private Xvfb
// started here: other programs' windows opening and being activated over the
// drawing, a second window manager, no system tray, a Wayland session, and two
// users of one machine. Every step polls for what it waits for.
#include "programdriver.h"
#include "virtualdesktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads a window id as xdotool (decimal) or xprop (hex) prints it.
quint64 windowNumber(const QByteArray &text)
{
    bool ok = false;
    const QByteArray trimmed = text.trimmed();
    const quint64 value = trimmed.startsWith("0x") ? trimmed.mid(2).toULongLong(&ok, 16)
                                                   : trimmed.toULongLong(&ok, 10);
    return ok ? value : 0;
}

// Managed windows in the window manager's list (its order is not trusted).
QList<quint64> managedWindows()
{
    const QByteArray out = runTool(QStringLiteral("xprop"), {"-root", "_NET_CLIENT_LIST_STACKING"});
    QList<quint64> windows;
    const qsizetype hash = out.indexOf('#');
    if (hash < 0)
        return windows;
    for (const QByteArray &entry : out.mid(hash + 1).split(','))
        windows.append(windowNumber(entry));
    return windows;
}

// Where the window's frame lies among the root's children, counted from the
// bottom: what the screen shows, whatever list the window manager keeps. -1 when
// the window is not there.
qsizetype stackingPosition(quint64 window)
{
    quint64 current = window;
    for (int depth = 0; depth < 16 && current; ++depth) {
        const QByteArray tree =
            runTool(QStringLiteral("xwininfo"), {"-id", QString::number(current), "-tree"});
        const qsizetype at = tree.indexOf("Parent window id:");
        if (at < 0)
            return -1;
        const QByteArray line = tree.mid(at, tree.indexOf('\n', at) - at);
        if (line.contains("(the root window)"))
            break;
        current = windowNumber(line.mid(17).trimmed().split(' ').constFirst());
    }
    const QByteArray children = runTool(QStringLiteral("xwininfo"), {"-root", "-children"});
    // xwininfo lists the children from the top down.
    QList<quint64> topDown;
    for (const QByteArray &line : children.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith("0x"))
            topDown.append(windowNumber(trimmed.split(' ').constFirst()));
    }
    const qsizetype fromTop = topDown.indexOf(current);
    return fromTop < 0 ? -1 : topDown.size() - 1 - fromTop;
}

// A window of another program: xmessage, as large as the screen.
class OtherWindow
{
public:
    ~OtherWindow()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    quint64 open(const QString &title)
    {
        m_process.start(QStringLiteral("xmessage"),
                        {"-title", title, "-geometry", "1280x800+0+0", "another program"});
        if (!m_process.waitForStarted())
            return 0;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < waitLimitMs) {
            const quint64 id = windowNumber(
                runTool(QStringLiteral("xdotool"),
                        {"search", "--onlyvisible", "--name", QLatin1Char('^') + title + '$'})
                    .split('\n')
                    .constFirst());
            if (id && managedWindows().contains(id))
                return id;
            QTest::qWait(50);
        }
        return 0;
    }

private:
    QProcess m_process;
};

} // namespace

class TestDesktopGui : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void toolbarAndOverlayStayOnTop_data();
    void toolbarAndOverlayStayOnTop();
    void runsWithoutTrayAndSaysWhy();
    void waylandSessionRunsOnXcb();
    void everyUserRunsTheirOwnCopy();
    void westonShowsToolbarAndStroke();

private:
    // Whether the toolbar lies above the overlay and the overlay above the others.
    bool onTop(quint64 toolbar, quint64 overlay, const QList<quint64> &others) const;
    bool waitOnTop(quint64 toolbar, quint64 overlay, const QList<quint64> &others) const;
    void clickDrawingSwitch(const QRect &toolbar);

    std::unique_ptr<VirtualDesktop> m_desktop;
    std::unique_ptr<ProgramDriver> m_program;
};

void TestDesktopGui::init()
{
    m_desktop = std::make_unique<VirtualDesktop>();
    m_program =
        std::make_unique<ProgramDriver>(QStringLiteral(SHOT_DIR), QStringLiteral("desktop-"));
}

void TestDesktopGui::cleanup()
{
    if (QTest::currentTestFailed() && m_program)
        qInfo().noquote() << QString::fromUtf8(m_program->log());
    m_program.reset();
    m_desktop.reset();
}

bool TestDesktopGui::onTop(quint64 toolbar, quint64 overlay, const QList<quint64> &others) const
{
    const qsizetype toolbarAt = stackingPosition(toolbar);
    const qsizetype overlayAt = stackingPosition(overlay);
    if (toolbarAt < 0 || overlayAt < 0 || toolbarAt < overlayAt)
        return false;
    for (const quint64 other : others) {
        if (stackingPosition(other) > overlayAt)
            return false;
    }
    return true;
}

bool TestDesktopGui::waitOnTop(quint64 toolbar, quint64 overlay, const QList<quint64> &others) const
{
    QElapsedTimer waited;
    waited.start();
    int held = 0;
    // The order must hold on three looks in a row: a window manager may restack
    // a little after an activation.
    while (waited.elapsed() < waitLimitMs) {
        held = onTop(toolbar, overlay, others) ? held + 1 : 0;
        if (held == 3)
            return true;
        QTest::qWait(100);
    }
    return false;
}

void TestDesktopGui::clickDrawingSwitch(const QRect &toolbar)
{
    const QPoint at = toolbarButtonCentre(toolbar, ToolbarButton::DrawingSwitch);
    QVERIFY(xdo({"mousemove", number(at.x()), number(at.y()), "click", "1"}));
}

void TestDesktopGui::toolbarAndOverlayStayOnTop_data()
{
    QTest::addColumn<QString>("windowManager");
    QTest::newRow("openbox") << "openbox";
    QTest::newRow("fluxbox") << "fluxbox";
}

void TestDesktopGui::toolbarAndOverlayStayOnTop()
{
    QFETCH(QString, windowManager);
    QVERIFY2(m_desktop->start(windowManager, true), "the virtual desktop did not start");
    QVERIFY(
        m_program->start(QStringLiteral(QUILLMARK_PROGRAM), {}, ProgramDriver::Output::Captured));
    const QRect toolbarArea = m_program->waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY2(!toolbarArea.isEmpty(), "the toolbar did not appear");
    const quint64 toolbar =
        windowNumber(m_program->waitForWindowId(QStringLiteral("^主窗口$")).toLatin1());

    clickDrawingSwitch(toolbarArea);
    QVERIFY2(!m_program->waitForWindow(QStringLiteral("^draw$")).isEmpty(),
             "drawing did not start");
    const quint64 overlay =
        windowNumber(m_program->waitForWindowId(QStringLiteral("^draw$")).toLatin1());

    // Drawing: a window opens, then another, then the first is activated again.
    OtherWindow first;
    OtherWindow second;
    const quint64 firstId = first.open(QStringLiteral("first-other"));
    QVERIFY(firstId);
    QVERIFY2(waitOnTop(toolbar, overlay, {firstId}), "a new window covered the drawing");
    const quint64 secondId = second.open(QStringLiteral("second-other"));
    QVERIFY(secondId);
    QVERIFY(xdo({"windowactivate", number(int(firstId))}));
    QVERIFY2(waitOnTop(toolbar, overlay, {firstId, secondId}),
             "an activated window covered the drawing");

    // Pass-through: the same with a third window and another activation.
    const QRect toolbarNow = m_program->waitForWindow(QStringLiteral("^主窗口$"));
    clickDrawingSwitch(toolbarNow);
    QTRY_VERIFY_WITH_TIMEOUT(
        runTool(QStringLiteral("xprop"), {"-id", number(int(overlay)), "_NET_WM_STATE"})
            .contains("_NET_WM_STATE_ABOVE"),
        waitLimitMs);
    OtherWindow third;
    const quint64 thirdId = third.open(QStringLiteral("third-other"));
    QVERIFY(thirdId);
    QVERIFY(xdo({"windowactivate", number(int(secondId))}));
    QVERIFY2(waitOnTop(toolbar, overlay, {firstId, secondId, thirdId}),
             "in pass-through another window covered the drawing");
}

void TestDesktopGui::runsWithoutTrayAndSaysWhy()
{
    QVERIFY2(m_desktop->start(QStringLiteral("openbox"), false),
             "the virtual desktop did not start");
    QVERIFY(m_program->start(QStringLiteral(QUILLMARK_PROGRAM),
                             {{QStringLiteral("appLanguage"), QStringLiteral("zh_CN")}},
                             ProgramDriver::Output::Captured));
    QVERIFY2(!m_program->waitForWindow(QStringLiteral("^主窗口$")).isEmpty(),
             "the toolbar did not appear");
    const QRect notice = m_program->waitForWindow(QStringLiteral("^notice$"));
    QVERIFY2(!notice.isEmpty(), "no notice about the missing tray");
    QVERIFY(m_program->logHasLine(QStringLiteral("No system tray available!"), 0));

    // The notice is a light yellow warning with text on it.
    const QString shot = QStringLiteral(SHOT_DIR "/desktop-no-tray.png");
    QDir().mkpath(QStringLiteral(SHOT_DIR));
    QImage screen;
    QElapsedTimer waited;
    waited.start();
    int warningPixels = 0;
    do {
        QTest::qWait(100);
        QCOMPARE(QProcess::execute(QStringLiteral("import"), {"-window", "root", shot}), 0);
        screen.load(shot);
        warningPixels = 0;
        for (int y = notice.top(); y <= notice.bottom(); y += 2)
            for (int x = notice.left(); x <= notice.right(); x += 2)
                warningPixels += screen.pixel(x, y) == qRgb(0xFF, 0xF4, 0xCE) ? 1 : 0;
    } while (warningPixels < 500 && waited.elapsed() < waitLimitMs);
    QVERIFY2(warningPixels >= 500, "the notice is not on screen");
}

void TestDesktopGui::waylandSessionRunsOnXcb()
{
    QVERIFY2(m_desktop->start(QStringLiteral("openbox"), true),
             "the virtual desktop did not start");
    m_program->setExtraEnvironment(
        {{QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland")},
         {QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-9")}});
    QVERIFY(
        m_program->start(QStringLiteral(QUILLMARK_PROGRAM), {}, ProgramDriver::Output::Captured));
    QVERIFY2(!m_program->waitForWindow(QStringLiteral("^主窗口$")).isEmpty(),
             "the toolbar did not appear on X11");
    QVERIFY(m_program->log().contains("Wayland session: running through XWayland (xcb)"));
}

void TestDesktopGui::everyUserRunsTheirOwnCopy()
{
    if (::getuid() != 0)
        QSKIP("needs root to create a second user (CI runs as root); skipped");
    const QString user = QStringLiteral("qmdesk2");
    // Two programs start here, each slow to show its toolbar on a loaded machine.
    constexpr int startLimitMs = 3 * waitLimitMs;
    if (runTool(QStringLiteral("id"), {"-u", user}).isEmpty())
        QVERIFY2(QProcess::execute(QStringLiteral("useradd"), {"-m", user}) == 0, "useradd failed");
    QVERIFY2(m_desktop->start(QStringLiteral("openbox"), true),
             "the virtual desktop did not start");
    QVERIFY(QProcess::execute(QStringLiteral("xhost"), {QStringLiteral("+si:localuser:") + user}) ==
            0);

    // Both users share one temporary folder, as they share /tmp, and have no
    // runtime folder: the fallback place must still keep them apart.
    QTemporaryDir shared(QStringLiteral("/tmp/qmdesk-XXXXXX"));
    QVERIFY(shared.isValid());
    QVERIFY(::chmod(QFile::encodeName(shared.path()).constData(), 01777) == 0);
    m_program->setExtraEnvironment({{QStringLiteral("TMPDIR"), shared.path()},
                                    {QStringLiteral("XDG_RUNTIME_DIR"), QString()}});

    const auto startOther = [&](QProcess &process) {
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(QStringLiteral("runuser"),
                      {"-u", user, "--", "env", "-u", "XDG_RUNTIME_DIR", "-u", "QT_QPA_PLATFORM",
                       "DISPLAY=" + m_desktop->display, "HOME=/home/" + user,
                       "TMPDIR=" + shared.path(), QStringLiteral(QUILLMARK_PROGRAM)});
        return process.waitForStarted();
    };
    const auto toolbars = [] {
        const QByteArray out =
            runTool(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", "^主窗口$"});
        return int(out.trimmed().isEmpty() ? 0 : out.trimmed().split('\n').size());
    };
    const auto otherPid = [&] {
        return runTool(QStringLiteral("pgrep"), {"-u", user, "-x", "Quillmark"}).trimmed();
    };

    // The first user's copy first: before, its socket locked the second user out.
    QVERIFY(
        m_program->start(QStringLiteral(QUILLMARK_PROGRAM), {}, ProgramDriver::Output::Captured));
    QTRY_COMPARE_WITH_TIMEOUT(toolbars(), 1, startLimitMs);
    QProcess other;
    QVERIFY(startOther(other));
    QTRY_COMPARE_WITH_TIMEOUT(toolbars(), 2, startLimitMs);

    // A second start by the same user still hands over to the running copy.
    QProcess again;
    QVERIFY(startOther(again));
    QVERIFY(again.waitForFinished(waitLimitMs));
    QCOMPARE(again.exitCode(), 0);
    QCOMPARE(toolbars(), 2);

    // Killed without a chance to clean up, the second user's copy leaves its
    // socket behind; a new start reclaims it.
    const QByteArray pid = otherPid();
    QVERIFY(!pid.isEmpty());
    QVERIFY(::kill(pid_t(pid.toInt()), SIGKILL) == 0);
    QVERIFY(other.waitForFinished(waitLimitMs));
    QTRY_COMPARE_WITH_TIMEOUT(toolbars(), 1, startLimitMs);
    QProcess restarted;
    QVERIFY(startOther(restarted));
    QTRY_COMPARE_WITH_TIMEOUT(toolbars(), 2, startLimitMs);

    // The same for the first user.
    QVERIFY(::kill(pid_t(m_program->processId()), SIGKILL) == 0);
    QTRY_COMPARE_WITH_TIMEOUT(toolbars(), 1, startLimitMs);
    ProgramDriver second(QStringLiteral(SHOT_DIR), QStringLiteral("desktop-user-"));
    second.setExtraEnvironment({{QStringLiteral("TMPDIR"), shared.path()},
                                {QStringLiteral("XDG_RUNTIME_DIR"), QString()}});
    QVERIFY(second.start(QStringLiteral(QUILLMARK_PROGRAM), {}, ProgramDriver::Output::Captured));
    QTRY_COMPARE_WITH_TIMEOUT(toolbars(), 2, startLimitMs);

    second.stop();
    const QByteArray lastPid = otherPid();
    if (!lastPid.isEmpty())
        ::kill(pid_t(lastPid.toInt()), SIGTERM);
    QVERIFY(restarted.waitForFinished(waitLimitMs));
}

// A real Wayland compositor (weston, headless) with XWayland: the program runs
// through XWayland, shows its toolbar and draws.
void TestDesktopGui::westonShowsToolbarAndStroke()
{
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    QProcess weston;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.remove(QStringLiteral("DISPLAY"));
    weston.setProcessEnvironment(env);
    weston.setProcessChannelMode(QProcess::MergedChannels);
    weston.start(QStringLiteral("weston"),
                 {"--backend=headless-backend.so", "--xwayland", "--socket=quillmark-test",
                  "--width=1280", "--height=800", "--idle-time=0"});
    QVERIFY(weston.waitForStarted());
    // weston names the X display it listens on once XWayland is ready for clients.
    QByteArray log;
    QElapsedTimer waited;
    waited.start();
    const QByteArray marker("xserver listening on display ");
    while (!log.contains(marker) && waited.elapsed() < waitLimitMs &&
           weston.state() == QProcess::Running) {
        weston.waitForReadyRead(200);
        log += weston.readAll();
    }
    if (!log.contains(marker)) {
        weston.kill();
        weston.waitForFinished();
        QSKIP(qPrintable(QStringLiteral("weston with XWayland does not start here: ") +
                         QString::fromUtf8(log.right(400))));
    }
    const qsizetype at = log.indexOf(marker) + marker.size();
    const QByteArray display = log.mid(at, log.indexOf('\n', at) - at).trimmed();
    const QByteArray previous = qgetenv("DISPLAY");
    qputenv("DISPLAY", display);
    m_program->setExtraEnvironment(
        {{QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland")},
         {QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("quillmark-test")}});
    const bool started =
        m_program->start(QStringLiteral(QUILLMARK_PROGRAM), {}, ProgramDriver::Output::Captured);
    const QRect toolbar = started ? m_program->waitForWindow(QStringLiteral("^主窗口$")) : QRect();
    const bool onXcb = m_program->log().contains("Wayland session: running through XWayland (xcb)");
    // Synthetic pointer input reaches X clients only where XWayland allows it.
    bool pointer = false;
    QRect overlay;
    QImage shot;
    if (!toolbar.isEmpty()) {
        const QPoint at = toolbarButtonCentre(toolbar, ToolbarButton::DrawingSwitch);
        pointer = xdo({"mousemove", number(at.x()), number(at.y()), "click", "1"});
        if (pointer)
            overlay = m_program->waitForWindow(QStringLiteral("^draw$"));
    }
    if (!overlay.isEmpty()) {
        xdo({"mousemove", "300", "300", "mousedown", "1"});
        for (int x = 320; x <= 500; x += 20)
            xdo({"mousemove", number(x), "300"});
        xdo({"mouseup", "1"});
        // The overlay's own picture: XWayland keeps one per window.
        const QString file = QStringLiteral(SHOT_DIR "/desktop-weston.png");
        QDir().mkpath(QStringLiteral(SHOT_DIR));
        const QString overlayId = m_program->waitForWindowId(QStringLiteral("^draw$"));
        waited.restart();
        do {
            QTest::qWait(200);
            QProcess::execute(QStringLiteral("import"), {"-window", overlayId, file});
            shot.load(file);
        } while (!inkNear(shot, {400 - overlay.left(), 300 - overlay.top()}) &&
                 waited.elapsed() < waitLimitMs);
    }
    m_program->stop();
    qputenv("DISPLAY", previous);
    weston.terminate();
    if (!weston.waitForFinished(5000)) {
        weston.kill();
        weston.waitForFinished();
    }
    QVERIFY2(!toolbar.isEmpty(), "no toolbar under weston");
    QVERIFY2(onXcb, "the program did not choose XWayland");
    if (!pointer)
        QSKIP("weston's XWayland refuses synthetic pointer moves (xdotool mousemove) here: "
              "toolbar checked, the stroke could not be drawn");
    QVERIFY2(!overlay.isEmpty(), "drawing did not start under weston");
    QVERIFY2(inkNear(shot, {400 - overlay.left(), 300 - overlay.top()}),
             "the stroke is not in the overlay");
}

QTEST_MAIN(TestDesktopGui)
#include "tst_desktopgui.moc"
