// The real program drawn once with Qt Quick's software back-end and once with
// OpenGL, each forced through QUILLMARK_RENDERING, over a coloured "slide" of
// this test under a compositor (xcompmgr), so that the overlay's transparency
// is what a presenter sees. Both must show the same picture within 2 per
// channel, let the slide show through, and let clicks through in pass-through.
#include "programdriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <QtTest>

namespace {

// The window under the overlay: a gradient every pixel of which is known, and a
// count of the clicks that reach it.
class Slide : public QWidget
{
public:
    int clicks = 0;

    static QColor colourAt(QPoint p, QSize size)
    {
        return QColor(40 + 160 * p.x() / size.width(), 60 + 140 * p.y() / size.height(), 120);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (int y = 0; y < height(); y += 8)
            for (int x = 0; x < width(); x += 8)
                painter.fillRect(x, y, 8, 8, colourAt({x, y}, size()));
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        ++clicks;
        event->accept();
    }
};

bool near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 &&
           std::abs(qBlue(a) - qBlue(b)) <= 2;
}

const QList<QPoint> strokeCentres = {{500, 300}, {800, 420}, {600, 600}};
const QPoint circleCentre(1000, 650);
const QPoint cornerFrom(1100, 250);
const QPoint cornerTo(1300, 380);
// Far from every drawing and from the toolbar.
const QPoint bare(300, 800);

} // namespace

class TestBackendGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void drawsAndPassesThrough_data();
    void drawsAndPassesThrough();
    void backendsShowTheSamePicture();

private:
    QProcess m_compositor;
    Slide m_slide;
    QMap<QString, QImage> m_shots;
    // Its icons are scaled differently by the two back-ends; it is no part of the drawing.
    QRect m_toolbar;
};

void TestBackendGui::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X display (scripts/test.sh starts one)");
    // Without a compositor an ARGB window shows black where it is transparent.
    m_compositor.start(QStringLiteral("xcompmgr"), {});
    QVERIFY2(m_compositor.waitForStarted(), "xcompmgr is missing (scripts/deps.sh installs it)");
    // It ends at once when another compositor runs already, which serves as well.
    m_compositor.waitForFinished(500);

    m_slide.setWindowTitle(QStringLiteral("slide"));
    m_slide.setGeometry(QGuiApplication::primaryScreen()->geometry());
    m_slide.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_slide));
}

void TestBackendGui::cleanupTestCase()
{
    if (m_compositor.state() != QProcess::NotRunning) {
        m_compositor.terminate();
        if (!m_compositor.waitForFinished(5000))
            m_compositor.kill();
        m_compositor.waitForFinished(5000);
    }
}

void TestBackendGui::drawsAndPassesThrough_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("software") << "software"
                              << "Qt Quick renders with the software back-end (set by "
                                 "QUILLMARK_RENDERING)";
    QTest::newRow("opengl") << "opengl"
                            << "Qt Quick renders with OpenGL (set by QUILLMARK_RENDERING)";
}

