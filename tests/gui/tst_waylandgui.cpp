// The program in a real Wayland session (sway, headless, with XWayland and the desktop
// portals), over a native window shown full screen as a slide show would be: the toolbar
// shows at the right edge above the slide, a stroke drawn with a real pointer shows over
// it, a screenshot holds the slide and the ink, a chooser hovered for a while opens once,
// and the first stroke after the slide had the focus is drawn where the pen went.
#include "programdriver.h"
#include "swaydesktop.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QSize Output(1280, 800);
// The slide: a native terminal full screen, blue, with a line of large light text. The
// lines typed into it (not echoed) go to a file, as a slide show's keys would turn pages.
const QRgb SlideBlue = qRgb(0x20, 0x50, 0xa0);

bool isSlideBlue(QRgb pixel)
{
    return qAbs(qRed(pixel) - qRed(SlideBlue)) < 24 &&
           qAbs(qGreen(pixel) - qGreen(SlideBlue)) < 24 &&
           qAbs(qBlue(pixel) - qBlue(SlideBlue)) < 24;
}

// Light pixels of the slide's text in its first line.
int textPixels(const QImage &image)
{
    int light = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 400; ++x)
            light += qGray(image.pixel(x, y)) > 170 ? 1 : 0;
    return light;
}

} // namespace

class TestWaylandGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void toolbarAtTheRightEdgeAboveTheSlide();
    void strokeShowsOverTheSlide();
    void captureHoldsTheSlideAndTheInk();
    void hoveredChooserOpensOnce();
    void firstStrokeAfterTheSlideHadTheFocus();
    void passThroughGivesTheKeysToTheSlide();
    void passThroughReachesTheSlide();
    void passThroughShowsMessagesWhole();
    void drawingAgainDrawsEverywhere();
    void otherScreenKeepsOnlyItsDrawingInPassThrough();
    void withoutXWaylandSaysSoAndEnds();

private:
    // The geometry of the program's X window with this title; empty while there is none.
    QRect window(const QString &title) const;
    QList<QRect> windows(const QString &title) const;
    int xWindowCount() const;
    QImage shot(const QString &name) const;
    QString slideKeysPath() const;
    bool clickButton(ToolbarButton button);

    SwayDesktop m_sway;
    std::unique_ptr<ProgramDriver> m_program;
    QRect m_toolbar;
};

QList<QRect> TestWaylandGui::windows(const QString &title) const
{
    // 0x400006 "主窗口": ("Quillmark" "painter")  33x520+1127+120  +1127+120
    static const QRegularExpression line(QStringLiteral(
        "\"([^\"]*)\": "
        "\\(\"Quillmark\".*\\s(\\d+)x(\\d+)\\+(-?\\d+)\\+(-?\\d+)\\s+\\+(-?\\d+)\\+(-?\\d+)"));
    const QString tree =
        QString::fromUtf8(m_sway.run(QStringLiteral("xwininfo"), {"-root", "-tree"}));
    QList<QRect> found;
    for (const QString &entry : tree.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(entry);
        if (match.hasMatch() && match.captured(1) == title)
            found << QRect(match.captured(6).toInt(), match.captured(7).toInt(),
                           match.captured(2).toInt(), match.captured(3).toInt());
    }
    return found;
}

QRect TestWaylandGui::window(const QString &title) const
{
    const QList<QRect> found = windows(title);
    return found.isEmpty() ? QRect() : found.constFirst();
}

int TestWaylandGui::xWindowCount() const
{
    return int(m_sway.run(QStringLiteral("xwininfo"), {"-root", "-tree"}).count("0x"));
}

QImage TestWaylandGui::shot(const QString &name) const
{
    return m_sway.screenshot(QStringLiteral(SHOT_DIR "/wayland-%1.png").arg(name));
}

QString TestWaylandGui::slideKeysPath() const
{
    return m_sway.sessionEnvironment().value(QStringLiteral("XDG_RUNTIME_DIR")) +
           QStringLiteral("/slide-keys");
}

bool TestWaylandGui::clickButton(ToolbarButton button)
{
    const QPoint at = toolbarButtonCentre(m_toolbar, button);
    // Entering from beside the button, as a hand would.
    return m_sway.input().move(at - QPoint(4, 4)) && m_sway.input().move(at) &&
           (QTest::qWait(100), m_sway.input().click(at));
}

