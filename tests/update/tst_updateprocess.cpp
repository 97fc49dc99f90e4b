#include "releasejournal.h"
#include "releasesigner.h"
#include "testhttpserver.h"
#include "updatetestsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Files = QMap<QString, QByteArray>;

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
    void cleanup() { m_run.reset(); }
    void killedMidReleaseLeavesTheOldReleaseWhole();
    void noInstalledVersionMakesNoRequest();
    void releaseThatCannotGoInPlaceIsRefusedWhole_data();
    void releaseThatCannotGoInPlaceIsRefusedWhole();
    void failingSwapIsUndoneAndLaterUpdatesWork();
    void serialOnlyGrows();

private:
    // Serves the files under version and their signed manifest.
    void publish(const Files &files, qint64 serial,
                 const QString &version = QStringLiteral("2.1.3"));
    void configure();
    // The files as they are in the application directory, read back.
    Files installed(const Files &names) const;
    QStringList fileRequests() const;
    QStringList partialFiles() const;
    void checkNothingLeft() const;

    TestHttpServer m_server;
    std::unique_ptr<UpdaterRun> m_run;
};

void TestUpdateProcess::initTestCase()
{
    QVERIFY(m_server.listen());
}

void TestUpdateProcess::init()
{
    m_server.clear();
    m_run = std::make_unique<UpdaterRun>(QStringLiteral(UPDATE_PROGRAM));
}

void TestUpdateProcess::publish(const Files &files, qint64 serial, const QString &version)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        m_server.setFile(QStringLiteral("/update/%1/%2").arg(version, it.key()), it.value());
    m_server.setFile(QStringLiteral("/update/update.json"),
                     ReleaseSigner::envelope(ReleaseSigner::manifest(
                         version, m_server.url(QStringLiteral("/update")), files, serial)));
}

void TestUpdateProcess::configure()
{
    QVERIFY(writeUpdateConfig(m_run->path(QStringLiteral("config.ini")),
                              m_server.url(QStringLiteral("/update/update.json")),
                              QStringLiteral("2.1.2")));
}

Files TestUpdateProcess::installed(const Files &names) const
{
    Files files;
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        files.insert(it.key(), readFile(m_run->path(it.key())));
    return files;
}

QStringList TestUpdateProcess::fileRequests() const
{
    QStringList requests = m_server.requests();
    requests.removeAll(QStringLiteral("GET /update/update.json"));
    return requests;
}

