// The drawing outlives the program and leaves it as a picture: export from the menu with
// the message that names the file, and the autosave offered back after the program was
// killed. Driven from outside with xdotool, checked on the screen and in the log.
#include "programdriver.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QSettings>
#include <QtTest>

#include <csignal>

namespace {

const QPoint strokeCentre(700, 400);

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

private:
    void startProgram();

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

    // The dialog opens on the pictures folder with a name filled in: Return saves.
    const QString dialog = m_program.waitForWindowId(QStringLiteral("^导出图片$"));
    QVERIFY2(!dialog.isEmpty(), "no export dialog");
    QVERIFY(m_program.waitForScreen([](const QImage &) { return true; },
                                    QStringLiteral("export-dialog")));
    from = m_program.log().size();
    QElapsedTimer waited;
    waited.start();
    bool saved = false;
    // A window mapped a moment ago may not take keys yet: ask again until it saves.
    while (!saved && waited.elapsed() < 3 * waitLimitMs) {
        xdo({"windowactivate", "--sync", dialog});
        QVERIFY(xdo({"key", "Return"}));
        saved =
            waitUntil([&] { return m_program.log().mid(from).contains("Image saved to:"); }, 2000);
    }
    QVERIFY2(saved, "the export was not saved");
    const QStringList written =
        QDir(m_program.picturesPath()).entryList({QStringLiteral("quillmark_*.png")});
    QCOMPARE(written.size(), 1);
    const QImage picture(QDir(m_program.picturesPath()).filePath(written.first()));
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QCOMPARE(picture.size(), screen);
    QCOMPARE(qAlpha(picture.pixel(5, 5)), 0); // the drawing alone
    QVERIFY(inkNear(picture, strokeCentre));
    QVERIFY2(m_program.waitForScreen(successBarShown, QStringLiteral("export-message")),
             "no message about the export");
    QVERIFY(m_program.log().contains(written.first().toUtf8()));
}

void TestKeepGui::killedProgramOffersTheDrawingBack()
{
    const QString autosave =
        m_program.dataPath() + QStringLiteral("/tallowby/painter/autosave.qmark");
    QVERIFY2(waitUntil([&] { return QFile(autosave).size() > 0; }), "nothing autosaved");
    ::kill(pid_t(m_program.processId()), SIGKILL);
    m_program.stop();
    QVERIFY2(
        m_program.waitForScreen([](const QImage &shot) { return !inkNear(shot, strokeCentre); },
                                QStringLiteral("killed")),
        "the drawing stayed on screen");

    startProgram();
    const QRect notice = m_program.waitForWindow(QStringLiteral("^notice$"));
    QVERIFY2(!notice.isEmpty(), "nothing offers the drawing back");
    QVERIFY(m_program.waitForScreen([](const QImage &) { return true; },
                                    QStringLiteral("restore-offer")));
    // The button sits centred under the message.
    const QPoint button(notice.center().x(), notice.top() + 52 + 16);
    QVERIFY(xdo({"mousemove", number(button.x()), number(button.y()), "click", "1"}));
    QVERIFY2(m_program.waitForScreen([](const QImage &shot) { return inkNear(shot, strokeCentre); },
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

    // The language box lists the built-in Chinese first, then English; "应用" shows
    // beside the box once another language is chosen.
    QVERIFY(click(settings.topLeft() + QPoint(180, 190)));
    QVERIFY(m_program.waitForScreen([](const QImage &) { return true; },
                                    QStringLiteral("language-list")));
    QVERIFY(click(settings.topLeft() + QPoint(83, 260)));
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

QTEST_MAIN(TestKeepGui)
#include "tst_keepgui.moc"