void TestWaylandGui::initTestCase()
{
    if (const QString why = SwayDesktop::unavailableReason(); !why.isEmpty())
        QSKIP(qPrintable(why));
    QVERIFY(m_sway.start(Output));
    if (m_sway.run(QStringLiteral("sh"), {"-c", "test -x '" QUILLMARK_PROGRAM "' && echo yes"})
            .isEmpty())
        QSKIP("the session's user cannot run the program from this build folder (a folder on "
              "the way is private): build it in a folder others may read");
    QVERIFY(
        m_sway.launch(QStringLiteral("foot"),
                      {"-o", "colors.background=2050a0", "-o", "font=monospace:size=30", "sh", "-c",
                       "echo SLIDE TEXT; stty -echo; while read -r line; do echo \"$line\" "
                       ">>'" +
                           slideKeysPath() + "'; done"}));
    QVERIFY(waitUntil([this] {
        return m_sway.swaymsg({"-t", "get_tree"}).contains("\"app_id\": \"foot\"");
    }));
    m_sway.swaymsg({QStringLiteral("[app_id=foot] fullscreen enable, focus")});
    QVERIFY2(waitUntil([this] { return textPixels(m_sway.screenshot()) > 200; }),
             "the slide does not show");

    m_program =
        std::make_unique<ProgramDriver>(QStringLiteral(SHOT_DIR), QStringLiteral("wayland-"));
    m_program->setSession(&m_sway);
    QVERIFY(
        m_program->start(QStringLiteral(QUILLMARK_PROGRAM), {}, ProgramDriver::Output::Captured));
    m_toolbar = waitForSettledGeometry(
        [this]() -> std::optional<QRect> { return window(QStringLiteral("主窗口")); });
    QVERIFY2(!m_toolbar.isEmpty(), m_program->log().right(3000).constData());
}

void TestWaylandGui::cleanup()
{
    if (m_program)
        m_program->keepEvidenceOnFailure();
}

void TestWaylandGui::cleanupTestCase()
{
    if (m_program) {
        m_program->stop();
        // The program's log beside the screenshots, for a run that failed.
        QFile log(QStringLiteral(SHOT_DIR "/wayland-program.log"));
        if (log.open(QIODevice::WriteOnly))
            log.write(m_program->log());
    }
    m_sway.stop();
}

void TestWaylandGui::toolbarAtTheRightEdgeAboveTheSlide()
{
    QVERIFY2(m_toolbar.right() < Output.width() && m_toolbar.left() > Output.width() * 3 / 4,
             qPrintable(QStringLiteral("toolbar at %1,%2").arg(m_toolbar.x()).arg(m_toolbar.y())));
    // The toolbar's white panel, not the slide, shows where the toolbar is.
    const QPoint panel = toolbarButtonCentre(m_toolbar, ToolbarButton::Clear) + QPoint(0, 15);
    QVERIFY2(waitUntil([&] { return qGray(shot(QStringLiteral("toolbar")).pixel(panel)) > 200; }),
             "the full-screen slide hides the toolbar");
}

void TestWaylandGui::strokeShowsOverTheSlide()
{
    QVERIFY(clickButton(ToolbarButton::DrawingSwitch));
    QVERIFY2(
        waitUntil([this] { return window(QStringLiteral("draw")) == QRect(QPoint(0, 0), Output); }),
        "no overlay over the whole output");
    QTest::qWait(500);
    // XWayland reports a pointer that comes from the slide at the overlay's corner, the
    // press too: the stroke starts at the first move it reports right, a step or two on
    // when queued moves are merged.
    QVERIFY(m_sway.input().drag({300, 400}, {700, 420}));
    QVERIFY2(waitUntil([this] {
                 const QImage screen = shot(QStringLiteral("stroke"));
                 return inkNear(screen, {360, 403}) && inkNear(screen, {680, 419}) &&
                        isSlideBlue(screen.pixel(500, 600));
             }),
             "the stroke does not show over the slide");
    // A jump as fast as that corner's, but over the overlay: the press is real, and the
    // stroke starts where the button went down.
    QVERIFY(m_sway.input().drag({300, 500}, {700, 520}));
    QVERIFY2(waitUntil([this] {
                 return inkNear(shot(QStringLiteral("stroke-2")), {303, 500});
             }),
             "the stroke after a fast move lost its start");
}

