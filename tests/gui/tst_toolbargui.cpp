// Drives the real program with xdotool: drawing switch, pen stroke, rectangle
// from the shape chooser, undo, the settings window over the overlay,
// pass-through and the screenshot button. Every step waits for what it caused
// (a window, pixels on screen, a window state) instead of sleeping, so a slow
// machine only makes the run longer.
#include "programdriver.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QtTest>

#include <optional>

namespace {

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

bool isWhite(const QImage &image, QPoint at)
{
    return image.rect().contains(at) && image.pixel(at) == qRgb(255, 255, 255);
}

// Ids of the program's visible windows, bottom to top as the window manager
// stacks them; nullopt when either query did not get through.
std::optional<QStringList> stackedWindows(const ProgramDriver &program)
{
    const std::optional<QStringList> visible = program.visibleWindowIds();
    const QByteArray stacking =
        runTool(QStringLiteral("xprop"), {"-root", "_NET_CLIENT_LIST_STACKING"});
    if (!visible || !stacking.contains('#'))
        return std::nullopt;
    QStringList ids;
    for (const QByteArray &entry : stacking.mid(stacking.indexOf('#') + 1).split(',')) {
        bool ok = false;
        const QString id = QString::number(entry.trimmed().toULongLong(&ok, 16));
        if (ok && visible->contains(id))
            ids.append(id);
    }
    return ids;
}

} // namespace

class TestToolbarGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void drawStrokeAndRectangle();
    void undoFromToolbar();
    void settingsStayAboveOverlay();
    void passThroughLetsClicksThrough();
    void screenshotButtonWritesJpeg();

private:
    bool toolbarShown(const QImage &shot) const;

    ProgramDriver m_program{QStringLiteral(SHOT_DIR), QString()};
    QRect m_toolbar;
    ClickTarget m_target;
};

// The toolbar is on top when its white panel shows beside the pen button.
bool TestToolbarGui::toolbarShown(const QImage &shot) const
{
    return isWhite(shot,
                   {m_toolbar.left() + 2, toolbarButtonCentre(m_toolbar, ToolbarButton::Pen).y()});
}

void TestToolbarGui::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X display (scripts/test.sh starts one)");
    QVERIFY(m_program.isValid());
    QVERIFY(
        m_program.start(QStringLiteral(QUILLMARK_PROGRAM), {}, ProgramDriver::Output::Forwarded));

    const QString toolbarTitle = QStringLiteral("^主窗口$");
    m_toolbar = m_program.waitForWindow(toolbarTitle);
    QVERIFY2(!m_toolbar.isEmpty(), "the toolbar did not appear");
    QCOMPARE(m_toolbar.width(), 33);
    QVERIFY2(m_program.waitForScreen([this](const QImage &shot) { return toolbarShown(shot); },
                                     QStringLiteral("started")),
             "the toolbar is not drawn");

    // A window of another program under the overlay, for the pass-through.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    m_target.setWindowTitle(QStringLiteral("click target"));
    m_target.setGeometry(200, screen.height() - 300, 300, 200);
    m_target.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_target));
}

void TestToolbarGui::cleanup()
{
    m_program.keepEvidenceOnFailure();
}

void TestToolbarGui::cleanupTestCase()
{
    m_program.stop();
}

void TestToolbarGui::drawStrokeAndRectangle()
{
    // Drawing on: the overlay covers the screen and the toolbar stays above it.
    QVERIFY(click(toolbarButtonCentre(m_toolbar, ToolbarButton::DrawingSwitch)));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(m_program.waitForWindow(QStringLiteral("^draw$")), screen);
    // The toolbar is mapped afresh on top of the overlay.
    m_toolbar = m_program.waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY(!m_toolbar.isEmpty());
    QVERIFY2(m_program.waitForScreen([this](const QImage &shot) { return toolbarShown(shot); },
                                     QStringLiteral("drawing-on")),
             "the overlay covers the toolbar");

    // A freehand stroke.
    QVERIFY(drawStroke({700, 300}));
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return inkNear(shot, {700, 300});
                 },
                 QStringLiteral("stroke")),
             "the stroke is not on screen");

    // The rectangle, fourth entry of the shape chooser that opens on hover.
    QVERIFY(hover(toolbarButtonCentre(m_toolbar, ToolbarButton::Shapes)));
    const QRect chooser = m_program.waitForWindow(QStringLiteral("^Sub Window$"));
    QVERIFY2(!chooser.isEmpty(), "no chooser opened");
    QCOMPARE(chooser.left(), m_toolbar.right() + 1);
    const QPoint rectangleEntry(chooser.center().x(), chooser.top() + 8 + 3 * 24 + 11);
    QVERIFY2(
        m_program.waitForScreen(
            [&](const QImage &shot) { return isWhite(shot, chooser.topLeft() + QPoint(2, 12)); },
            QStringLiteral("shape-chooser")),
        "the chooser is not drawn");
    QVERIFY(click(rectangleEntry));
    QVERIFY2(m_program.waitForNoWindow(QStringLiteral("^Sub Window$")), "the chooser stayed open");

    QVERIFY(xdo({"mousemove", "900", "500", "mousedown", "1"}));
    for (int step = 1; step <= 10; ++step)
        QVERIFY(xdo({"mousemove", number(900 + step * 20), number(500 + step * 15)}));
    QVERIFY(xdo({"mouseup", "1"}));
    QVERIFY(xdo({"mousemove", "1300", "900"}));

    QImage shot;
    QVERIFY2(m_program.waitForScreen(
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
    QVERIFY(click(toolbarButtonCentre(m_toolbar, ToolbarButton::Undo)));
    QVERIFY(xdo({"mousemove", "1300", "900"}));
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return !inkNear(shot, {1100, 575});
                 },
                 QStringLiteral("undone")),
             "the rectangle is still there");
    QVERIFY(m_program.waitForScreen(
        [](const QImage &shot) {
            return inkNear(shot, {700, 300});
        },
        QStringLiteral("undone")));
}