void TestBackendGui::drawsAndPassesThrough()
{
    QFETCH(QString, choice);
    QFETCH(QString, logLine);
    ProgramDriver program(QStringLiteral(SHOT_DIR), QStringLiteral("backend-%1-").arg(choice));
    QVERIFY(program.isValid());
    qputenv("QUILLMARK_RENDERING", choice.toLatin1());
    const bool started = program.start(QStringLiteral(QUILLMARK_PROGRAM),
                                       {{QStringLiteral("appLanguage"), QStringLiteral("zh_CN")}},
                                       ProgramDriver::Output::Captured);
    qunsetenv("QUILLMARK_RENDERING");
    QVERIFY(started);
    QVERIFY2(program.waitForLogLine(logLine, 0), program.log().constData());
    m_toolbar = program.waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY2(!m_toolbar.isEmpty(), "the toolbar did not appear");

    // The pen key opens the overlay; three strokes go on it.
    // The hot keys work once the toolbar has loaded its settings.
    qsizetype from = program.log().size();
    QElapsedTimer waited;
    waited.start();
    do {
        QVERIFY(xdo({"key", "ctrl+e"}));
    } while (!program.waitForLogLine(QStringLiteral("画笔"), from, 1000) &&
             waited.elapsed() < waitLimitMs);
    QVERIFY2(program.logHasLine(QStringLiteral("画笔"), from), "the pen key was not taken");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(program.waitForWindow(QStringLiteral("^draw$")), screen);
    // Qt merges pointer moves that queue up, so only gestures whose picture does not
    // depend on the moves in between are drawn: two-point pen strokes, a circle and a
    // rectangle. Each one is on screen before the next mode key, which could overtake it.
    const QPoint circleEdge = circleCentre + QPoint(0, 80);
    const QPoint rectangleSide(cornerTo.x(), (cornerFrom.y() + cornerTo.y()) / 2);
    for (const QPoint centre : strokeCentres)
        QVERIFY(
            xdo({"mousemove", number(centre.x() - 100), number(centre.y() - 30), "mousedown", "1",
                 "mousemove", number(centre.x() + 100), number(centre.y() + 30), "mouseup", "1"}));
    QVERIFY2(program.waitForScreen(
                 [](const QImage &shot) {
                     return std::all_of(strokeCentres.cbegin(), strokeCentres.cend(),
                                        [&shot](QPoint p) { return inkNear(shot, p); });
                 },
                 QStringLiteral("strokes")),
             "the strokes are not on screen");
    const struct
    {
        const char *key;
        const char *name;
        QPoint from;
        QPoint to;
        QPoint ink;
    } shapes[] = {{"ctrl+o", "圆形模式", circleCentre, circleCentre + QPoint(80, 0), circleEdge},
                  {"ctrl+r", "矩形模式", cornerFrom, cornerTo, rectangleSide}};
    for (const auto &shape : shapes) {
        from = program.log().size();
        QVERIFY(xdo({"key", QString::fromLatin1(shape.key)}));
        QVERIFY(program.waitForLogLine(QString::fromUtf8(shape.name), from));
        QVERIFY(xdo({"mousemove", number(shape.from.x()), number(shape.from.y()), "mousedown", "1",
                     "mousemove", number(shape.to.x()), number(shape.to.y()), "mouseup", "1"}));
        QVERIFY2(
            program.waitForScreen([&shape](const QImage &shot) { return inkNear(shot, shape.ink); },
                                  QString::fromLatin1(shape.key)),
            shape.name);
    }

    // Pass-through: a click reaches the slide, the drawings stay, the slide shows
    // through everywhere else.
    const QString overlay = program.waitForWindowId(QStringLiteral("^draw$"));
    from = program.log().size();
    QVERIFY(xdo({"key", "ctrl+q"}));
    QVERIFY(program.waitForLogLine(QStringLiteral("退出绘制模式"), from));
    QTRY_VERIFY_WITH_TIMEOUT(runTool(QStringLiteral("xprop"), {"-id", overlay, "_NET_WM_STATE"})
                                 .contains("_NET_WM_STATE_ABOVE"),
                             waitLimitMs);
    const int before = m_slide.clicks;
    QVERIFY(xdo({"mousemove", number(bare.x()), number(bare.y()), "click", "1"}));
    QTRY_VERIFY_WITH_TIMEOUT(m_slide.clicks > before, waitLimitMs);

    QImage shot;
    QVERIFY2(program.waitForScreen(
                 [&shot, &screen](const QImage &grabbed) {
                     shot = grabbed;
                     return near(grabbed.pixel(bare), Slide::colourAt(bare, screen.size()).rgb()) &&
                            inkNear(grabbed, strokeCentres.constFirst());
                 },
                 QStringLiteral("pass-through")),
             "the overlay hides the slide or lost the strokes");
    m_shots.insert(choice, shot.convertToFormat(QImage::Format_RGB32));
    program.stop();
}

void TestBackendGui::backendsShowTheSamePicture()
{
    const QImage software = m_shots.value(QStringLiteral("software"));
    const QImage opengl = m_shots.value(QStringLiteral("opengl"));
    if (software.isNull() || opengl.isNull())
        QSKIP("a back-end did not draw (see above)");
    QCOMPARE(software.size(), opengl.size());
    int differing = 0;
    QRect where;
    for (int y = 0; y < software.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(software.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(opengl.constScanLine(y));
        for (int x = 0; x < software.width(); ++x) {
            if (!near(a[x], b[x]) && !m_toolbar.contains(x, y)) {
                ++differing;
                where |= QRect(x, y, 1, 1);
            }
        }
    }
    QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1 pixels differ within %2,%3 %4x%5")
                                            .arg(differing)
                                            .arg(where.x())
                                            .arg(where.y())
                                            .arg(where.width())
                                            .arg(where.height())));
}

QTEST_MAIN(TestBackendGui)

#include "tst_backendgui.moc"