void TestWaylandGui::captureHoldsTheSlideAndTheInk()
{
    const QDir captures(m_program->capturesPath());
    QVERIFY(clickButton(ToolbarButton::Screenshot));
    QVERIFY2(waitUntil([&] { return !captures.entryList({"draw_*.jpg"}, QDir::Files).isEmpty(); }),
             m_program->log().right(2000).constData());
    QImage capture;
    QTRY_VERIFY(capture.load(captures.filePath(captures.entryList({"draw_*.jpg"}).constFirst())));
    capture.save(QStringLiteral(SHOT_DIR "/wayland-capture.png"));
    QCOMPARE(capture.size(), Output);
    QVERIFY2(inkNear(capture, {500, 410}), "the capture misses the ink");
    QVERIFY2(isSlideBlue(capture.pixel(500, 600)), "the capture misses the slide");
    QVERIFY2(textPixels(capture) > 200, "the capture misses the slide's text");
}

void TestWaylandGui::hoveredChooserOpensOnce()
{
    const QPoint pen = toolbarButtonCentre(m_toolbar, ToolbarButton::Pen);
    QVERIFY(m_sway.input().move(pen - QPoint(0, 6)) && m_sway.input().move(pen));
    QRect chooser;
    QVERIFY2(waitUntil([&] { return !(chooser = window(QStringLiteral("Sub Window"))).isEmpty(); }),
             "the pen chooser does not open");
    QVERIFY2(chooser.left() >= m_toolbar.right() || chooser.right() <= m_toolbar.left(),
             "the chooser covers the toolbar");
    QVERIFY(!chooser.contains(pen));
    const int before = xWindowCount();
    // The pointer rests on the button, trembling a little, as a hand does.
    const int seconds = qEnvironmentVariableIntValue("QUILLMARK_HOVER_SECONDS") > 0
                            ? qEnvironmentVariableIntValue("QUILLMARK_HOVER_SECONDS")
                            : 8;
    QElapsedTimer hovering;
    hovering.start();
    for (int i = 0; hovering.elapsed() < seconds * 1000; ++i) {
        m_sway.input().move(pen + QPoint(i % 3 - 1, 0));
        QTest::qWait(100);
    }
    const int after = xWindowCount();
    QVERIFY2(after <= before, qPrintable(QStringLiteral("%1 X windows before, %2 after %3 s")
                                             .arg(before)
                                             .arg(after)
                                             .arg(seconds)));
    QCOMPARE(window(QStringLiteral("Sub Window")), chooser);
}

void TestWaylandGui::firstStrokeAfterTheSlideHadTheFocus()
{
    m_sway.swaymsg({QStringLiteral("[app_id=foot] focus")});
    QTest::qWait(300);
    QVERIFY(m_sway.input().drag({300, 600}, {700, 640}));
    QVERIFY2(waitUntil([this] {
                 const QImage screen = shot(QStringLiteral("first-stroke"));
                 return inkNear(screen, {320, 602}) && inkNear(screen, {680, 638});
             }),
             "the first stroke after the slide had the focus is lost");
    QVERIFY2(!inkNear(shot(QStringLiteral("first-stroke")), {5, 790}),
             "the stroke starts in a corner");
}

// Drawing switched off right after a stroke: the presenter's next keys (an arrow, a
// letter) go to the slide, with no click on it first.
void TestWaylandGui::passThroughGivesTheKeysToTheSlide()
{
    QVERIFY(clickButton(ToolbarButton::DrawingSwitch));
    QVERIFY2(waitUntil([this] {
                 const QRect cover = window(QStringLiteral("draw"));
                 return !cover.isEmpty() && !cover.contains(QPoint(1000, 720));
             }),
             "the overlay still covers the whole output in pass-through");
    // Right arrow, "n", Return, a moment after the switch, as a presenter would.
    QTest::qWait(400);
    QVERIFY(m_sway.input().tap(0xff53) && m_sway.input().tap(0x6e) && m_sway.input().tap(0xff0d));
    QFile keys(slideKeysPath());
    QVERIFY2(waitUntil([&keys] {
                 const bool read = keys.open(QIODevice::ReadOnly);
                 const bool arrived = read && keys.readAll().contains("\x1b[Cn");
                 keys.close();
                 return arrived;
             }),
             "the keys typed in pass-through do not reach the slide");
}

// Drawing switched off: the ink stays over the slide, and a click beside it reaches the
// slide.
void TestWaylandGui::passThroughReachesTheSlide()
{
    // The smaller window shows its part of the drawing once it has drawn a frame.
    QImage before;
    QVERIFY2(waitUntil([&] {
                 before = shot(QStringLiteral("pass-through"));
                 return inkNear(before, {500, 410}) && inkNear(before, {500, 620});
             }),
             "the ink does not stay over the slide");
    // A double click on the slide's text beside the ink selects a word there.
    const int textBefore = textPixels(before);
    QVERIFY(m_sway.input().click({60, 25}) && m_sway.input().click({60, 25}));
    QVERIFY2(waitUntil([&] {
                 return qAbs(textPixels(shot(QStringLiteral("pass-through-selected"))) -
                             textBefore) > 200;
             }),
             "the click beside the ink did not reach the slide");
}

