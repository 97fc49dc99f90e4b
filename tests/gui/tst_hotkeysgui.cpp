// The real program's system-wide hot keys, pressed with xdotool while a window
// of another program (a plain window of this test) has the keyboard focus.
// Each step waits for the program's log line and for what the key did on
// screen, never for a fixed time.
#include "programdriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <QtTest>

#include <optional>

namespace {

// The window that has the focus while the keys are pressed; it records what
// reaches it.
class FocusHolder : public QWidget
{
public:
    QList<int> keys;
    int clicks = 0;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() != Qt::Key_Control && event->key() != Qt::Key_Alt)
            keys << event->key();
        event->accept();
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        ++clicks;
        event->accept();
    }
};

// Strokes across x 600..800 at these heights.
const QPoint firstStroke(700, 300);
const QPoint secondStroke(700, 450);
const QPoint thirdStroke(700, 600);

} // namespace

class TestHotkeysGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void penKeyShowsOverlayAndDraws();
    void closeDrawKeyLetsClicksThrough();
    void undoRedoAndClearActOnTheScreen();
    void savedSequenceReplacesTheOldOne();
    void keySetToNoneReachesTheFocusedWindow();
    void keysFollowTheKeyboardMap();

private:
    void focusHolder();
    void pressKey(const QString &keys);

    ProgramDriver m_program{QStringLiteral(SHOT_DIR), QStringLiteral("hotkeys-")};
    QRect m_toolbar;
    FocusHolder m_holder;
    bool m_failed = false;
};

// Gives the keyboard focus to the holder, as a user switching programs would.
void TestHotkeysGui::focusHolder()
{
    QVERIFY(xdo({"windowactivate", "--sync", number(int(m_holder.winId()))}));
    QTRY_VERIFY_WITH_TIMEOUT(m_holder.isActiveWindow(), waitLimitMs);
    // The window manager may announce the change a moment after the focus moved.
    QVERIFY2(waitUntil([this] {
                 return runTool(QStringLiteral("xdotool"), {"getactivewindow"})
                            .trimmed()
                            .toULongLong() == quint64(m_holder.winId());
             }),
             "the holder is not the active window");
}

void TestHotkeysGui::pressKey(const QString &keys)
{
    QVERIFY(xdo({"key", keys}));
}

void TestHotkeysGui::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X display (scripts/test.sh starts one)");
    QVERIFY(m_program.isValid());

    // The defaults for the hot keys but the arrow key, which is switched off;
    // Chinese names in the log.
    QVERIFY(m_program.start(QStringLiteral(QUILLMARK_PROGRAM),
                            {{QStringLiteral("appLanguage"), QStringLiteral("zh_CN")},
                             {QStringLiteral("arrowKey"), QStringLiteral("none")}},
                            ProgramDriver::Output::Captured));

    m_toolbar = m_program.waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY2(!m_toolbar.isEmpty(), "the toolbar did not appear");

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    m_holder.setWindowTitle(QStringLiteral("focus holder"));
    m_holder.setGeometry(200, screen.height() - 300, 300, 200);
    m_holder.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_holder));
}

void TestHotkeysGui::cleanupTestCase()
{
    runTool(QStringLiteral("setxkbmap"), {"us"});
    m_program.stop();
    // The program's log explains a failure.
    if (m_failed)
        qInfo().noquote() << QString::fromUtf8(m_program.log());
}

void TestHotkeysGui::cleanup()
{
    m_failed = m_failed || QTest::currentTestFailed();
    m_program.keepEvidenceOnFailure();
}

void TestHotkeysGui::penKeyShowsOverlayAndDraws()
{
    focusHolder();
    const qsizetype from = m_program.log().size();
    pressKey(QStringLiteral("ctrl+e"));
    QVERIFY2(m_program.waitForLogLine(QStringLiteral("画笔"), from), "the pen key was not logged");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(m_program.waitForWindow(QStringLiteral("^draw$")), screen);
    // The key went to the program, not to the focused window.
    QVERIFY(m_holder.keys.isEmpty());

    // Drawing is on: strokes land on the overlay.
    QVERIFY(drawStroke(firstStroke));
    QVERIFY(drawStroke(secondStroke));
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return inkNear(shot, firstStroke) && inkNear(shot, secondStroke);
                 },
                 QStringLiteral("drawn")),
             "the strokes are not on screen");
}

