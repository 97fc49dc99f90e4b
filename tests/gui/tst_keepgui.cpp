// The drawing outlives the program and leaves it as a picture: export from the menu to the
// name typed in its dialog, with the message that names the file; the autosave, written
// seconds after a freehand stroke, offered back after the program was killed; a log-out
// (SIGTERM, SIGHUP) in the middle of a stroke saves it. Driven from outside with xdotool,
// checked on the screen, in the log and in the autosave file.
#include "programdriver.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QSettings>
#include <QtTest>

#include <csignal>

namespace {

const QPoint strokeCentre(700, 400);
const QPoint secondStroke(700, 600);

// The success colour of a message bar.
bool successBarShown(const QImage &shot)
{
    int hits = 0;
    for (int y = 0; y < shot.height() && hits < 200; y += 2) {
        for (int x = 0; x < shot.width(); x += 4) {
            if (shot.pixel(x, y) == qRgb(0xDF, 0xF6, 0xDD))
                ++hits;
        }
    }
    return hits >= 200;
}

// The elements in the autosave file; empty while there is none that reads.
QJsonArray savedDrawing(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll())
        .object()
        .value(QStringLiteral("elements"))
        .toArray();
}

int savedElements(const QString &path)
{
    return int(savedDrawing(path).size());
}

} // namespace

class TestKeepGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void exportSavesThePictureAndSaysWhere();
    void killedProgramOffersTheDrawingBack();
    void languageChangeBringsTheDrawingBack();
    void sessionEndSavesTheStrokeBeingDrawn_data();
    void sessionEndSavesTheStrokeBeingDrawn();

private:
    void startProgram();
    QString autosavePath() const
    {
        return m_program.dataPath() + QStringLiteral("/tallowby/painter/autosave.qmark");
    }

    ProgramDriver m_program{QStringLiteral(SHOT_DIR), QStringLiteral("keep-")};
    QRect m_toolbar;
    bool m_failed = false;
};

void TestKeepGui::initTestCase()
{
    QVERIFY(m_program.isValid());
    startProgram();
}

void TestKeepGui::startProgram()
{
    QVERIFY(m_program.start(QStringLiteral(QUILLMARK_PROGRAM),
                            {{QStringLiteral("appLanguage"), QStringLiteral("zh_CN")}},
                            ProgramDriver::Output::CapturedAcrossRestarts));
    m_toolbar = m_program.waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY2(!m_toolbar.isEmpty(), "the toolbar did not appear");
}

void TestKeepGui::cleanupTestCase()
{
    m_program.stop();
    if (m_failed)
        qInfo().noquote() << QString::fromUtf8(m_program.log());
}

void TestKeepGui::cleanup()
{
    m_failed = m_failed || QTest::currentTestFailed();
    m_program.keepEvidenceOnFailure();
}

