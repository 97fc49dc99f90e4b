// Saves a drawing from the toolbar's menu, clears the canvas and opens the file again,
// all through the real program's windows with xdotool; then a damaged file and a FIFO,
// which must leave the drawing alone. Every step waits for what it caused.
#include "programdriver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QtTest>

#include <sys/stat.h>

class TestDrawingFileGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void saveClearOpen();
    void unreadableFileChangesNothing_data();
    void unreadableFileChangesNothing();

private:
    // Picks the menu entry with this index and answers the file dialog that opens with
    // path.
    void chooseFile(int entry, const QString &dialogTitle, const QString &path);

    ProgramDriver m_program{QStringLiteral(SHOT_DIR), QStringLiteral("file-")};
    QRect m_toolbar;
    QString m_documents;
};

void TestDrawingFileGui::chooseFile(int entry, const QString &dialogTitle, const QString &path)
{
    QVERIFY2(m_program.pickMenuEntry(m_toolbar, entry, QStringLiteral("menu")),
             "the menu did not open");

    // The dialog takes the keyboard; its file name box has the focus.
    const QString dialog =
        m_program.waitForWindowId(QLatin1Char('^') + dialogTitle + QLatin1Char('$'));
    QVERIFY2(!dialog.isEmpty(), qPrintable(dialogTitle + QStringLiteral(" did not open")));
    QVERIFY(!m_program.waitForWindow(QLatin1Char('^') + dialogTitle + QLatin1Char('$')).isEmpty());
    QVERIFY(xdo({"windowactivate", "--sync", dialog}));
    QVERIFY(xdo({"type", "--window", dialog, "--delay", "20", path}));
    // The first Return may only close the file name completion that typing opened; press
    // it again while the dialog is still there.
    const auto closed = [&] {
        const std::optional<QRect> now =
            m_program.windowGeometry(QLatin1Char('^') + dialogTitle + QLatin1Char('$'));
        return now && now->isEmpty();
    };
    bool gone = false;
    for (int attempt = 0; attempt < 4 && !gone; ++attempt) {
        // Fails when the dialog has just gone, which the check below then sees.
        xdo({"key", "--window", dialog, "Return"});
        gone = waitUntil(closed, 5000);
    }
    QVERIFY2(gone, "the dialog stayed open");
}

void TestDrawingFileGui::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X display (scripts/test.sh starts one)");
    QVERIFY(m_program.isValid());
    // The program gets a home of its own; its documents folder is the usual one there,
    // which the program makes when it first needs it.
    const QDir home = QFileInfo(m_program.capturesPath()).dir();
    m_documents = home.filePath(QStringLiteral("Documents"));
    m_program.setExtraEnvironment({{QStringLiteral("HOME"), home.path()}});
    QVERIFY(
        m_program.start(QStringLiteral(QUILLMARK_PROGRAM), {}, ProgramDriver::Output::Captured));
    m_toolbar = m_program.waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY2(!m_toolbar.isEmpty(), "the toolbar did not appear");
}

void TestDrawingFileGui::cleanup()
{
    m_program.keepEvidenceOnFailure();
}

void TestDrawingFileGui::cleanupTestCase()
{
    m_program.stop();
}

void TestDrawingFileGui::saveClearOpen()
{
    QVERIFY(click(toolbarButtonCentre(m_toolbar, ToolbarButton::DrawingSwitch))); // drawing on
    QVERIFY(!m_program.waitForWindow(QStringLiteral("^draw$")).isEmpty());
    m_toolbar = m_program.waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY(drawStroke({700, 300}));
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return inkNear(shot, {700, 300});
                 },
                 QStringLiteral("drawn")),
             "the stroke is not on screen");

    // Saved where the dialog starts: the documents folder, ".qmark" added.
    chooseFile(3, QStringLiteral("保存绘图"), QStringLiteral("lesson"));
    const QString saved = QDir(m_documents).filePath(QStringLiteral("lesson.qmark"));
    QVERIFY2(waitUntil([&] { return QFile::exists(saved); }), "no drawing file was written");

    QVERIFY(click(toolbarButtonCentre(m_toolbar, ToolbarButton::Clear)));
    QVERIFY(xdo({"mousemove", "1300", "900"}));
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return !inkNear(shot, {700, 300});
                 },
                 QStringLiteral("cleared")),
             "the stroke was not cleared");

    chooseFile(4, QStringLiteral("打开绘图"), saved);
    QVERIFY(xdo({"mousemove", "1300", "900"}));
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return inkNear(shot, {620, 300}) && inkNear(shot, {700, 300}) &&
                            inkNear(shot, {780, 300});
                 },
                 QStringLiteral("opened")),
             "the opened drawing is not on screen");
}

void TestDrawingFileGui::unreadableFileChangesNothing_data()
{
    QTest::addColumn<bool>("fifo");
    QTest::newRow("damaged") << false;
    // A FIFO is refused at once; nothing waits for a writer.
    QTest::newRow("FIFO") << true;
}

void TestDrawingFileGui::unreadableFileChangesNothing()
{
    QFETCH(bool, fifo);
    const QString path =
        QDir(m_documents)
            .filePath(fifo ? QStringLiteral("pipe.qmark") : QStringLiteral("damaged.qmark"));
    if (fifo) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"format\":\"quillmark-drawing\",\"version\":1,\"elements\":[{\"kind\":");
    }
    const qsizetype from = m_program.log().size();
    chooseFile(4, QStringLiteral("打开绘图"), path);
    QVERIFY2(
        waitUntil([&] { return m_program.log().indexOf("Failed to open drawing", from) >= 0; }),
        "the file was not refused");
    QVERIFY(xdo({"mousemove", "1300", "900"}));
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return inkNear(shot, {700, 300});
                 },
                 QString::fromLatin1(QTest::currentDataTag())),
             "the drawing went away");
}

QTEST_MAIN(TestDrawingFileGui)
#include "tst_drawingfilegui.moc"