void TestHotkeysGui::closeDrawKeyLetsClicksThrough()
{
    const QString overlay = m_program.waitForWindowId(QStringLiteral("^draw$"));
    QVERIFY(!overlay.isEmpty());
    focusHolder();
    const qsizetype from = m_program.log().size();
    pressKey(QStringLiteral("ctrl+q"));
    QVERIFY(m_program.waitForLogLine(QStringLiteral("退出绘制模式"), from));
    QVERIFY2(waitUntil([&] {
                 return runTool(QStringLiteral("xprop"), {"-id", overlay, "_NET_WM_STATE"})
                     .contains("_NET_WM_STATE_ABOVE");
             }),
             "the overlay is not kept above");

    // A click over the holder reaches it through the overlay.
    const int before = m_holder.clicks;
    const QPoint target = m_holder.geometry().center();
    QVERIFY(xdo({"mousemove", number(target.x()), number(target.y()), "click", "1"}));
    QTRY_VERIFY_WITH_TIMEOUT(m_holder.clicks > before, waitLimitMs);
    QVERIFY(m_program.waitForScreen(
        [](const QImage &shot) {
            return inkNear(shot, firstStroke) && inkNear(shot, secondStroke);
        },
        QStringLiteral("pass-through")));
}

void TestHotkeysGui::undoRedoAndClearActOnTheScreen()
{
    focusHolder();
    qsizetype from = m_program.log().size();
    pressKey(QStringLiteral("ctrl+z"));
    QVERIFY(m_program.waitForLogLine(QStringLiteral("撤销操作"), from));
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return inkNear(shot, firstStroke) && !inkNear(shot, secondStroke);
                 },
                 QStringLiteral("undone")),
             "undo did not remove the last stroke");

    from = m_program.log().size();
    pressKey(QStringLiteral("ctrl+y"));
    QVERIFY(m_program.waitForLogLine(QStringLiteral("恢复操作"), from));
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return inkNear(shot, firstStroke) && inkNear(shot, secondStroke);
                 },
                 QStringLiteral("redone")),
             "redo did not bring the stroke back");

    from = m_program.log().size();
    pressKey(QStringLiteral("ctrl+l"));
    QVERIFY(m_program.waitForLogLine(QStringLiteral("清除画布"), from));
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return !inkNear(shot, firstStroke) && !inkNear(shot, secondStroke);
                 },
                 QStringLiteral("cleared")),
             "clear left strokes on screen");
    // With the default settings Ctrl+L also belongs to the line mode, which stays silent.
    QVERIFY(m_program.waitForLogLine(
        QStringLiteral("直线模式 与 clearKey 的热键相同，由 clearKey 响应"), from));

    // Clearing is one undoable step: undo brings both strokes back.
    from = m_program.log().size();
    pressKey(QStringLiteral("ctrl+z"));
    QVERIFY(m_program.waitForLogLine(QStringLiteral("撤销操作"), from));
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return inkNear(shot, firstStroke) && inkNear(shot, secondStroke);
                 },
                 QStringLiteral("clear-undone")),
             "undo after Ctrl+L did not bring the drawing back");
    from = m_program.log().size();
    pressKey(QStringLiteral("ctrl+l"));
    QVERIFY(m_program.waitForLogLine(QStringLiteral("清除画布"), from));
    QVERIFY(m_program.waitForScreen(
        [](const QImage &shot) {
            return !inkNear(shot, firstStroke) && !inkNear(shot, secondStroke);
        },
        QStringLiteral("cleared-again")));
    QVERIFY(m_holder.isActiveWindow());
    QVERIFY(m_holder.keys.isEmpty());
}