void TestToolbarGui::settingsStayAboveOverlay()
{
    const QString overlay = m_program.waitForWindowId(QStringLiteral("^draw$"));
    QVERIFY(!overlay.isEmpty());
    const std::optional<QStringList> before = stackedWindows(m_program);
    QVERIFY(before);

    // "设置", third entry of the menu chooser.
    QVERIFY(hover(toolbarButtonCentre(m_toolbar, ToolbarButton::Menu)));
    const QRect chooser = m_program.waitForWindow(QStringLiteral("^Sub Window$"));
    QVERIFY2(!chooser.isEmpty(), "the menu did not open");
    QVERIFY(click({chooser.center().x(), chooser.top() + 8 + 2 * 24 + 11}));
    QVERIFY2(m_program.waitForNoWindow(QStringLiteral("^Sub Window$")), "the menu stayed open");
    QString settings;
    QVERIFY2(waitUntil([&] {
                 const std::optional<QStringList> now = stackedWindows(m_program);
                 for (const QString &id : now.value_or(QStringList()))
                     if (!before->contains(id))
                         settings = id;
                 return !settings.isEmpty();
             }),
             "the settings window did not open");

    // Drawing gives the overlay the focus back; the settings window stays on top.
    QVERIFY(xdo({"mousemove", "300", "800", "mousedown", "1"}));
    for (int x = 320; x <= 500; x += 20)
        QVERIFY(xdo({"mousemove", number(x), "800"}));
    QVERIFY(xdo({"mouseup", "1"}));
    QVERIFY2(waitUntil([&] {
                 return runTool(QStringLiteral("xdotool"), {"getactivewindow"}).trimmed() ==
                        overlay.toLatin1();
             }),
             "the overlay did not take the focus");
    QVERIFY2(waitUntil([&] {
                 const std::optional<QStringList> stacked = stackedWindows(m_program);
                 return stacked && stacked->contains(overlay) &&
                        stacked->indexOf(settings) > stacked->indexOf(overlay);
             }),
             "the settings window is not above the overlay");
    const QRect area = waitForSettledGeometry([&] { return windowGeometryOf(settings); });
    QVERIFY(!area.isEmpty());
    QVERIFY2(m_program.waitForScreen(
                 [&](const QImage &shot) {
                     return inkNear(shot, {400, 800}) &&
                            isWhite(shot, {area.center().x(), area.top() + 10});
                 },
                 QStringLiteral("settings-over-overlay")),
             "the overlay covers the settings window");

    // Its close button, top right.
    QVERIFY(click(area.topRight() + QPoint(-20, 20)));
    QVERIFY2(waitUntil([&] {
                 const std::optional<QStringList> stacked = stackedWindows(m_program);
                 return stacked && !stacked->contains(settings);
             }),
             "the settings window stayed open");
}

void TestToolbarGui::passThroughLetsClicksThrough()
{
    // The overlay sits above all windows once it lets input through.
    const QString overlay = m_program.waitForWindowId(QStringLiteral("^draw$"));
    QVERIFY(!overlay.isEmpty());
    QVERIFY(click(toolbarButtonCentre(m_toolbar, ToolbarButton::DrawingSwitch)));
    QVERIFY2(waitUntil([&] {
                 return runTool(QStringLiteral("xprop"), {"-id", overlay, "_NET_WM_STATE"})
                     .contains("_NET_WM_STATE_ABOVE");
             }),
             "the overlay is not kept above");

    const int before = m_target.clicks;
    QVERIFY(click(m_target.geometry().center()));
    QTRY_VERIFY_WITH_TIMEOUT(m_target.clicks > before, waitLimitMs);
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return inkNear(shot, {700, 300});
                 },
                 QStringLiteral("pass-through")),
             "the drawing went away in pass-through");
}

void TestToolbarGui::screenshotButtonWritesJpeg()
{
    const QDir captures(m_program.capturesPath());
    QVERIFY(click(toolbarButtonCentre(m_toolbar, ToolbarButton::Screenshot)));
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
