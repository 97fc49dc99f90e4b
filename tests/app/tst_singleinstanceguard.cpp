#include "instanceaddress.h"
#include "singleinstanceguard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <thread>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A plain socket file at path: listening (a live copy) or not (left by a crash).
class RawSocket
{
public:
    RawSocket(const QString &path, bool listening) : m_path(QFile::encodeName(path))
    {
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, m_path.constData(), sizeof(address.sun_path));
        m_ok = m_fd >= 0 &&
               ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0 &&
               (!listening || ::listen(m_fd, 8) == 0);
        if (!listening)
            close();
    }
    ~RawSocket() { close(); }
    bool ok() const { return m_ok; }
    // A copy that quits cleanly closes and removes its name.
    void release()
    {
        close();
        ::unlink(m_path.constData());
    }

private:
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    QByteArray m_path;
    int m_fd = -1;
    bool m_ok = false;
};

} // namespace

class TestSingleInstanceGuard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_runtime = qgetenv("XDG_RUNTIME_DIR");
        m_temp = qgetenv("TMPDIR");
    }
    // Some cases point the user's folders elsewhere.
    void cleanup()
    {
        qputenv("XDG_RUNTIME_DIR", m_runtime);
        qputenv("TMPDIR", m_temp);
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void firstCopyListensSecondForwards_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("plain start") << QByteArray("\n");
        QTest::newRow("action") << QByteArray("undo\n");
    }
    // The first copy here never answers: the second one still counts as handed over.
    void firstCopyListensSecondForwards()
    {
        QFETCH(QByteArray, message);
        SingleInstanceGuard first(name());
        QCOMPARE(first.claim("\n", false), SingleInstanceGuard::Outcome::Primary);

        SingleInstanceGuard second(name());
        second.setAnswerWait(100);
        QCOMPARE(second.claim(message, false), SingleInstanceGuard::Outcome::Forwarded);
        QCOMPARE(second.server(), nullptr);
        QCOMPARE(second.answer(), QByteArray());

        auto *server = const_cast<QLocalServer *>(first.server());
        QVERIFY(server->waitForNewConnection(2000));
        QLocalSocket *connection = server->nextPendingConnection();
        QTRY_COMPARE(connection->bytesAvailable() >= message.size(), true);
        QCOMPARE(connection->readAll(), message);
    }

    void staleNameIsReclaimed_data()
    {
        QTest::addColumn<bool>("restarting");
        QTest::newRow("normal start") << false;
        QTest::newRow("restart") << true;
    }
    void staleNameIsReclaimed()
    {
        QFETCH(bool, restarting);
        RawSocket crashed(name(), false);
        QVERIFY(crashed.ok());
        QVERIFY(QFile::exists(name()));
        SingleInstanceGuard guard(name());
        QCOMPARE(guard.claim("\n", restarting), SingleInstanceGuard::Outcome::Primary);
        QVERIFY(guard.server()->isListening());
    }

    void restartWaitsForTheOldCopy()
    {
        RawSocket old(name(), true);
        QVERIFY(old.ok());
        std::thread quitting([&old] {
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
            old.release();
        });
        SingleInstanceGuard guard(name());
        guard.setRestartWait(5000);
        const auto outcome = guard.claim("\n", true);
        quitting.join();
        QCOMPARE(outcome, SingleInstanceGuard::Outcome::Primary);
    }

    void restartGivesUpWhenTheNameStaysTaken()
    {
        RawSocket old(name(), true);
        QVERIFY(old.ok());
        SingleInstanceGuard guard(name());
        guard.setRestartWait(400);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(guard.claim("\n", true), SingleInstanceGuard::Outcome::Failed);
        QVERIFY(QFile::exists(name())); // the live copy keeps its name
    }

    // Each user's name lies in a folder only that user can enter.
    void addressIsPrivateToTheUser_data()
    {
        QTest::addColumn<int>("runtimeMode"); // -1: no runtime folder
        QTest::addColumn<bool>("inRuntime");
        QTest::newRow("private runtime folder") << 0700 << true;
        QTest::newRow("runtime folder open to others") << 0755 << false;
        QTest::newRow("no runtime folder") << -1 << false;
    }
    void addressIsPrivateToTheUser()
    {
        QFETCH(int, runtimeMode);
        QFETCH(bool, inRuntime);
        const QString runtime = m_dir->path() + "/run";
        const QString temp = m_dir->path() + "/tmp";
        QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(temp));
        if (runtimeMode >= 0)
            QVERIFY(::chmod(QFile::encodeName(runtime).constData(), mode_t(runtimeMode)) == 0);
        qputenv("XDG_RUNTIME_DIR", runtimeMode >= 0 ? runtime.toUtf8() : QByteArray());
        qputenv("TMPDIR", temp.toUtf8());
        const QString address = InstanceAddress::forName("kestrel.glidemark");
        const QString fallbackFolder = temp + "/kestrel.glidemark-" + QString::number(::getuid());
        QCOMPARE(address, (inRuntime ? runtime : fallbackFolder) + "/kestrel.glidemark");
        struct stat info
        {
        };
        QVERIFY(::stat(QFile::encodeName(QFileInfo(address).path()).constData(), &info) == 0);
        QCOMPARE(info.st_mode & 077, 0u);
        QCOMPARE(info.st_uid, ::getuid());

        SingleInstanceGuard guard(address);
        QCOMPARE(guard.claim("\n", false), SingleInstanceGuard::Outcome::Primary);
    }

    // A fallback folder someone left open (or made for someone else) is never used;
    // the program then runs without a guard rather than not at all.
    void openFallbackFolderIsNotTrusted()
    {
        const QString temp = m_dir->path() + "/tmp";
        const QString folder = temp + "/kestrel.glidemark-" + QString::number(::getuid());
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0777) == 0);
        qputenv("XDG_RUNTIME_DIR", QByteArray());
        qputenv("TMPDIR", temp.toUtf8());
        QCOMPARE(InstanceAddress::forName("kestrel.glidemark"), QString());
        SingleInstanceGuard unguarded{QString()};
        QCOMPARE(unguarded.claim("\n", false), SingleInstanceGuard::Outcome::Primary);
    }

private:
    QString name() const { return m_dir->path() + "/instance"; }
    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_runtime;
    QByteArray m_temp;
};

QTEST_MAIN(TestSingleInstanceGuard)
#include "tst_singleinstanceguard.moc"
