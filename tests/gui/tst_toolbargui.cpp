// Drives the real program with xdotool: drawing switch, pen stroke, rectangle
// from the shape chooser, undo, pass-through and the screenshot button.
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

} // namespace

class TestToolbarGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void drawUndoPassThroughAndCapture();

private:
    bool xdo(const QStringList &args);
    QImage grab(const QString &name);
    QPoint buttonCentre(int index) const;
    void hover(QPoint at);
    void click(QPoint at);

    QTemporaryDir m_home;
    QProcess m_program;
    QRect m_toolbar;
};

bool TestToolbarGui::xdo(const QStringList &args)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), args);
    return tool.waitForFinished(10000) && tool.exitCode() == 0;
}

QImage TestToolbarGui::grab(const QString &name)
{
    QTest::qWait(400);
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    QDir().mkpath(QStringLiteral(SHOT_DIR));
    shot.save(QStringLiteral(SHOT_DIR "/") + name + QStringLiteral(".png"));
    return shot;
}

// Buttons of the toolbar, from 0 (collapse) to 13 (menu): logo 31 px and a gap
// of 7, then 26 px buttons 3 px apart with a 1 px separator from the second on.
QPoint TestToolbarGui::buttonCentre(int index) const
{
    const int panelTop = m_toolbar.top() + 31 + 7;
    const int top = index == 0 ? 0 : 29 + (index - 1) * 33;
    return {m_toolbar.left() + m_toolbar.width() / 2, panelTop + top + 13};
}

void TestToolbarGui::hover(QPoint at)
{
    QVERIFY(xdo({"mousemove", QString::number(at.x() - 3), QString::number(at.y() - 3)}));
    QTest::qWait(150);
    QVERIFY(xdo({"mousemove", QString::number(at.x()), QString::number(at.y())}));
    QTest::qWait(500);
}

void TestToolbarGui::click(QPoint at)
{
    hover(at);
    QVERIFY(xdo({"click", "1"}));
    QTest::qWait(500);
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

    QElapsedTimer waited;
    waited.start();
    QByteArray geometry;
    while (waited.elapsed() < 20000) {
        QProcess search;
        search.start(QStringLiteral("xdotool"),
                     {"search", "--onlyvisible", "--name", QStringLiteral("主窗口"),
                      "getwindowgeometry", "--shell"});
        search.waitForFinished(5000);
        geometry = search.readAllStandardOutput();
        if (geometry.contains("WIDTH="))
            break;
        QTest::qWait(200);
    }
    QVERIFY2(geometry.contains("WIDTH="), "the toolbar did not appear");
    QHash<QByteArray, int> values;
    for (const QByteArray &line : geometry.split('\n')) {
        const QList<QByteArray> pair = line.split('=');
        if (pair.size() == 2)
            values.insert(pair.at(0), pair.at(1).toInt());
    }
    m_toolbar = QRect(values.value("X"), values.value("Y"), values.value("WIDTH"),
                      values.value("HEIGHT"));
    QCOMPARE(m_toolbar.width(), 33);
    QTest::qWait(500);
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

void TestToolbarGui::drawUndoPassThroughAndCapture()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    ClickTarget target;
    target.setWindowTitle(QStringLiteral("click target"));
    target.setGeometry(200, screen.height() - 300, 300, 200);
    target.show();
    QVERIFY(QTest::qWaitForWindowExposed(&target));

    // Drawing on: the overlay comes up over the whole screen.
    click(buttonCentre(1));
    QTest::qWait(800);

    // A freehand stroke.
    QVERIFY(xdo({"mousemove", "600", "300", "mousedown", "1"}));
    for (int x = 620; x <= 800; x += 20)
        QVERIFY(xdo({"mousemove", QString::number(x), "300"}));
    QVERIFY(xdo({"mouseup", "1"}));

    // The rectangle from the shape chooser (fourth entry).
    hover(buttonCentre(3));
    const int chooserX = m_toolbar.left() + 33;
    const int chooserY = m_toolbar.top() + 78;
    const QImage chooserShot = grab(QStringLiteral("shape-chooser"));
    Q_UNUSED(chooserShot)
    click({chooserX + 16, chooserY + 7 + 3 * 24 + 11});
    QVERIFY(xdo({"mousemove", "900", "500", "mousedown", "1"}));
    for (int step = 1; step <= 10; ++step)
        QVERIFY(xdo({"mousemove", QString::number(900 + step * 20), QString::number(500 + step * 15)}));
    QVERIFY(xdo({"mouseup", "1"}));
    QVERIFY(xdo({"mousemove", "1300", "900"}));

    QImage shot = grab(QStringLiteral("drawn"));
    QVERIFY2(inkNear(shot, {700, 300}), "the stroke is not on screen");
    QVERIFY2(inkNear(shot, {1000, 500}), "the rectangle's top edge is not on screen");
    QVERIFY2(inkNear(shot, {1100, 575}), "the rectangle's right edge is not on screen");
    QVERIFY2(!inkNear(shot, {1000, 575}), "the rectangle is filled");

    // Undo from the toolbar removes the rectangle and keeps the stroke.
    click(buttonCentre(5));
    QVERIFY(xdo({"mousemove", "1300", "900"}));
    shot = grab(QStringLiteral("undone"));
    QVERIFY(!inkNear(shot, {1100, 575}));
    QVERIFY(inkNear(shot, {700, 300}));

    // Pass-through: clicks reach the window below, the drawing stays visible.
    click(buttonCentre(1));
    QTest::qWait(500);
    const int before = target.clicks;
    click(target.geometry().center());
    QTRY_VERIFY_WITH_TIMEOUT(target.clicks > before, 3000);
    shot = grab(QStringLiteral("pass-through"));
    QVERIFY2(inkNear(shot, {700, 300}), "the drawing went away in pass-through");

    // The screenshot button writes a JPEG into the save folder.
    const QDir captures(m_home.filePath(QStringLiteral("captures")));
    click(buttonCentre(8));
    QTRY_VERIFY_WITH_TIMEOUT(!captures.entryList({"draw_*.jpg"}, QDir::Files).isEmpty(), 5000);
    const QString file = captures.entryList({"draw_*.jpg"}, QDir::Files).constFirst();
    QImage capture(captures.filePath(file));
    QVERIFY(!capture.isNull());
    QCOMPARE(capture.size(), screen.size());
    QVERIFY(inkNear(capture, {700, 300}));
}

QTEST_MAIN(TestToolbarGui)

#include "tst_toolbargui.moc"
