#include "releasesigner.h"
#include "testhttpserver.h"
#include "updatetestsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

#include <atomic>
#include <cmath>
#include <thread>

#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

using Files = QMap<QString, QByteArray>;

// Several larger files, some in a folder, and last of all many small ones, so
// that the swap takes long enough to be hit.
Files releaseFiles(const QByteArray &tag, int count)
{
    Files files;
    for (int i = 0; i < count; ++i) {
        const QString name =
            i % 2 ? QStringLiteral("lib/part%1.bin").arg(i) : QStringLiteral("part%1.bin").arg(i);
        files.insert(name, QByteArray(200 * 1024 + i * 1000, char('a' + i)) + tag);
    }
    for (int i = 0; i < 150; ++i)
        files.insert(QStringLiteral("small/%1.txt").arg(i, 3, 10, QLatin1Char('0')), tag);
    return files;
}

// SIGKILLs a process a random moment (up to maxDelayUs) after an event on one
// entry of a folder, from a thread of its own so that the moment is not bound to
// the test's event loop.
class KillOnEvent
{
public:
    KillOnEvent(const QString &folder, const char *name, quint32 mask, qint64 pid, int maxDelayUs,
                QRandomGenerator &random)
        : m_delayUs(logUniformDelay(maxDelayUs, random))
    {
        m_notify = ::inotify_init1(IN_CLOEXEC);
        ::inotify_add_watch(m_notify, QFile::encodeName(folder).constData(), mask);
        if (::pipe(m_stop) != 0)
            m_stop[0] = m_stop[1] = -1;
        m_thread = std::thread([this, name = QByteArray(name), pid] { watch(name, pid); });
    }
    ~KillOnEvent()
    {
        if (m_stop[1] >= 0)
            (void)::write(m_stop[1], "x", 1);
        m_thread.join();
        for (const int descriptor : {m_notify, m_stop[0], m_stop[1]})
            ::close(descriptor);
    }
    KillOnEvent(const KillOnEvent &) = delete;
    KillOnEvent &operator=(const KillOnEvent &) = delete;

    bool fired() const { return m_fired; }

private:
    // A swap takes a few milliseconds on a fast machine and far longer on a slow
    // one; delays spread evenly over their logarithm land inside it on both.
    static int logUniformDelay(int maxDelayUs, QRandomGenerator &random)
    {
        if (maxDelayUs <= 20)
            return int(random.bounded(maxDelayUs + 1));
        return int(20.0 * std::pow(maxDelayUs / 20.0, random.generateDouble()));
    }

    void watch(const QByteArray &name, qint64 pid)
    {
        alignas(inotify_event) char buffer[4096];
        pollfd waits[2] = {{m_notify, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
        while (::poll(waits, 2, -1) > 0 && !(waits[1].revents & POLLIN)) {
            const ssize_t got = ::read(m_notify, buffer, sizeof buffer);
            for (ssize_t at = 0; at < got;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                at += ssize_t(sizeof(inotify_event) + event->len);
                if (event->len == 0 || name != event->name)
                    continue;
                ::usleep(useconds_t(m_delayUs));
                ::kill(pid_t(pid), SIGKILL);
                m_fired = true;
                return;
            }
        }
    }

    int m_delayUs;
    int m_notify = -1;
    int m_stop[2] = {-1, -1};
    std::atomic<bool> m_fired{false};
    std::thread m_thread;
};

} // namespace

// Update is killed with SIGKILL at random moments and started again: during a
// release install, during a swap that fails and is undone, and during the
// start-up recovery that finishes or undoes a killed swap. Every time the
// installation is wholly the old or wholly the new release, byte for byte.
class TestUpdateKill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedAtRandomMomentsLeavesOneWholeRelease();
    void killedDuringAFailingSwapOrItsRecovery();

private:
    // Starts Update and waits until its start-up recovery is over: it asks for
    // the manifest only then, which is held back until releaseHeld().
    void startAndAwaitManifestRequest();
    void installOld();
    // "old", "new" or a description of the mix.
    QString installedRelease() const;
    // How far a killed run got, by what its journal says.
    QString journalState() const;

    TestHttpServer m_server;
    std::unique_ptr<UpdaterRun> m_run;
    Files m_old;
    Files m_new;
    QRandomGenerator m_random;
};