void TestKeepGui::exportSavesThePictureAndSaysWhere()
{
    qsizetype from = m_program.log().size();
    QVERIFY(xdo({"key", "ctrl+e"}));
    QVERIFY(m_program.waitForLogLine(QStringLiteral("画笔"), from));
    QVERIFY(!m_program.waitForWindow(QStringLiteral("^draw$")).isEmpty());
    QVERIFY(drawStroke(strokeCentre));
    QVERIFY2(m_program.waitForScreen([](const QImage &shot) { return inkNear(shot, strokeCentre); },
                                     QStringLiteral("export-drawn")),
             "the stroke is not on screen");

    // Menu, sixth entry: "导出图片…".
    QVERIFY2(m_program.pickMenuEntry(m_toolbar, 5, QStringLiteral("export-menu")),
             "no menu to export from");

    // The dialog opens on the pictures folder with a name filled in, and waits.
    const QString dialog = m_program.waitForWindowId(QStringLiteral("^导出图片$"));
    QVERIFY2(!dialog.isEmpty(), "no export dialog");
    QVERIFY(m_program.waitForScreen([](const QImage &) { return true; },
                                    QStringLiteral("export-dialog")));
    QTest::qWait(1500);
    QVERIFY2(m_program.windowGeometry(QStringLiteral("^导出图片$")).value_or(QRect()).isValid(),
             "the export dialog closed by itself");
    QVERIFY(QDir(m_program.picturesPath()).entryList(QDir::Files).isEmpty());
    // The name typed replaces the one suggested.
    QVERIFY(xdo({"windowactivate", "--sync", dialog}));
    QVERIFY(xdo({"key", "--window", dialog, "ctrl+a"}));
    QVERIFY(xdo({"type", "--window", dialog, "--delay", "20", "lesson-picture"}));
    from = m_program.log().size();
    QElapsedTimer waited;
    waited.start();
    bool saved = false;
    // The first Return may only close the completion that typing opened.
    // A Return that arrives after the dialog went reaches the overlay, whose keyboard pen
    // draws on Return: a further one is sent only while the dialog stays after the last.
    const auto dialogShown = [this] {
        return m_program.windowGeometry(QStringLiteral("^导出图片$")).value_or(QRect()).isValid();
    };
    const auto savedNow = [&] { return m_program.log().mid(from).contains("Image saved to:"); };
    while (!saved && dialogShown() && waited.elapsed() < 3 * waitLimitMs) {
        xdo({"key", "--window", dialog, "Return"});
        waitUntil([&] { return savedNow() || !dialogShown(); }, 5000);
        saved = savedNow();
    }
    saved = saved || waitUntil(savedNow);
    QVERIFY2(saved, "the export was not saved");
    const QStringList written = QDir(m_program.picturesPath()).entryList(QDir::Files);
    QCOMPARE(written, QStringList{QStringLiteral("lesson-picture.png")});
    const QImage picture(QDir(m_program.picturesPath()).filePath(written.first()));
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QCOMPARE(picture.size(), screen);
    QCOMPARE(qAlpha(picture.pixel(5, 5)), 0); // the drawing alone
    QVERIFY(inkNear(picture, strokeCentre));
    QVERIFY2(m_program.waitForScreen(successBarShown, QStringLiteral("export-message")),
             "no message about the export");
    QVERIFY(m_program.log().contains(written.first().toUtf8()));
}

// A freehand stroke is on the disk seconds after the pen is lifted, as a shape is: killed
// then, the program offers both strokes back.
void TestKeepGui::killedProgramOffersTheDrawingBack()
{
    QVERIFY2(waitUntil([&] { return savedElements(autosavePath()) == 1; }), "nothing autosaved");
    QVERIFY(drawStroke(secondStroke));
    // The quiet period is 1.5 s; an overlay that never ended the stroke waited 7 s and more.
    QTest::qWait(3000);
    ::kill(pid_t(m_program.processId()), SIGKILL);
    m_program.stop();
    QCOMPARE(savedElements(autosavePath()), 2);
    QVERIFY2(
        m_program.waitForScreen([](const QImage &shot) { return !inkNear(shot, strokeCentre); },
                                QStringLiteral("killed")),
        "the drawing stayed on screen");

    startProgram();
    const QRect notice = m_program.waitForWindow(QStringLiteral("^notice$"));
    QVERIFY2(!notice.isEmpty(), "nothing offers the drawing back");
    QVERIFY(m_program.waitForScreen([](const QImage &) { return true; },
                                    QStringLiteral("restore-offer")));
    // The button sits under the text, 12 px above the notice's lower edge.
    const QPoint button(notice.left() + 72, notice.bottom() - 12 - 16);
    QVERIFY(xdo({"mousemove", number(button.x()), number(button.y()), "click", "1"}));
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return inkNear(shot, strokeCentre) && inkNear(shot, secondStroke);
                 },
                 QStringLiteral("restored")),
             "the drawing did not come back");
}

