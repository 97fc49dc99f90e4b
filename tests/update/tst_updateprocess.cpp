#include "releasejournal.h"
#include "releasesigner.h"
#include "testhttpserver.h"
#include "updatetestsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray bigBody(char fill)
{
    return QByteArray(2 * 1024 * 1024, fill);
}

} // namespace

// The real Update program, started as the annotation program starts it.
class TestUpdateProcess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void killedMidReleaseLeavesTheOldReleaseWhole();
    void noInstalledVersionMakesNoRequest();

private:
    void start();
    QStringList partialFiles() const;

    TestHttpServer m_server;
    std::unique_ptr<QTemporaryDir> m_app;
    std::unique_ptr<QProcess> m_updater;
    QByteArray m_log;
};

void TestUpdateProcess::initTestCase()
{
    QVERIFY(m_server.listen());
}

void TestUpdateProcess::init()
{
    m_server.clear();
    m_log.clear();
    m_app = std::make_unique<QTemporaryDir>();
    QVERIFY(m_app->isValid());
    QVERIFY(QFile::copy(QStringLiteral(UPDATE_PROGRAM), m_app->filePath(QStringLiteral("Update"))));
}

void TestUpdateProcess::cleanup()
{
    if (m_updater && m_updater->state() != QProcess::NotRunning) {
        m_updater->kill();
        m_updater->waitForFinished(5000);
    }
    m_updater.reset();
}

void TestUpdateProcess::start()
{
    cleanup();
    m_updater = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_updater->setProcessEnvironment(environment);
    connect(m_updater.get(), &QProcess::readyReadStandardError, this,
            [this] { m_log += m_updater->readAllStandardError(); });
    m_updater->start(m_app->filePath(QStringLiteral("Update")), {});
    QVERIFY(m_updater->waitForStarted(5000));
}

QStringList TestUpdateProcess::partialFiles() const
{
    QStringList found;
    QDirIterator it(m_app->path(), {QStringLiteral("*.update-part")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

void TestUpdateProcess::killedMidReleaseLeavesTheOldReleaseWhole()
{
    const QStringList names{QStringLiteral("first.bin"), QStringLiteral("lib/second.bin"),
                            QStringLiteral("third.bin")};
    const QMap<QString, QByteArray> files{
        {names[0], bigBody('1')}, {names[1], bigBody('2')}, {names[2], bigBody('3')}};
    m_server.setFile(QStringLiteral("/update/update.json"),
                     ReleaseSigner::envelope(ReleaseSigner::manifest(
                         QStringLiteral("2.1.3"), m_server.url(QStringLiteral("/update")), files)));
    writeUpdateConfig(m_app->filePath(QStringLiteral("config.ini")),
                      m_server.url(QStringLiteral("/update/update.json")), QStringLiteral("2.1.2"));
    for (const QString &name : names)
        writeFile(m_app->filePath(name), "old " + name.toUtf8());

    // First run: the first file arrives, the second stalls half-way, and the
    // updater dies without any chance to clean up.
    m_server.setFile(QStringLiteral("/update/2.1.3/first.bin"), bigBody('1'));
    TestHttpServer::Route stall;
    stall.body = bigBody('2');
    stall.stallAfter = stall.body.size() / 2;
    m_server.setRoute(QStringLiteral("/update/2.1.3/lib/second.bin"), stall);
    start();
    const QString partial =
        m_app->filePath(QStringLiteral(".update-staging/lib/second.bin.update-part"));
    QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(partial).size(), qint64(stall.stallAfter), 20000);
    // While it runs, the staging folder is the updater's: a recovery started
    // meanwhile (Quillmark starting, say) leaves it alone.
    QVERIFY(ReleaseJournal(m_app->path()).recover());
    QVERIFY(QFileInfo::exists(partial));
    m_updater->kill();
    QVERIFY(m_updater->waitForFinished(5000));
    QCOMPARE(m_updater->exitStatus(), QProcess::CrashExit);
    // Not one file of the new release is in place yet.
    for (const QString &name : names)
        QCOMPARE(readFile(m_app->filePath(name)), "old " + name.toUtf8());

    // Next run against a healthy server: everything new, nothing left over.
    m_server.setFile(QStringLiteral("/update/2.1.3/lib/second.bin"), bigBody('2'));
    m_server.setFile(QStringLiteral("/update/2.1.3/third.bin"), bigBody('3'));
    m_log.clear();
    start();
    QTRY_VERIFY_WITH_TIMEOUT(m_log.contains("所有文件下载完成"), 20000);
    for (const QString &name : names)
        QCOMPARE(readFile(m_app->filePath(name)), files.value(name));
    QCOMPARE(partialFiles(), QStringList());
    QVERIFY(!QFileInfo::exists(m_app->filePath(QStringLiteral(".update-staging"))));
    QVERIFY(m_log.contains("Dropping the files of an update that did not finish"));
    QVERIFY(!m_log.contains("Critical:"));
}

void TestUpdateProcess::noInstalledVersionMakesNoRequest()
{
    writeUpdateConfig(m_app->filePath(QStringLiteral("config.ini")),
                      m_server.url(QStringLiteral("/update/update.json")));
    start();
    QTRY_VERIFY_WITH_TIMEOUT(m_log.contains("setting cpp"), 10000);
    QTest::qWait(1000);
    QCOMPARE(m_server.requests(), QStringList());
    QCOMPARE(m_updater->state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestUpdateProcess)
#include "tst_updateprocess.moc"