void TestUpdateKill::initTestCase()
{
    QVERIFY(m_server.listen());
    m_run = std::make_unique<UpdaterRun>(QStringLiteral(UPDATE_PROGRAM));
    m_old = releaseFiles("old", 6);
    m_old.insert(QStringLiteral("zz/last.bin"), "old last");
    m_new = releaseFiles("new", 7); // one file more than the old release
    m_new.insert(QStringLiteral("zz/last.bin"), "new last");
    const QString upload = m_server.url(QStringLiteral("/update"));
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
        route.chunkDelay = it.value().size() > route.chunkSize ? 4 : 0;
        m_server.setRoute(QStringLiteral("/update/2.1.3/") + it.key(), route);
    }
    QVERIFY(writeUpdateConfig(m_run->path(QStringLiteral("config.ini")),
                              m_server.url(QStringLiteral("/update/update.json")),
                              QStringLiteral("2.1.2")));
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("kill moments from seed %u", seed);
    m_random.seed(seed);
}

void TestUpdateKill::installOld()
{
    for (const char *folder : {"lib", "small"})
        QDir(m_run->path(QLatin1String(folder))).removeRecursively();
    for (auto it = m_new.cbegin(); it != m_new.cend(); ++it)
        QFile::remove(m_run->path(it.key()));
    m_run->forgetInstalledSerial();
    for (auto it = m_old.cbegin(); it != m_old.cend(); ++it)
        QVERIFY(writeFile(m_run->path(it.key()), it.value()));
}

QString TestUpdateKill::installedRelease() const
{
    const auto matches = [this](const Files &release) {
        for (const QString &name : m_new.keys()) {
            if (readFile(m_run->path(name)) != release.value(name, "<missing>"))
                return false;
        }
        return true;
    };
    for (const char *left : {".update-staging", ".update-backup", ".update-journal"}) {
        if (QFileInfo::exists(m_run->path(QLatin1String(left))))
            return QStringLiteral("%1 left after a restart").arg(QLatin1String(left));
    }
    if (matches(m_old))
        return QStringLiteral("old");
    if (matches(m_new))
        return QStringLiteral("new");
    return QStringLiteral("a mix of both releases");
}

QString TestUpdateKill::journalState() const
{
    const QByteArray journal = readFile(m_run->path(QStringLiteral(".update-journal")));
    if (journal == "<missing>")
        return QStringLiteral("after the journal was done with");
    return journal.contains("\"state\":\"rollback\"") ? QStringLiteral("while undoing the swap")
                                                      : QStringLiteral("during the swap");
}

void TestUpdateKill::startAndAwaitManifestRequest()
{
    const auto manifestRequests = [this] {
        return m_server.requests().count(QStringLiteral("GET /update/update.json"));
    };
    const qsizetype asked = manifestRequests();
    m_run->clearLog();
    QVERIFY(m_run->start());
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
    m_run->kill();
    installOld();

    qInfo("kills over %d ms", wholeRun);
    int kills = 0;
    QMap<QString, int> seen;
    clock.restart();
    // Every run starts on what the killed one before it left: the check below
    // sees the installation after the restart's recovery, while the manifest is
    // held back. At least 12 s of kills, longer (up to 40 s) until five were made.
    while (clock.elapsed() < 12000 || (kills < 5 && clock.elapsed() < 40000)) {
        startAndAwaitManifestRequest();
        const QString release = installedRelease();
        QVERIFY2(release == QLatin1String("old") || release == QLatin1String("new"),
                 qPrintable(QStringLiteral("after kill %1: %2").arg(kills).arg(release)));
        if (kills > 0)
            ++seen[QStringLiteral("restart found the ") + release + QStringLiteral(" release")];
        if (release == QLatin1String("new")) {
            m_run->kill();
            installOld();
            continue;
        }
        // Half the moments anywhere in the install, half near its end, where the
        // swap happens.
        const int moment = m_random.bounded(2) ? m_random.bounded(wholeRun + 50)
                                               : qMax(0, wholeRun - 150) + m_random.bounded(200);
        m_server.releaseHeld();
        QTest::qWait(moment);
        m_run->kill();
        ++kills;
        const bool journal = QFileInfo::exists(m_run->path(QStringLiteral(".update-journal")));
        const bool staging = QFileInfo::exists(m_run->path(QStringLiteral(".update-staging")));
        ++seen[journal   ? QStringLiteral("killed during the swap")
               : staging ? QStringLiteral("killed while downloading")
                         : QStringLiteral("killed before downloading or after installing")];
    }
    startAndAwaitManifestRequest();
    const QString last = installedRelease();
    m_run->kill();
    QVERIFY2(last == QLatin1String("old") || last == QLatin1String("new"), qPrintable(last));

    qInfo("%d kill points", kills);
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        qInfo("  %s: %d", qPrintable(it.key()), it.value());
    QVERIFY(kills >= 5);
}