// A message in pass-through ("截图已保存到：…" after a capture) shows whole, above the slide,
// and the overlay gives the slide its room back when the message has gone.
void TestWaylandGui::passThroughShowsMessagesWhole()
{
    const QPoint inMessage(Output.width() / 2, 79);
    const auto messageShows = [&](const QString &name) {
        const QRgb pixel = shot(name).pixel(inMessage);
        return qAbs(qRed(pixel) - 0xdf) < 12 && qAbs(qGreen(pixel) - 0xf6) < 12 &&
               qAbs(qBlue(pixel) - 0xdd) < 12;
    };
    QVERIFY(clickButton(ToolbarButton::Screenshot));
    QVERIFY2(waitUntil([&] { return messageShows(QStringLiteral("pass-through-message")); }),
             "the message of the capture does not show");
    QVERIFY2(waitUntil([&] { return !window(QStringLiteral("draw")).contains(inMessage); }),
             "the overlay keeps the message's room after it has gone");
    QVERIFY(!messageShows(QStringLiteral("pass-through-message-gone")));
}

// Drawing switched on again after pass-through: the pen draws over the whole screen, also
// where the overlay did not reach in pass-through; the ink stays and the toolbar above.
void TestWaylandGui::drawingAgainDrawsEverywhere()
{
    QVERIFY(clickButton(ToolbarButton::DrawingSwitch));
    QVERIFY(
        waitUntil([this] { return window(QStringLiteral("draw")).contains(QPoint(1000, 720)); }));
    QTest::qWait(400);
    QVERIFY(m_sway.input().drag({300, 720}, {700, 740}));
    const QPoint panel = toolbarButtonCentre(m_toolbar, ToolbarButton::Clear) + QPoint(0, 15);
    QVERIFY2(waitUntil([&] {
                 const QImage screen = shot(QStringLiteral("drawing-again"));
                 return inkNear(screen, {500, 730}) && inkNear(screen, {500, 410}) &&
                        qGray(screen.pixel(panel)) > 200;
             }),
             "the pen does not draw where the overlay did not reach in pass-through");
}

// A second screen's overlay covers its screen while drawing (still on from the case before)
// and only its part of the drawing in pass-through (none here: the pointer cannot reach
// that screen).
void TestWaylandGui::otherScreenKeepsOnlyItsDrawingInPassThrough()
{
    QVERIFY(!m_sway.swaymsg({QStringLiteral("create_output")}).isEmpty());
    const QRect second(Output.width(), 0, 800, 600);
    m_sway.swaymsg(
        {QStringLiteral("output HEADLESS-2 resolution 800x600 position %1 0").arg(Output.width())});
    const auto companion = [&] {
        for (const QRect &overlay : windows(QStringLiteral("draw"))) {
            if (second.contains(overlay.topLeft()))
                return overlay;
        }
        return QRect();
    };
    QVERIFY2(waitUntil([&] { return companion() == second; }),
             "no overlay over the second screen while drawing");
    QVERIFY(clickButton(ToolbarButton::DrawingSwitch));
    QVERIFY2(waitUntil([&] {
                 const QRect cover = companion();
                 return !cover.isEmpty() && !cover.contains(second.center());
             }),
             "the second screen's overlay still covers it in pass-through");
}

// The same session without its X display: a clear message and exit code 1, no abort.
void TestWaylandGui::withoutXWaylandSaysSoAndEnds()
{
    QProcessEnvironment environment;
    const QMap<QString, QString> session = m_sway.sessionEnvironment();
    for (auto it = session.cbegin(); it != session.cend(); ++it) {
        if (it.key() != QLatin1String("DISPLAY"))
            environment.insert(it.key(), it.value());
    }
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList command = m_sway.asUser(QStringLiteral(QUILLMARK_PROGRAM), {});
    program.start(command.constFirst(), command.mid(1));
    QVERIFY(program.waitForFinished(waitLimitMs));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QVERIFY(program.readAll().contains("needs XWayland"));
}

QTEST_MAIN(TestWaylandGui)
#include "tst_waylandgui.moc"
