#include "releasesigner.h"
#include "testhttpserver.h"
#include "updatetestsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Files = QMap<QString, QByteArray>;

Files releaseFiles(const QByteArray &tag, int count)
{
    Files files;
    for (int i = 0; i < count; ++i) {
        const QString name =
            i % 2 ? QStringLiteral("lib/part%1.bin").arg(i) : QStringLiteral("part%1.bin").arg(i);
        files.insert(name, QByteArray(200 * 1024 + i * 1000, char('a' + i)) + tag);
    }
    return files;
}

} // namespace

// Update is killed with SIGKILL at random moments of a several-file release and
// started again: every time, the installation is wholly the old or wholly the
// new release, byte for byte.
class TestUpdateKill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedAtRandomMomentsLeavesOneWholeRelease();

private:
    void startUpdater();
    void startAndAwaitManifestRequest();
    void killUpdater();
    void installOld();
    // "old", "new" or a description of the mix.
    QString installedRelease() const;

    TestHttpServer m_server;
    QTemporaryDir m_app;
    QProcess m_updater;
    Files m_old;
    Files m_new;
};

void TestUpdateKill::initTestCase()
{
    QVERIFY(m_server.listen());
    QVERIFY(QFile::copy(QStringLiteral(UPDATE_PROGRAM), m_app.filePath(QStringLiteral("Update"))));
    m_old = releaseFiles("old", 6);
    m_new = releaseFiles("new", 7); // one file more than the old release
    const QString upload = m_server.url(QStringLiteral("/update"));
    // Held back until releaseHeld(): a started updater waits there, after its
    // start-up recovery, until the test has looked at the installation.
    TestHttpServer::Route manifest;
    manifest.body =
        ReleaseSigner::envelope(ReleaseSigner::manifest(QStringLiteral("2.1.3"), upload, m_new));
    manifest.hold = true;
    m_server.setRoute(QStringLiteral("/update/update.json"), manifest);
    for (auto it = m_new.cbegin(); it != m_new.cend(); ++it) {
        // Small slices a few ms apart: the transfer takes long enough to be hit.
        TestHttpServer::Route route;
        route.body = it.value();
        route.chunkSize = 48 * 1024;
        route.chunkDelay = 4;
        m_server.setRoute(QStringLiteral("/update/2.1.3/") + it.key(), route);
    }
    QVERIFY(writeUpdateConfig(m_app.filePath(QStringLiteral("config.ini")),
                              m_server.url(QStringLiteral("/update/update.json")),
                              QStringLiteral("2.1.2")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_updater.setProcessEnvironment(environment);
    m_updater.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    m_updater.setStandardErrorFile(QProcess::nullDevice());
}

void TestUpdateKill::startUpdater()
{
    m_updater.start(m_app.filePath(QStringLiteral("Update")), {});
    QVERIFY(m_updater.waitForStarted(5000));
}

void TestUpdateKill::killUpdater()
{
    m_updater.kill();
    m_updater.waitForFinished(5000);
}

void TestUpdateKill::installOld()
{
    QDir(m_app.filePath(QStringLiteral("lib"))).removeRecursively();
    for (auto it = m_new.cbegin(); it != m_new.cend(); ++it)
        QFile::remove(m_app.filePath(it.key()));
    QFile::remove(m_app.filePath(QStringLiteral(".update-serial")));
    for (auto it = m_old.cbegin(); it != m_old.cend(); ++it)
        QVERIFY(writeFile(m_app.filePath(it.key()), it.value()));
}

QString TestUpdateKill::installedRelease() const
{
    const auto matches = [this](const Files &release) {
        for (const QString &name : m_new.keys()) {
            const QByteArray expected = release.value(name, "<missing>");
            if (readFile(m_app.filePath(name)) != expected)
                return false;
        }
        return true;
    };
    if (QFileInfo::exists(m_app.filePath(QStringLiteral(".update-staging"))) ||
        QFileInfo::exists(m_app.filePath(QStringLiteral(".update-journal"))))
        return QStringLiteral("staging or journal left after a restart");
    if (matches(m_old))
        return QStringLiteral("old");
    if (matches(m_new))
        return QStringLiteral("new");
    return QStringLiteral("a mix of both releases");
}

void TestUpdateKill::startAndAwaitManifestRequest()
{
    const auto manifestRequests = [this] {
        return m_server.requests().count(QStringLiteral("GET /update/update.json"));
    };
    const qsizetype asked = manifestRequests();
    startUpdater();
    // The manifest is asked for only after the start-up recovery has run; it is
    // held back until releaseHeld().
    QTRY_VERIFY_WITH_TIMEOUT(manifestRequests() > asked, 15000);
}

void TestUpdateKill::killedAtRandomMomentsLeavesOneWholeRelease()
{
    installOld();
    // How long a whole install takes once the manifest is asked for, to spread
    // the kills over all of it.
    startAndAwaitManifestRequest();
    m_server.releaseHeld();
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(installedRelease() == QLatin1String("new"), 30000);
    const int wholeRun = int(clock.elapsed());
    killUpdater();
    installOld();

    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("kill moments from seed %u over %d ms", seed, wholeRun);
    QRandomGenerator random(seed);
    int kills = 0;
    QMap<QString, int> seen;
    clock.restart();
    // Every run starts on what the killed one before it left: the check below
    // sees the installation after the restart's recovery, while the manifest is
    // held back.
    while (clock.elapsed() < 45000) {
        startAndAwaitManifestRequest();
        const QString release = installedRelease();
        QVERIFY2(release == QLatin1String("old") || release == QLatin1String("new"),
                 qPrintable(QStringLiteral("after kill %1: %2").arg(kills).arg(release)));
        if (kills > 0)
            ++seen[QStringLiteral("restart found the ") + release + QStringLiteral(" release")];
        if (release == QLatin1String("new")) {
            killUpdater();
            installOld();
            continue;
        }
        // Half the moments anywhere in the install, half near its end, where the
        // swap happens.
        const int moment = random.bounded(2) ? random.bounded(wholeRun + 50)
                                             : qMax(0, wholeRun - 150) + random.bounded(200);
        m_server.releaseHeld();
        QTest::qWait(moment);
        killUpdater();
        ++kills;
        const bool journal = QFileInfo::exists(m_app.filePath(QStringLiteral(".update-journal")));
        const bool staging = QFileInfo::exists(m_app.filePath(QStringLiteral(".update-staging")));
        ++seen[journal   ? QStringLiteral("killed during the swap")
               : staging ? QStringLiteral("killed while downloading")
                         : QStringLiteral("killed before downloading or after installing")];
    }
    startAndAwaitManifestRequest();
    const QString last = installedRelease();
    killUpdater();
    QVERIFY2(last == QLatin1String("old") || last == QLatin1String("new"), qPrintable(last));
    ++seen[QStringLiteral("restart found the ") + last + QStringLiteral(" release")];

    qInfo("%d kill points", kills);
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        qInfo("  %s: %d", qPrintable(it.key()), it.value());
    QVERIFY(kills >= 15);
}

QTEST_GUILESS_MAIN(TestUpdateKill)
#include "tst_updatekill.moc"