void TestHotkeysGui::savedSequenceReplacesTheOldOne()
{
    // The new pen key goes into the store; any save in the settings window
    // (here the screenshot folder, confirmed with Return) reloads the settings
    // and tells the toolbar through changeHotKey.
    {
        QSettings store(m_program.settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("penKey"), QStringLiteral("Ctrl+Alt+J"));
    }
    // Third entry, "设置".
    QVERIFY2(m_program.pickMenuEntry(m_toolbar, 2, QStringLiteral("menu")),
             "the menu did not open");
    const QRect settings = m_program.waitForSettingsWindow();
    QVERIFY2(!settings.isEmpty(), "the settings window did not open");
    // The folder box sits under its caption, below the drag strip.
    const QPoint pathBox = settings.topLeft() + QPoint(100, 105);
    // A window mapped a moment ago may not take input yet: click and confirm
    // again until the save is logged (saving the same folder twice is harmless).
    qsizetype from = m_program.log().size();
    QElapsedTimer waited;
    waited.start();
    do {
        QVERIFY(xdo({"mousemove", number(pathBox.x()), number(pathBox.y()), "click", "1"}));
        QVERIFY(xdo({"key", "Return"}));
    } while (!m_program.waitForLogLine(QStringLiteral("Hot key has been changed"), from, 1000) &&
             waited.elapsed() < waitLimitMs);
    QVERIFY2(m_program.waitForLogLine(QStringLiteral("Hot key has been changed"), from),
             "the toolbar was not told about the change");

    // The old sequence does nothing: the undo key pressed after it is logged
    // with no pen line before it.
    focusHolder();
    from = m_program.log().size();
    pressKey(QStringLiteral("ctrl+e"));
    pressKey(QStringLiteral("ctrl+z"));
    QVERIFY(m_program.waitForLogLine(QStringLiteral("撤销操作"), from));
    QVERIFY2(!m_program.logHasLine(QStringLiteral("画笔"), from), "the old pen key still acts");
    // Released, it reaches the focused window like any other key.
    QTRY_COMPARE_WITH_TIMEOUT(m_holder.keys, QList<int>{Qt::Key_E}, waitLimitMs);

    // The new one switches drawing on at once.
    from = m_program.log().size();
    pressKey(QStringLiteral("ctrl+alt+j"));
    QVERIFY2(m_program.waitForLogLine(QStringLiteral("画笔"), from),
             "the new pen key does not act");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(m_program.waitForWindow(QStringLiteral("^draw$")), screen);
    QVERIFY(drawStroke(thirdStroke));
    QVERIFY2(m_program.waitForScreen([](const QImage &shot) { return inkNear(shot, thirdStroke); },
                                     QStringLiteral("new-pen-key")),
             "drawing is not on after the new pen key");
    QCOMPARE(m_holder.keys, QList<int>{Qt::Key_E});
}

void TestHotkeysGui::keySetToNoneReachesTheFocusedWindow()
{
    focusHolder();
    m_holder.keys.clear();
    const qsizetype from = m_program.log().size();
    pressKey(QStringLiteral("ctrl+a"));
    pressKey(QStringLiteral("ctrl+r"));
    // The rectangle key, still on its default, acts after the arrow key was pressed.
    QVERIFY(m_program.waitForLogLine(QStringLiteral("矩形模式"), from));
    QVERIFY2(!m_program.logHasLine(QStringLiteral("箭头模式"), from),
             "the switched-off arrow key still acts");
    QTRY_COMPARE_WITH_TIMEOUT(m_holder.keys, QList<int>{Qt::Key_A}, waitLimitMs);
}

// A German map swaps Z and Y: Ctrl+Z must still undo (and Ctrl+Y redo), by their
// symbols, on either map. xdotool presses the key that carries the symbol now.
void TestHotkeysGui::keysFollowTheKeyboardMap()
{
    const auto switchMap = [this](const QString &layout) {
        const qsizetype from = m_program.log().size();
        runTool(QStringLiteral("setxkbmap"), {layout});
        return m_program.waitForLogLine(QStringLiteral("键盘布局已更改，热键已重新注册"), from);
    };
    const auto strokeShown = [this](bool shown, const QString &name) {
        return m_program.waitForScreen(
            [shown](const QImage &shot) { return inkNear(shot, thirdStroke) == shown; }, name);
    };
    focusHolder();
    QVERIFY2(switchMap(QStringLiteral("de")), "the program did not see the new map");
    qsizetype from = m_program.log().size();
    pressKey(QStringLiteral("ctrl+z"));
    QVERIFY2(m_program.waitForLogLine(QStringLiteral("撤销操作"), from), "Ctrl+Z did not undo");
    QVERIFY2(!m_program.logHasLine(QStringLiteral("恢复操作"), from), "Ctrl+Z redid");
    QVERIFY2(strokeShown(false, QStringLiteral("de-undone")), "the stroke stayed");

    QVERIFY2(switchMap(QStringLiteral("us")), "the program did not see the map come back");
    from = m_program.log().size();
    pressKey(QStringLiteral("ctrl+y"));
    QVERIFY2(m_program.waitForLogLine(QStringLiteral("恢复操作"), from), "Ctrl+Y did not redo");
    QVERIFY2(strokeShown(true, QStringLiteral("us-redone")), "the stroke did not come back");
    from = m_program.log().size();
    pressKey(QStringLiteral("ctrl+z"));
    QVERIFY2(m_program.waitForLogLine(QStringLiteral("撤销操作"), from), "Ctrl+Z did not undo");
    QVERIFY2(strokeShown(false, QStringLiteral("us-undone")), "the stroke stayed");
    QVERIFY(m_holder.keys.isEmpty() || m_holder.keys == QList<int>{Qt::Key_A});
}

QTEST_MAIN(TestHotkeysGui)

#include "tst_hotkeysgui.moc"