// The language is changed in the settings window, which restarts the program: the new
// copy speaks English and shows the drawing again by itself.
void TestKeepGui::languageChangeBringsTheDrawingBack()
{
    QVERIFY(m_program.waitForScreen([](const QImage &shot) { return inkNear(shot, strokeCentre); },
                                    QStringLiteral("language-before")));
    QVERIFY2(m_program.pickMenuEntry(m_toolbar, 2, QStringLiteral("language-menu")), // "设置"
             "no menu to open the settings from");
    const QRect settings = m_program.waitForSettingsWindow();
    QVERIFY2(!settings.isEmpty(), "the settings window did not open");

    // The language box lists the built-in Chinese first, then the others by their own
    // names (العربية, Deutsch, English, …); "应用" shows beside the box once another
    // language is chosen.
    QVERIFY(click(settings.topLeft() + QPoint(180, 190)));
    QVERIFY(m_program.waitForScreen([](const QImage &) { return true; },
                                    QStringLiteral("language-list")));
    QVERIFY(click(settings.topLeft() + QPoint(83, 329)));
    QVERIFY(m_program.waitForScreen(
        [&settings](const QImage &shot) {
            const QRgb apply = shot.pixel(settings.topLeft() + QPoint(353, 180));
            return qBlue(apply) > 150 && qRed(apply) < 80;
        },
        QStringLiteral("language-chosen")));
    const qsizetype from = m_program.log().size();
    QVERIFY(click(settings.topLeft() + QPoint(353, 190)));

    QVERIFY2(m_program.followRestart(), "no new copy took over after the language change");
    QCOMPARE(QSettings(m_program.settingsFile(), QSettings::IniFormat)
                 .value(QStringLiteral("appLanguage"))
                 .toString(),
             QStringLiteral("en"));
    m_toolbar = m_program.waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY2(!m_toolbar.isEmpty(), "the new copy shows no toolbar");
    QVERIFY2(m_program.waitForScreen([](const QImage &shot) { return inkNear(shot, strokeCentre); },
                                     QStringLiteral("language-restored")),
             "the drawing did not come back after the restart");
    QVERIFY(m_program.waitForLogLine(QStringLiteral("Last drawing restored"), from));
}

void TestKeepGui::sessionEndSavesTheStrokeBeingDrawn_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("log-out (SIGTERM)") << int(SIGTERM);
    QTest::newRow("closed terminal (SIGHUP)") << int(SIGHUP);
}

// The pen is still down when the session ends: the stroke so far is saved before the
// program goes, long before any quiet period is over.
void TestKeepGui::sessionEndSavesTheStrokeBeingDrawn()
{
    QFETCH(int, signal);
    if (m_program.processId() <= 0)
        startProgram();
    QVERIFY(xdo({"key", "ctrl+e"}));
    QVERIFY(!m_program.waitForWindow(QStringLiteral("^draw$")).isEmpty());
    QTest::qWait(500); // the pen set up, in whatever language the program speaks now
    QVERIFY(xdo({"mousemove", "400", "800", "mousedown", "1"}));
    for (int x = 420; x <= 600; x += 20)
        QVERIFY(xdo({"mousemove", number(x), "800"}));
    const qsizetype from = m_program.log().size();
    QVERIFY2(m_program.endWith(signal), "the program did not end");
    xdo({"mouseup", "1"});
    QVERIFY(m_program.log().mid(from).contains("Asked to end by"));
    // The last element saved is the stroke, as far as it got: from x 400 to 600 at y 800.
    const QJsonArray points =
        savedDrawing(autosavePath()).last().toObject().value(QStringLiteral("points")).toArray();
    QVERIFY(points.size() >= 4);
    QCOMPARE(points.at(0).toInt(), 400);
    QCOMPARE(points.at(points.size() - 2).toInt(), 600);
    QCOMPARE(points.at(points.size() - 1).toInt(), 800);
    startProgram();
}

QTEST_MAIN(TestKeepGui)
#include "tst_keepgui.moc"
