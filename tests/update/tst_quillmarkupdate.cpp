#include "releaseserver.h"
#include "updatetestsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>
#include <sys/types.h>

namespace {

// A release with a new data file and a new file in a sub-folder.
bool publishRelease(ReleaseServer &server, const QString &version)
{
    if (!writeFile(server.builtFile(QStringLiteral("data.bin")), "new data") ||
        !writeFile(server.builtFile(QStringLiteral("notes/readme.txt")), "new notes"))
        return false;
    if (!server.start(version)) {
        qWarning().noquote() << "release server:" << server.error();
        return false;
    }
    return true;
}

// An installed Quillmark (and optionally the updater) in an application directory
// of its own, with its own settings store and single-instance socket folder.
class InstalledProgram
{
public:
    InstalledProgram(const QString &manifestUrl, bool withUpdater)
    {
        m_ok =
            QFile::copy(QStringLiteral(QUILLMARK_PROGRAM), appFile(QStringLiteral("Quillmark"))) &&
            (!withUpdater ||
             QFile::copy(QStringLiteral(UPDATE_PROGRAM), appFile(QStringLiteral("Update")))) &&
            writeUpdateConfig(appFile(QStringLiteral("config.ini")), manifestUrl,
                              QStringLiteral("1.0.0")) &&
            writeFile(appFile(QStringLiteral("data.bin")), "old data");
        QDir().mkpath(m_home.filePath(QStringLiteral("tmp")));
    }
    ~InstalledProgram() { stopProcess(m_process); }

    bool ok() const { return m_ok; }
    QString appFile(const QString &name) const { return m_app.filePath(name); }
    QProcess &process() { return m_process; }
    QString log() const
    {
        return QString::fromUtf8(readFile(m_home.filePath(QStringLiteral("log.txt"))));
    }

    bool start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("TMPDIR"), m_home.filePath(QStringLiteral("tmp")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_process.setProcessEnvironment(env);
        m_process.setWorkingDirectory(m_app.path());
        // A file rather than a pipe: the updater inherits it and outlives this program.
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.setStandardOutputFile(m_home.filePath(QStringLiteral("log.txt")));
        m_process.start(appFile(QStringLiteral("Quillmark")), {});
        return m_process.waitForStarted(5000);
    }

private:
    QTemporaryDir m_app;
    QTemporaryDir m_home;
    QProcess m_process;
    bool m_ok = false;
};

} // namespace

// The annotation program's side of updating against nginx on loopback: the start-up
// check, the prompt, and the hand-over to the Update program.
class TestQuillmarkUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startupCheckOpensPromptOnlyForOtherVersion_data();
    void startupCheckOpensPromptOnlyForOtherVersion();
    void takingUpdateStartsUpdaterAndQuits();
};

void TestQuillmarkUpdate::initTestCase()
{
    const QString skipReason = endToEndSkipReason();
    if (!skipReason.isEmpty())
        QSKIP(qPrintable(skipReason));
}

void TestQuillmarkUpdate::startupCheckOpensPromptOnlyForOtherVersion_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("prompt");
    QTest::newRow("newer version") << QStringLiteral("2.1.3") << true;
    QTest::newRow("older version") << QStringLiteral("2.0.9") << true;
    QTest::newRow("same version") << QStringLiteral("2.1.2") << false;
}

void TestQuillmarkUpdate::startupCheckOpensPromptOnlyForOtherVersion()
{
    QFETCH(QString, version);
    QFETCH(bool, prompt);
    ReleaseServer server;
    QVERIFY(publishRelease(server, version));
    InstalledProgram program(server.manifestUrl(), false);
    QVERIFY(program.ok());
    QVERIFY(program.start());

    // The check's answer is the manifest, whose push is true: the prompt reads it.
    QTRY_VERIFY_WITH_TIMEOUT(program.log().contains(QStringLiteral("main check update")), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(program.log().contains(QStringLiteral("Version check status: 200")),
                             10000);
    const qint64 pid = program.process().processId();
    if (prompt) {
        QTRY_VERIFY_WITH_TIMEOUT(program.log().contains(QStringLiteral(
                                     R"(Files to download: ["data.bin","notes/readme.txt"])")),
                                 10000);
        QVERIFY(!waitForWindow(pid, QStringLiteral("升级到新版本"), 10000).isEmpty());
        // The updater will compare against the version the prompt recorded.
        QSettings config(program.appFile(QStringLiteral("config.ini")), QSettings::IniFormat);
        QCOMPARE(config.value(QStringLiteral("UPDATE/APPVersion")).toString(),
                 QStringLiteral("2.1.2"));
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(program.log().contains(QStringLiteral("App is up to date")),
                                 10000);
        QTest::qWait(1000);
        QCOMPARE(visibleWindow(pid, QStringLiteral("升级到新版本"))
                     .value_or(QStringLiteral("<query failed>")),
                 QString());
        QVERIFY(!program.log().contains(QStringLiteral("Files to download:")));
    }
    QVERIFY(program.process().state() == QProcess::Running);
}

void TestQuillmarkUpdate::takingUpdateStartsUpdaterAndQuits()
{
    ReleaseServer server;
    QVERIFY(publishRelease(server, QStringLiteral("2.1.3")));
    InstalledProgram program(server.manifestUrl(), true);
    QVERIFY(program.ok());
    QVERIFY(program.start());

    const qint64 pid = program.process().processId();
    const QString prompt = waitForWindow(pid, QStringLiteral("升级到新版本"), 20000);
    QVERIFY(!prompt.isEmpty());
    // "立即体验": centred, 20 px above the bottom of the 400 x 320 prompt.
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), prompt, QStringLiteral("200"),
             QStringLiteral("280"), QStringLiteral("click"), QStringLiteral("1")});
    QTRY_VERIFY_WITH_TIMEOUT(program.process().state() == QProcess::NotRunning, 10000);
    QCOMPARE(program.process().exitStatus(), QProcess::NormalExit);
    QVERIFY(program.log().contains(QStringLiteral("尝试启动程序:")));

    // The updater took over: its window is up and it installs the release.
    const QString updaterWindow = waitForWindow(0, QStringLiteral("软件更新"), 10000);
    QVERIFY(!updaterWindow.isEmpty());
    bool converted = false;
    const qint64 updaterPid =
        xdotool({QStringLiteral("getwindowpid"), updaterWindow}).toLongLong(&converted);
    QVERIFY(converted && updaterPid > 0);
    const auto endUpdater = qScopeGuard([updaterPid] {
        ::kill(pid_t(updaterPid), SIGTERM);
        for (int i = 0; i < 50 && ::kill(pid_t(updaterPid), 0) == 0; ++i)
            QTest::qWait(100);
        if (::kill(pid_t(updaterPid), 0) == 0)
            ::kill(pid_t(updaterPid), SIGKILL);
    });
    QTRY_VERIFY_WITH_TIMEOUT(program.log().contains(QStringLiteral("所有文件下载完成")), 20000);
    QCOMPARE(readFile(program.appFile(QStringLiteral("data.bin"))), QByteArray("new data"));
    QCOMPARE(readFile(program.appFile(QStringLiteral("notes/readme.txt"))),
             QByteArray("new notes"));
}

QTEST_GUILESS_MAIN(TestQuillmarkUpdate)
#include "tst_quillmarkupdate.moc"
