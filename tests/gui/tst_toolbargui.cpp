// Drives the real program with xdotool: drawing switch, pen stroke, rectangle
// from the shape chooser, undo, pass-through and the screenshot button. Every
// step waits for what it caused (a window, pixels on screen, a window state)
// instead of sleeping, so a slow machine only makes the run longer.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <functional>

namespace {

constexpr int waitLimitMs = 15000;

// A plain window under the overlay that counts the clicks it gets.
class ClickTarget : public QWidget
{
public:
    int clicks = 0;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        ++clicks;
        event->accept();
    }
};

bool isInk(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

// Whether any pixel within 4 px of the point shows the red pen.
bool inkNear(const QImage &image, QPoint at)
{
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.rect().contains(p) && isInk(image.pixel(p)))
                return true;
        }
    return false;
}

bool isWhite(const QImage &image, QPoint at)
{
    return image.rect().contains(at) && image.pixel(at) == qRgb(255, 255, 255);
}

QString number(int value)
{
    return QString::number(value);
}

} // namespace

class TestToolbarGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void drawStrokeAndRectangle();
    void undoFromToolbar();
    void passThroughLetsClicksThrough();
    void screenshotButtonWritesJpeg();

private:
    QByteArray run(const QString &tool, const QStringList &args);
    bool xdo(const QStringList &args);
    QRect windowGeometry(const QString &title);
    QString windowId(const QString &title);
    QRect waitForWindow(const QString &title);
    bool waitForNoWindow(const QString &title);
    bool waitForScreen(const std::function<bool(const QImage &)> &holds, const QString &name);
    QPoint buttonCentre(int index) const;
    void hover(QPoint at);
    void click(QPoint at);
    bool toolbarShown(const QImage &shot) const;

    QTemporaryDir m_home;
    QProcess m_program;
    QRect m_toolbar;
    ClickTarget m_target;
};

QByteArray TestToolbarGui::run(const QString &tool, const QStringList &args)
{
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}

bool TestToolbarGui::xdo(const QStringList &args)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), args);
    return tool.waitForFinished(10000) && tool.exitCode() == 0;
}

// Geometry of the program's visible window with this title; empty while none.
QRect TestToolbarGui::windowGeometry(const QString &title)
{
    const QByteArray out =
        run(QStringLiteral("xdotool"),
            {"search", "--all", "--onlyvisible", "--pid", number(m_program.processId()), "--name",
             title, "getwindowgeometry", "--shell"});
    QHash<QByteArray, int> values;
    for (const QByteArray &line : out.split('\n')) {
        const QList<QByteArray> pair = line.split('=');
        if (pair.size() == 2 && !values.contains(pair.at(0)))
            values.insert(pair.at(0), pair.at(1).toInt());
    }
    if (!values.contains("WIDTH"))
        return {};
    return {values.value("X"), values.value("Y"), values.value("WIDTH"), values.value("HEIGHT")};
}

// Polls until the window shows with the same geometry three times running:
// searches can miss windows while the program creates and drops others.
QRect TestToolbarGui::waitForWindow(const QString &title)
{
    QElapsedTimer waited;
    waited.start();
    QRect last;
    int same = 0;
    while (waited.elapsed() < waitLimitMs) {
        const QRect now = windowGeometry(title);
        same = !now.isEmpty() && now == last ? same + 1 : 0;
        last = now;
        if (same == 2)
            return now;
        QTest::qWait(50);
    }
    return {};
}

bool TestToolbarGui::waitForNoWindow(const QString &title)
{
    QElapsedTimer waited;
    waited.start();
    int absent = 0;
    while (waited.elapsed() < waitLimitMs) {
        absent = windowGeometry(title).isEmpty() ? absent + 1 : 0;
        if (absent == 3)
            return true;
        QTest::qWait(50);
    }
    return false;
}

QString TestToolbarGui::windowId(const QString &title)
{
    const QByteArray out =
        run(QStringLiteral("xdotool"), {"search", "--all", "--onlyvisible", "--pid",
                                        number(m_program.processId()), "--name", title});
    return QString::fromLatin1(out.split('\n').constFirst().trimmed());
}