void TestUpdateKill::killedDuringAFailingSwapOrItsRecovery()
{
    // zz/last.bin, the last file of the swap, cannot be moved: every swap fails
    // there and is undone, unless the folder is let go before a restart.
    installOld();
    auto lock = std::make_unique<FolderLock>(m_run->path(QStringLiteral("zz")));
    if (!lock->failure().isEmpty())
        QSKIP(qPrintable(lock->failure()));
    QMap<QString, int> seen;
    QElapsedTimer clock;
    clock.start();
    const auto swapKills = [&seen] {
        return seen.value(QStringLiteral("killed during the swap")) +
               seen.value(QStringLiteral("killed while undoing the swap"));
    };
    const auto recoveryKills = [&seen] {
        int kills = 0;
        for (auto it = seen.cbegin(); it != seen.cend(); ++it)
            kills += it.key().startsWith(QLatin1String("killed in the start-up")) ? it.value() : 0;
        return kills;
    };
    // At least 12 s of kills, longer (up to 90 s) until every kind was hit.
    while (clock.elapsed() < 12000 ||
           ((swapKills() < 2 || recoveryKills() < 1) && clock.elapsed() < 90000)) {
        startAndAwaitManifestRequest();
        const QString release = installedRelease();
        QVERIFY2(release == QLatin1String("old") || release == QLatin1String("new"),
                 qPrintable(release));
        ++seen[QStringLiteral("restart found the ") + release + QStringLiteral(" release")];
        if (release == QLatin1String("new") || !lock) {
            m_run->kill();
            lock.reset();
            installOld();
            lock = std::make_unique<FolderLock>(m_run->path(QStringLiteral("zz")));
            continue;
        }
        // Killed a moment after the swap wrote its journal, during the swap or
        // its undo; or, now and then, not at all: the failure is then reported.
        {
            KillOnEvent killer(m_run->dir(), ".update-journal", IN_MOVED_TO, m_run->pid(),
                               m_random.bounded(5) ? 150000 : 3000000, m_random);
            m_server.releaseHeld();
            QTRY_VERIFY_WITH_TIMEOUT(killer.fired() || m_run->log().contains("更新失败"), 30000);
            if (!killer.fired()) {
                QVERIFY2(m_run->log().contains("更新失败，已保留原版本:"),
                         m_run->log().constData());
                QCOMPARE(installedRelease(), QStringLiteral("old"));
                ++seen[QStringLiteral("failed swap reported as undone")];
                m_run->kill();
                continue;
            }
        }
        m_run->kill();
        ++seen[QStringLiteral("killed ") + journalState()];
        // The next start finishes the swap when the folder lets go, else undoes it.
        if (m_random.bounded(2))
            lock.reset();
        // And that recovery is killed too, now and then, while it reads the journal.
        while (QFileInfo::exists(m_run->path(QStringLiteral(".update-journal"))) &&
               m_random.bounded(2)) {
            m_run->clearLog();
            QVERIFY(m_run->start());
            KillOnEvent killer(m_run->dir(), ".update-journal", IN_OPEN, m_run->pid(), 100000,
                               m_random);
            QTest::qWait(1500);
            if (killer.fired())
                ++seen[QStringLiteral("killed in the start-up recovery, ") + journalState()];
        }
        m_run->kill();
    }
    m_run->kill();
    lock.reset();
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        qInfo("  %s: %d", qPrintable(it.key()), it.value());
    QVERIFY(swapKills() >= 2);
    QVERIFY(recoveryKills() >= 1);
}

QTEST_GUILESS_MAIN(TestUpdateKill)
#include "tst_updatekill.moc"
