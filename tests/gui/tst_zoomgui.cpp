// The zoom tool of the running program over a coloured "slide" of this test under a
// compositor: its hot key shows the screen magnified about the pointer, a stroke drawn on
// the magnified picture goes into the drawing at the screen points under the pen, undo and
// redo reach it, at 8x its edge is as sharp as the stroke rendered at 8x, and leaving zoom
// shows it at real size.
#include "programdriver.h"

#include <QApplication>
#include <QPainter>
#include <QPen>
#include <QScreen>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

// The window under the overlay: 16 px blocks whose colour tells where they are, with a
// title and a chart (for the help page's picture) away from every point the test reads.
class Slide : public QWidget
{
public:
    static QColor colourAt(QPoint p, QSize size)
    {
        return QColor(40 + 160 * p.x() / size.width(), 60 + 140 * p.y() / size.height(), 120);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (int y = 0; y < height(); y += 16)
            for (int x = 0; x < width(); x += 16)
                painter.fillRect(x, y, 16, 16, colourAt({x + 8, y + 8}, size()));
        QFont title = font();
        title.setPixelSize(44);
        title.setBold(true);
        painter.setFont(title);
        painter.setPen(QColor(30, 30, 60));
        painter.drawText(QRect(480, 300, 420, 60), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Quarterly review"));
        const int bars[] = {60, 100, 130};
        for (int i = 0; i < 3; ++i)
            painter.fillRect(1130 + i * 80, 560 - bars[i], 56, bars[i], QColor(40, 70, 150));
    }
};

bool near(QRgb a, QColor b)
{
    return std::abs(qRed(a) - b.red()) <= 4 && std::abs(qGreen(a) - b.green()) <= 4 &&
           std::abs(qBlue(a) - b.blue()) <= 4;
}

// The pointer while zoomed, hence the one screen point that stays in place.
const QPoint pointer(904, 552);
// A point of the picture magnified by factor (2 when zoom starts) shows this screen point.
QPoint screenUnder(QPoint view, int factor = 2)
{
    return pointer + (view - pointer) / factor;
}
QPoint viewOf(QPoint screen, int factor = 2)
{
    return pointer + (screen - pointer) * factor;
}

// How much of the ink's colour each row of a column shows, from top to bottom, over a
// background of one colour (the ink is pure red, which has no green).
QList<double> inkProfile(const QImage &image, int column, int top, int bottom, QColor background)
{
    QList<double> profile;
    for (int y = top; y <= bottom; ++y)
        profile << std::clamp(1.0 - qGreen(image.pixel(column, y)) / double(background.green()),
                              0.0, 1.0);
    return profile;
}

// Rows of the profile where the ink fades in or out (neither background nor ink), and rows
// mostly ink.
int edgeRows(const QList<double> &profile)
{
    return int(std::count_if(profile.cbegin(), profile.cend(),
                             [](double a) { return a > 0.1 && a < 0.9; }));
}
int inkRows(const QList<double> &profile)
{
    return int(std::count_if(profile.cbegin(), profile.cend(), [](double a) { return a >= 0.5; }));
}

// Drawn before zooming, at real size.
const QPoint before = pointer + QPoint(0, -100);
// Drawn on the magnified picture from here to there.
const QPoint strokeFrom = pointer + QPoint(-200, 100);
const QPoint strokeTo = pointer + QPoint(200, 100);

} // namespace

class TestZoomGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void drawsOnTheMagnifiedScreen_data();
    void drawsOnTheMagnifiedScreen();

private:
    void pressZoomKey();

    QProcess m_compositor;
    Slide m_slide;
    std::unique_ptr<ProgramDriver> m_program;
};

void TestZoomGui::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X display (scripts/test.sh starts one)");
    // Without a compositor an ARGB window shows black where it is transparent, and so
    // would the still image zoom takes of the screen.
    m_compositor.start(QStringLiteral("xcompmgr"), {});
    QVERIFY2(m_compositor.waitForStarted(), "xcompmgr is missing (scripts/deps.sh installs it)");
    m_compositor.waitForFinished(500); // another compositor running serves as well
    m_slide.setWindowTitle(QStringLiteral("slide"));
    m_slide.setGeometry(QGuiApplication::primaryScreen()->geometry());
    m_slide.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_slide));
}