QStringList TestUpdateProcess::partialFiles() const
{
    QStringList found;
    QDirIterator it(m_run->dir(), {QStringLiteral("*.update-part")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

void TestUpdateProcess::checkNothingLeft() const
{
    for (const char *left : {".update-staging", ".update-backup", ".update-journal"})
        QVERIFY2(!QFileInfo::exists(m_run->path(QLatin1String(left))), left);
}

void TestUpdateProcess::killedMidReleaseLeavesTheOldReleaseWhole()
{
    const QStringList names{QStringLiteral("first.bin"), QStringLiteral("lib/second.bin"),
                            QStringLiteral("third.bin")};
    const Files files{{names[0], bigBody('1')}, {names[1], bigBody('2')}, {names[2], bigBody('3')}};
    publish(files, 1);
    configure();
    for (const QString &name : names)
        writeFile(m_run->path(name), "old " + name.toUtf8());

    // First run: the first file arrives, the second stalls half-way, and the
    // updater dies without any chance to clean up.
    TestHttpServer::Route stall;
    stall.body = bigBody('2');
    stall.stallAfter = stall.body.size() / 2;
    m_server.setRoute(QStringLiteral("/update/2.1.3/lib/second.bin"), stall);
    QVERIFY(m_run->start());
    const QString partial =
        m_run->path(QStringLiteral(".update-staging/lib/second.bin.update-part"));
    QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(partial).size(), qint64(stall.stallAfter), 20000);
    // While it runs, the staging folder is the updater's: a recovery started
    // meanwhile (Quillmark starting, say) leaves it alone.
    QVERIFY(ReleaseJournal(m_run->dir()).recover());
    QVERIFY(QFileInfo::exists(partial));
    m_run->kill();
    // Not one file of the new release is in place yet.
    for (const QString &name : names)
        QCOMPARE(readFile(m_run->path(name)), "old " + name.toUtf8());

    // Next run against a healthy server: everything new, nothing left over.
    m_server.setFile(QStringLiteral("/update/2.1.3/lib/second.bin"), bigBody('2'));
    m_run->clearLog();
    QVERIFY(m_run->start());
    QVERIFY(m_run->waitForLog("所有文件下载完成"));
    QCOMPARE(installed(files), files);
    QCOMPARE(partialFiles(), QStringList());
    checkNothingLeft();
    QVERIFY(m_run->log().contains("Dropping the files of an update that did not finish"));
    QVERIFY(!m_run->log().contains("Critical:"));
}

void TestUpdateProcess::noInstalledVersionMakesNoRequest()
{
    writeUpdateConfig(m_run->path(QStringLiteral("config.ini")),
                      m_server.url(QStringLiteral("/update/update.json")));
    QVERIFY(m_run->start());
    QVERIFY(m_run->waitForLog("setting cpp", 10000));
    QTest::qWait(1000);
    QCOMPARE(m_server.requests(), QStringList());
}

void TestUpdateProcess::releaseThatCannotGoInPlaceIsRefusedWhole_data()
{
    QTest::addColumn<QString>("inTheWay");
    QTest::addColumn<QString>("reason");
    // What lies at "translations" in the application directory.
    QTest::newRow("a folder where a file goes") << QStringLiteral("folder") << "is a folder";
    QTest::newRow("a link where a file goes") << QStringLiteral("link") << "is a link";
    QTest::newRow("a file where a folder goes") << QStringLiteral("file") << "is not a folder";
    QTest::newRow("a folder of the application is a link")
        << QStringLiteral("folder link") << "is a link";
}

void TestUpdateProcess::releaseThatCannotGoInPlaceIsRefusedWhole()
{
    QFETCH(QString, inTheWay);
    QFETCH(QString, reason);
    QTemporaryDir outside;
    const bool needsFolder =
        inTheWay == QLatin1String("file") || inTheWay == QLatin1String("folder link");
    const QString blocked =
        needsFolder ? QStringLiteral("translations/app_en.qm") : QStringLiteral("translations");
    const Files release{{QStringLiteral("aaa-first.txt"), "new first"},
                        {blocked, "new translations"},
                        {QStringLiteral("data.bin"), "new data"}};
    publish(release, 1);
    configure();
    QVERIFY(writeFile(m_run->path(QStringLiteral("aaa-first.txt")), "old first"));
    QVERIFY(writeFile(m_run->path(QStringLiteral("data.bin")), "old data"));
    const QString translations = m_run->path(QStringLiteral("translations"));
    if (inTheWay == QLatin1String("folder")) {
        QVERIFY(writeFile(translations + QStringLiteral("/app_en.qm"), "old translations"));
    } else if (inTheWay == QLatin1String("file")) {
        QVERIFY(writeFile(translations, "old translations"));
    } else if (inTheWay == QLatin1String("link")) {
        QVERIFY(writeFile(outside.filePath(QStringLiteral("translations")), "outside"));
        QVERIFY(QFile::link(outside.filePath(QStringLiteral("translations")), translations));
    } else {
        QVERIFY(QFile::link(outside.path(), translations));
    }
    const Files before = installed(release);

    QVERIFY(m_run->start());
    QVERIFY2(m_run->waitForLog("更新失败"), m_run->log().constData());
    QVERIFY2(m_run->log().contains("The release cannot be installed here:") &&
                 m_run->log().contains(reason.toUtf8()),
             m_run->log().constData());
    // Refused before anything was fetched, and nothing changed.
    QCOMPARE(fileRequests(), QStringList());
    QCOMPARE(installed(release), before);
    QCOMPARE(QDir(outside.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(),
             inTheWay == QLatin1String("link") ? 1 : 0);
    checkNothingLeft();
    QCOMPARE(m_run->recordedSerial(), qint64(0));
}

void TestUpdateProcess::failingSwapIsUndoneAndLaterUpdatesWork()
{
    // Every check passes, but the last file's folder will not let go of it: the
    // swap fails after the first two files are in place.
    const Files release{{QStringLiteral("aaa-first.txt"), "new first"},
                        {QStringLiteral("new/added.txt"), "new added"},
                        {QStringLiteral("zz/data.bin"), "new data"}};
    publish(release, 1);
    configure();
    QVERIFY(writeFile(m_run->path(QStringLiteral("aaa-first.txt")), "old first"));
    QVERIFY(writeFile(m_run->path(QStringLiteral("zz/data.bin")), "old data"));
    const Files before = installed(release);
    auto lock = std::make_unique<FolderLock>(m_run->path(QStringLiteral("zz")));
    if (!lock->failure().isEmpty())
        QSKIP(qPrintable(lock->failure()));

    QVERIFY(m_run->start());
    QVERIFY2(m_run->waitForLog("更新失败，已保留原版本:"), m_run->log().constData());
    QVERIFY2(m_run->log().contains("zz/data.bin"), m_run->log().constData());
    QCOMPARE(installed(release), before);
    QVERIFY(!QFileInfo::exists(m_run->path(QStringLiteral("new"))));
    checkNothingLeft();
    QCOMPARE(m_run->recordedSerial(), qint64(0));

    // Nothing blocks the next try.
    lock.reset();
    m_run->clearLog();
    QVERIFY(m_run->start());
    QVERIFY2(m_run->waitForLog("所有文件下载完成"), m_run->log().constData());
    QVERIFY(!m_run->log().contains("earlier update"));
    QCOMPARE(installed(release), release);
    QCOMPARE(m_run->recordedSerial(), qint64(1));
}

void TestUpdateProcess::serialOnlyGrows()
{
    configure();
    const Files release{{QStringLiteral("data.bin"), "serial 7"}};
    const auto run = [this](const QByteArray &outcome) {
        m_run->clearLog();
        return m_run->start() && m_run->waitForLog(outcome);
    };

    // An empty release is done at once, and its serial counts.
    publish({}, 6);
    QVERIFY2(run("所有文件下载完成"), m_run->log().constData());
    QVERIFY(m_run->log().contains("No files to download"));
    QCOMPARE(m_run->recordedSerial(), qint64(6));

    publish(release, 7);
    QVERIFY2(run("所有文件下载完成"), m_run->log().constData());
    QCOMPARE(readFile(m_run->path(QStringLiteral("data.bin"))), QByteArray("serial 7"));
    QCOMPARE(m_run->settingsSerial(), qint64(7));

    // The same manifest again is already installed: nothing is fetched.
    const QStringList fetched = fileRequests();
    QVERIFY2(run("Release already installed, serial 7"), m_run->log().constData());
    QCOMPARE(fileRequests(), fetched);

    // A damaged serial file, and then none at all, lowers nothing.
    QVERIFY(writeFile(m_run->path(QLatin1String(ReleaseJournal::serialFile)), "1\n"));
    publish({{QStringLiteral("data.bin"), "serial 6"}}, 6);
    QVERIFY2(run("older than the installed serial 7"), m_run->log().constData());
    QFile::remove(m_run->path(QLatin1String(ReleaseJournal::serialFile)));
    QFile::remove(m_run->path(QLatin1String(InstalledSerial::recordFile)));
    QVERIFY2(run("older than the installed serial 7"), m_run->log().constData());
    QCOMPARE(readFile(m_run->path(QStringLiteral("data.bin"))), QByteArray("serial 7"));
}

QTEST_GUILESS_MAIN(TestUpdateProcess)
#include "tst_updateprocess.moc"
