// Actions on a Wayland desktop without a global-shortcuts portal (sway): a native
// window is the full-screen slide and has the focus, so no key grab can see a key.
// `--action draw` switches drawing on, and the desktop's own binding of Ctrl+Z to
// `--action undo` (a sway bindsym line as the help page gives it) undoes a stroke drawn
// through wayvnc.
#include "programdriver.h"
#include "swaydesktop.h"

#include <QFile>
#include <QImage>
#include <QtTest>

#include <memory>

namespace {

const QSize output(1280, 800);
const QPoint strokeFrom(300, 400);
const QPoint strokeTo(700, 420);

constexpr quint32 controlKey = 0xffe3;
constexpr quint32 zKey = 0x7a;

} // namespace

class TestWaylandActionsGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void drawActionSwitchesDrawingOn();
    void desktopBindingUndoes();

private:
    // The program's command line with this action, as the session's user runs it.
    QString actionCommand(const QString &action) const;
    bool inked(bool expected, const QString &name);

    SwayDesktop m_sway;
    std::unique_ptr<ProgramDriver> m_program;
};

QString TestWaylandActionsGui::actionCommand(const QString &action) const
{
    return QStringLiteral("env XDG_RUNTIME_DIR='%1' '%2' --action %3")
        .arg(m_program->runtimePath(), QStringLiteral(QUILLMARK_PROGRAM), action);
}

bool TestWaylandActionsGui::inked(bool expected, const QString &name)
{
    return waitUntil([&] {
        const QImage screen =
            m_sway.screenshot(QStringLiteral(SHOT_DIR "/wayland-actions-%1.png").arg(name));
        const bool ink = inkNear(screen, {400, 405}) && inkNear(screen, {600, 415});
        return ink == expected;
    });
}

void TestWaylandActionsGui::initTestCase()
{
    if (const QString why = SwayDesktop::unavailableReason(); !why.isEmpty())
        QSKIP(qPrintable(why));
    QVERIFY(m_sway.start(output));
    if (m_sway.run(QStringLiteral("sh"), {"-c", "test -x '" QUILLMARK_PROGRAM "' && echo yes"})
            .isEmpty())
        QSKIP("the session's user cannot run the program from this build folder (a folder on "
              "the way is private): build it in a folder others may read");
    QVERIFY(m_sway.launch(QStringLiteral("foot"),
                          {"-o", "colors.background=2050a0", "sh", "-c", "exec sleep 3600"}));
    QVERIFY(waitUntil([this] {
        return m_sway.swaymsg({"-t", "get_tree"}).contains("\"app_id\": \"foot\"");
    }));
    m_sway.swaymsg({QStringLiteral("[app_id=foot] fullscreen enable, focus")});

    m_program = std::make_unique<ProgramDriver>(QStringLiteral(SHOT_DIR),
                                                QStringLiteral("wayland-actions-"));
    m_program->setSession(&m_sway);
    QVERIFY(m_program->start(QStringLiteral(QUILLMARK_PROGRAM),
                             {{QStringLiteral("appLanguage"), QStringLiteral("zh_CN")}},
                             ProgramDriver::Output::Captured));
    // sway offers no global-shortcuts portal: the program says so once.
    QVERIFY2(waitUntil([this] { return m_program->log().contains("请在桌面的快捷键设置中绑定"); }),
             m_program->log().right(3000).constData());
    // The user's binding, as sway's configuration would hold it.
    QVERIFY(!m_sway.swaymsg({QStringLiteral("bindsym ctrl+z exec ") + actionCommand("undo")})
                 .isEmpty());
}

void TestWaylandActionsGui::cleanupTestCase()
{
    if (m_program) {
        m_program->stop();
        QFile log(QStringLiteral(SHOT_DIR "/wayland-actions-program.log"));
        if (log.open(QIODevice::WriteOnly))
            log.write(m_program->log());
    }
    m_sway.stop();
}

void TestWaylandActionsGui::drawActionSwitchesDrawingOn()
{
    const qsizetype from = m_program->log().size();
    const QByteArray done = m_sway.run(
        QStringLiteral("sh"), {"-c", actionCommand("draw") + " && echo carried-out"}, 30000);
    QVERIFY2(done.contains("carried-out"), "--action draw did not end with 0");
    QVERIFY(m_program->waitForLogLine(QStringLiteral("动作: draw"), from));

    // Drawing is on: once the overlay covers the output, a drag over the slide draws.
    QVERIFY2(waitUntil([this] {
                 return m_sway.run(QStringLiteral("xwininfo"), {"-root", "-tree"})
                     .contains("\"draw\": (\"Quillmark\"");
             }),
             "no overlay");
    QTest::qWait(500);
    QVERIFY(m_sway.input().drag(strokeFrom, strokeTo));
    QVERIFY2(inked(true, QStringLiteral("drawn")), "the stroke is not on screen");
}

void TestWaylandActionsGui::desktopBindingUndoes()
{
    // The slide has the focus again, as when the presenter goes on talking.
    m_sway.swaymsg({QStringLiteral("[app_id=foot] focus")});
    const qsizetype from = m_program->log().size();
    QVERIFY(m_sway.input().key(controlKey, true));
    QVERIFY(m_sway.input().tap(zKey));
    QVERIFY(m_sway.input().key(controlKey, false));
    QVERIFY2(m_program->waitForLogLine(QStringLiteral("动作: undo"), from),
             "the binding did not reach the program");
    QVERIFY2(inked(false, QStringLiteral("undone")), "the stroke stayed");
}

QTEST_MAIN(TestWaylandActionsGui)

#include "tst_waylandactionsgui.moc"