// Grabs the screen until the condition holds; the last grab is kept as an
// artefact under the name given.
bool TestToolbarGui::waitForScreen(const std::function<bool(const QImage &)> &holds,
                                   const QString &name)
{
    QElapsedTimer waited;
    waited.start();
    QImage shot;
    bool ok = false;
    do {
        QTest::qWait(50);
        shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        ok = holds(shot);
    } while (!ok && waited.elapsed() < waitLimitMs);
    QDir().mkpath(QStringLiteral(SHOT_DIR));
    shot.save(QStringLiteral(SHOT_DIR "/") + name + QStringLiteral(".png"));
    return ok;
}

// Buttons of the toolbar, from 0 (collapse) to 13 (menu): logo 31 px and a gap
// of 7, then 26 px buttons 3 px apart with a 1 px separator from the second on.
QPoint TestToolbarGui::buttonCentre(int index) const
{
    const int panelTop = m_toolbar.top() + 31 + 7;
    const int top = index == 0 ? 0 : 29 + (index - 1) * 33;
    return {m_toolbar.left() + m_toolbar.width() / 2, panelTop + top + 13};
}

// The toolbar is on top when its white panel shows beside the pen button.
bool TestToolbarGui::toolbarShown(const QImage &shot) const
{
    return isWhite(shot, {m_toolbar.left() + 2, buttonCentre(2).y()});
}

// Enters the point from just beside it, so the button sees a hover enter.
void TestToolbarGui::hover(QPoint at)
{
    QVERIFY(xdo({"mousemove", number(at.x() - 3), number(at.y() - 3)}));
    QTest::qWait(50);
    QVERIFY(xdo({"mousemove", number(at.x()), number(at.y())}));
    QTest::qWait(50);
}

void TestToolbarGui::click(QPoint at)
{
    hover(at);
    QVERIFY(xdo({"click", "1"}));
}

void TestToolbarGui::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X display (scripts/test.sh starts one)");
    QVERIFY(m_home.isValid());

    // A settings store and a socket folder of our own: a copy of the program
    // running elsewhere on the machine must not answer the single-instance call.
    const QString config = m_home.filePath(QStringLiteral("config"));
    const QString captures = m_home.filePath(QStringLiteral("captures"));
    QDir().mkpath(m_home.filePath(QStringLiteral("tmp")));
    {
        QSettings store(config + QStringLiteral("/tallowby/settings.conf"), QSettings::IniFormat);
        store.setValue(QStringLiteral("screenSavePath"), captures);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    env.insert(QStringLiteral("TMPDIR"), m_home.filePath(QStringLiteral("tmp")));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    m_program.setProcessEnvironment(env);
    m_program.setProcessChannelMode(QProcess::ForwardedChannels);
    m_program.start(QStringLiteral(QUILLMARK_PROGRAM), {});
    QVERIFY(m_program.waitForStarted());

    const QString toolbarTitle = QStringLiteral("^主窗口$");
    m_toolbar = waitForWindow(toolbarTitle);
    QVERIFY2(!m_toolbar.isEmpty(), "the toolbar did not appear");
    QCOMPARE(m_toolbar.width(), 33);
    QVERIFY2(waitForScreen([this](const QImage &shot) { return toolbarShown(shot); },
                           QStringLiteral("started")),
             "the toolbar is not drawn");

    // A window of another program under the overlay, for the pass-through.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    m_target.setWindowTitle(QStringLiteral("click target"));
    m_target.setGeometry(200, screen.height() - 300, 300, 200);
    m_target.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_target));
}

void TestToolbarGui::cleanupTestCase()
{
    if (m_program.state() != QProcess::NotRunning) {
        m_program.terminate();
        if (!m_program.waitForFinished(5000)) {
            m_program.kill();
            m_program.waitForFinished(5000);
        }
    }
}