void TestZoomGui::cleanup()
{
    if (m_program && QTest::currentTestFailed())
        qInfo().noquote() << QString::fromUtf8(m_program->log());
    m_program.reset();
}

void TestZoomGui::cleanupTestCase()
{
    if (m_compositor.state() != QProcess::NotRunning) {
        m_compositor.terminate();
        if (!m_compositor.waitForFinished(5000))
            m_compositor.kill();
    }
}

void TestZoomGui::pressZoomKey()
{
    QVERIFY(xdo({"mousemove", number(pointer.x()), number(pointer.y())}));
    QVERIFY(xdo({"key", "ctrl+shift+F3"}));
}

// The program at 100 % and at 200 %, where the still image has twice the pixels; every
// position here is in device pixels, the same at both.
void TestZoomGui::drawsOnTheMagnifiedScreen_data()
{
    QTest::addColumn<QString>("scale");
    QTest::newRow("100%") << "1";
    QTest::newRow("200%") << "2";
}

void TestZoomGui::drawsOnTheMagnifiedScreen()
{
    QFETCH(QString, scale);
    m_program = std::make_unique<ProgramDriver>(
        QStringLiteral(SHOT_DIR),
        QStringLiteral("zoom-%1-").arg(QString::fromLatin1(QTest::currentDataTag()).chopped(1)));
    QVERIFY(m_program->isValid());
    m_program->setExtraEnvironment({{QStringLiteral("QT_SCALE_FACTOR"), scale}});
    QVERIFY(m_program->start(QStringLiteral(QUILLMARK_PROGRAM),
                             {{QStringLiteral("appLanguage"), QStringLiteral("zh_CN")},
                              {QStringLiteral("zoomKey"), QStringLiteral("Ctrl+Shift+F3")}},
                             ProgramDriver::Output::Captured));
    QVERIFY2(!m_program->waitForWindow(QStringLiteral("^主窗口$")).isEmpty(),
             "the toolbar did not appear");
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    // The hot keys work once the toolbar has loaded its settings.
    qsizetype from = m_program->log().size();
    QElapsedTimer waited;
    waited.start();
    do {
        QVERIFY(xdo({"key", "ctrl+e"}));
    } while (!m_program->waitForLogLine(QStringLiteral("画笔"), from, 1000) &&
             waited.elapsed() < waitLimitMs);
    QVERIFY(!m_program->waitForWindow(QStringLiteral("^draw$")).isEmpty());
    QVERIFY(xdo({"mousemove", number(before.x() - 100), number(before.y()), "mousedown", "1",
                 "mousemove", number(before.x() + 100), number(before.y()), "mouseup", "1"}));
    QVERIFY2(m_program->waitForScreen([](const QImage &shot) { return inkNear(shot, before); },
                                      QStringLiteral("before")),
             "the stroke before zooming is not on screen");

    from = m_program->log().size();
    pressZoomKey();
    QVERIFY2(waitUntil([&] {
                 return m_program->log().mid(from).contains(
                     "Zoom: took a still image of the screen");
             }),
             "zoom took no still image");
    // The slide magnified about the pointer, and the drawing with it.
    const QList<QPoint> probes = {pointer + QPoint(-480, -300), pointer + QPoint(360, 240)};
    const auto magnifiedBy = [&](const QImage &shot, int factor) {
        return std::all_of(probes.cbegin(), probes.cend(),
                           [&](QPoint view) {
                               return near(shot.pixel(view),
                                           Slide::colourAt(screenUnder(view, factor), screen));
                           }) &&
               inkNear(shot, viewOf(before, factor)) && !inkNear(shot, before);
    };
    const auto magnified = [&](const QImage &shot) { return magnifiedBy(shot, 2); };
    QVERIFY2(m_program->waitForScreen(magnified, QStringLiteral("zoomed")),
             "the screen is not magnified about the pointer");

    // A stroke on the magnified picture; the view keeps still under the pen.
    QVERIFY(xdo({"mousemove", number(strokeFrom.x()), number(strokeFrom.y()), "mousedown", "1",
                 "mousemove", number(strokeTo.x()), number(strokeTo.y()), "mouseup", "1"}));
    QVERIFY(xdo({"mousemove", number(pointer.x()), number(pointer.y())}));
    const QPoint strokeMiddle = (strokeFrom + strokeTo) / 2;
    QVERIFY2(m_program->waitForScreen(
                 [&](const QImage &shot) { return magnified(shot) && inkNear(shot, strokeMiddle); },
                 QStringLiteral("zoomed-stroke")),
             "the stroke is not on the magnified picture");

    // Both strokes are in the drawing, none in the still: undone they go, redone they come.
    QVERIFY(xdo({"key", "ctrl+z"}));
    QVERIFY(xdo({"key", "ctrl+z"}));
    QVERIFY2(m_program->waitForScreen(
                 [&](const QImage &shot) {
                     return !inkNear(shot, strokeMiddle) && !inkNear(shot, viewOf(before));
                 },
                 QStringLiteral("zoomed-undone")),
             "undo left a stroke on the magnified picture");
    QVERIFY(xdo({"key", "ctrl+y"}));
    QVERIFY(xdo({"key", "ctrl+y"}));
    QVERIFY2(m_program->waitForScreen(
                 [&](const QImage &shot) {
                     return inkNear(shot, strokeMiddle) && inkNear(shot, viewOf(before));
                 },
                 QStringLiteral("zoomed-redone")),
             "redo did not bring the strokes back");

    // Two notches of the wheel double the factor; the point under the pointer stays.
    QVERIFY(xdo({"click", "4"}));
    QVERIFY(xdo({"click", "4"}));
    QVERIFY2(m_program->waitForScreen([&](const QImage &shot) { return magnifiedBy(shot, 4); },
                                      QStringLiteral("zoomed-wheel")),
             "the wheel did not magnify to 4x about the pointer");

    // At 8x the stroke drawn on the magnified picture has the edges of the stroke rendered
    // at 8x (the width of one device pixel), not those of its real-size picture enlarged.
    QVERIFY(xdo({"click", "4"}));
    QVERIFY(xdo({"click", "4"}));
    const qreal ratio = scale.toDouble();
    const int penDevice = qRound(3 * ratio * 8); // the pen's 3 logical pixels at 8x
    const QPoint strokeAt8 = viewOf(screenUnder(strokeMiddle), 8) - QPoint(300, 0);
    const int top = strokeAt8.y() - penDevice, bottom = strokeAt8.y() + penDevice;
    QImage reference(1, bottom - top + 1, QImage::Format_ARGB32);
    reference.fill(Qt::transparent);
    {
        QPainter painter(&reference);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::red, penDevice, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(QPointF(-100, strokeAt8.y() - top + 0.5),
                         QPointF(100, strokeAt8.y() - top + 0.5));
    }
    QList<double> expected;
    for (int y = 0; y < reference.height(); ++y)
        expected << qAlpha(reference.pixel(0, y)) / 255.0;
    QList<double> shown;
    QVERIFY2(m_program->waitForScreen(
                 [&](const QImage &shot) {
                     const QColor background = shot.pixel(strokeAt8.x(), top - 4);
                     shown = inkProfile(shot, strokeAt8.x(), top, bottom, background);
                     return std::abs(inkRows(shown) - inkRows(expected)) <= 2 &&
                            edgeRows(shown) <= edgeRows(expected) + 2;
                 },
                 QStringLiteral("zoomed-8x")),
             qPrintable(QStringLiteral("the stroke at 8x is not sharp: %1 rows of ink and %2 of "
                                       "edge, against %3 and %4 rendered at 8x")
                            .arg(inkRows(shown))
                            .arg(edgeRows(shown))
                            .arg(inkRows(expected))
                            .arg(edgeRows(expected))));

    // Zoom off: the stroke stays, at the screen points it was drawn over.
    pressZoomKey();
    const QPoint drawnFrom = screenUnder(strokeFrom);
    const QPoint drawnTo = screenUnder(strokeTo);
    QVERIFY2(m_program->waitForScreen(
                 [&](const QImage &shot) {
                     return inkNear(shot, drawnFrom + QPoint(10, 0)) &&
                            inkNear(shot, drawnTo - QPoint(10, 0)) &&
                            !inkNear(shot, drawnFrom - QPoint(50, 0)) &&
                            !inkNear(shot, strokeMiddle) && inkNear(shot, before) &&
                            near(shot.pixel(probes.first()),
                                 Slide::colourAt(probes.first(), screen));
                 },
                 QStringLiteral("unzoomed")),
             "the stroke is not at real size where it was drawn");
}

QTEST_MAIN(TestZoomGui)
#include "tst_zoomgui.moc"