void TestToolbarGui::drawStrokeAndRectangle()
{
    // Drawing on: the overlay covers the screen and the toolbar stays above it.
    click(buttonCentre(1));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(waitForWindow(QStringLiteral("^draw$")), screen);
    // The toolbar is mapped afresh on top of the overlay.
    m_toolbar = waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY(!m_toolbar.isEmpty());
    QVERIFY2(waitForScreen([this](const QImage &shot) { return toolbarShown(shot); },
                           QStringLiteral("drawing-on")),
             "the overlay covers the toolbar");

    // A freehand stroke.
    QVERIFY(xdo({"mousemove", "600", "300", "mousedown", "1"}));
    for (int x = 620; x <= 800; x += 20)
        QVERIFY(xdo({"mousemove", number(x), "300"}));
    QVERIFY(xdo({"mouseup", "1"}));
    QVERIFY2(waitForScreen(
                 [](const QImage &shot) {
                     return inkNear(shot, {700, 300});
                 },
                 QStringLiteral("stroke")),
             "the stroke is not on screen");

    // The rectangle, fourth entry of the shape chooser that opens on hover.
    hover(buttonCentre(3));
    const QRect chooser = waitForWindow(QStringLiteral("^Sub Window$"));
    QVERIFY2(!chooser.isEmpty(), "no chooser opened");
    QCOMPARE(chooser.left(), m_toolbar.right() + 1);
    const QPoint rectangleEntry(chooser.center().x(), chooser.top() + 8 + 3 * 24 + 11);
    QVERIFY2(
        waitForScreen(
            [&](const QImage &shot) { return isWhite(shot, chooser.topLeft() + QPoint(2, 12)); },
            QStringLiteral("shape-chooser")),
        "the chooser is not drawn");
    click(rectangleEntry);
    QVERIFY2(waitForNoWindow(QStringLiteral("^Sub Window$")), "the chooser stayed open");

    QVERIFY(xdo({"mousemove", "900", "500", "mousedown", "1"}));
    for (int step = 1; step <= 10; ++step)
        QVERIFY(xdo({"mousemove", number(900 + step * 20), number(500 + step * 15)}));
    QVERIFY(xdo({"mouseup", "1"}));
    QVERIFY(xdo({"mousemove", "1300", "900"}));

    QImage shot;
    QVERIFY2(waitForScreen(
                 [&shot](const QImage &grabbed) {
                     shot = grabbed;
                     return inkNear(grabbed, {1000, 500}) && inkNear(grabbed, {1100, 575});
                 },
                 QStringLiteral("drawn")),
             "the rectangle is not on screen");
    QVERIFY2(inkNear(shot, {700, 300}), "the stroke went away");
    QVERIFY2(!inkNear(shot, {1000, 575}), "the rectangle is filled");
}

void TestToolbarGui::undoFromToolbar()
{
    // Undo removes the rectangle and keeps the stroke.
    click(buttonCentre(5));
    QVERIFY(xdo({"mousemove", "1300", "900"}));
    QVERIFY2(waitForScreen(
                 [](const QImage &shot) {
                     return !inkNear(shot, {1100, 575});
                 },
                 QStringLiteral("undone")),
             "the rectangle is still there");
    QVERIFY(waitForScreen(
        [](const QImage &shot) {
            return inkNear(shot, {700, 300});
        },
        QStringLiteral("undone")));
}

void TestToolbarGui::passThroughLetsClicksThrough()
{
    // The overlay sits above all windows once it lets input through.
    const QString overlay = windowId(QStringLiteral("^draw$"));
    QVERIFY(!overlay.isEmpty());
    click(buttonCentre(1));
    QTRY_VERIFY_WITH_TIMEOUT(run(QStringLiteral("xprop"), {"-id", overlay, "_NET_WM_STATE"})
                                 .contains("_NET_WM_STATE_ABOVE"),
                             waitLimitMs);

    const int before = m_target.clicks;
    click(m_target.geometry().center());
    QTRY_VERIFY_WITH_TIMEOUT(m_target.clicks > before, waitLimitMs);
    QVERIFY2(waitForScreen(
                 [](const QImage &shot) {
                     return inkNear(shot, {700, 300});
                 },
                 QStringLiteral("pass-through")),
             "the drawing went away in pass-through");
}

void TestToolbarGui::screenshotButtonWritesJpeg()
{
    const QDir captures(m_home.filePath(QStringLiteral("captures")));
    click(buttonCentre(8));
    QTRY_VERIFY_WITH_TIMEOUT(!captures.entryList({"draw_*.jpg"}, QDir::Files).isEmpty(),
                             waitLimitMs);
    const QString file = captures.entryList({"draw_*.jpg"}, QDir::Files).constFirst();
    // The name may show up before the last byte is written.
    QImage capture;
    QTRY_VERIFY_WITH_TIMEOUT(capture.load(captures.filePath(file)), waitLimitMs);
    QCOMPARE(capture.size(), QGuiApplication::primaryScreen()->geometry().size());
    QVERIFY(inkNear(capture, {700, 300}));
}

QTEST_MAIN(TestToolbarGui)

#include "tst_toolbargui.moc"
