// The running copy's side of the single-instance socket, fed by raw clients in
// threads of their own as other processes would: valid actions are carried out and
// answered, anything else is refused with one log line, and a flood neither blocks
// the event loop nor loses a valid action.
#include "../settings/messagecapture.h"
#include "actionserver.h"

#include <QLocalServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <csignal>
#include <thread>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// One client connection, as `--action` or a stranger would make it.
class Client
{
public:
    explicit Client(const QString &path)
    {
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
        m_connected = ::connect(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    }
    ~Client() { ::close(m_fd); }
    bool connected() const { return m_connected; }

    // False once the server closed the connection.
    bool send(const QByteArray &bytes)
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n =
                ::send(m_fd, bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            done += n;
        }
        return true;
    }
    // Answer lines until count lines came, the connection closed or 5 s passed.
    QList<QByteArray> answers(int count)
    {
        QByteArray buffer;
        while (buffer.count('\n') < count) {
            pollfd wait{m_fd, POLLIN, 0};
            if (::poll(&wait, 1, 5000) <= 0)
                break;
            char chunk[256];
            const ssize_t n = ::recv(m_fd, chunk, sizeof(chunk), 0);
            if (n <= 0)
                break;
            buffer.append(chunk, n);
        }
        QList<QByteArray> lines = buffer.split('\n');
        lines.removeLast();
        return lines;
    }

private:
    int m_fd = -1;
    bool m_connected = false;
};

} // namespace

class TestActionServer : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_listener = std::make_unique<QLocalServer>();
        QVERIFY(m_listener->listen(m_dir->path() + "/instance"));
        m_carriedOut.clear();
        m_server = std::make_unique<ActionServer>(
            m_listener.get(), [this](const QString &name) { m_carriedOut << name; });
        m_server->start();
    }
    void cleanup()
    {
        m_server.reset();
        m_listener.reset();
    }

    // What one connection sends, what it is answered, what is carried out and how
    // many lines the log gets.
    void requests_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QList<QByteArray>>("answers");
        QTest::addColumn<QStringList>("carriedOut");
        QTest::addColumn<int>("logLines");
        const QByteArray ok("ok");
        const QByteArray refused("refused");
        QTest::newRow("one action")
            << QByteArray("undo\n") << QList{ok} << QStringList{"undo"} << 0;
        QTest::newRow("plain second start")
            << QByteArray("\n") << QList{ok} << QStringList{QString()} << 0;
        QTest::newRow("several on one connection")
            << QByteArray("pen\ndraw\nquit\n") << QList{ok, ok, ok}
            << QStringList{"pen", "draw", "quit"} << 0;
        QTest::newRow("unknown name")
            << QByteArray("Undo\n") << QList{refused} << QStringList{} << 1;
        QTest::newRow("old-style arguments")
            << QByteArray("--restart|-x\n") << QList{refused} << QStringList{} << 1;
        QTest::newRow("binary") << QByteArray("\x00\xff\x01undo\n", 8) << QList{refused}
                                << QStringList{} << 1;
        QTest::newRow("garbage between actions")
            << QByteArray("undo\nrm -rf /\nredo\n") << QList{ok, refused, ok}
            << QStringList{"undo", "redo"} << 1;
        QTest::newRow("carriage return")
            << QByteArray("undo\r\n") << QList{refused} << QStringList{} << 1;
    }
    void requests()
    {
        QFETCH(QByteArray, sent);
        QFETCH(QList<QByteArray>, answers);
        QFETCH(QStringList, carriedOut);
        QFETCH(int, logLines);
        MessageCapture log;
        QList<QByteArray> got;
        std::thread client([&] {
            Client c(path());
            if (c.connected() && c.send(sent))
                got = c.answers(int(answers.size()));
        });
        QTRY_VERIFY_WITH_TIMEOUT(got.size() == answers.size() || m_carriedOut.size() > 2, 5000);
        client.join();
        QCOMPARE(got, answers);
        QCOMPARE(m_carriedOut, carriedOut);
        QCOMPARE(refusals(log), logLines);
    }

    // A megabyte without a newline is refused after the first line's worth: the
    // connection is dropped, nothing is buffered, and the next client is served.
    void overLongLineIsRefused_data()
    {
        QTest::addColumn<bool>("newline");
        QTest::newRow("no newline") << false;
        QTest::newRow("newline at the end") << true;
    }
    void overLongLineIsRefused()
    {
        QFETCH(bool, newline);
        MessageCapture log;
        std::atomic<bool> done{false};
        std::thread client([&] {
            Client c(path());
            QByteArray line(1024 * 1024, 'u');
            if (newline)
                line += '\n';
            c.send(line);
            c.answers(1);
            done = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(done, 10000);
        client.join();
        QVERIFY(m_carriedOut.isEmpty());
        QCOMPARE(refusals(log), 1);

        QList<QByteArray> got;
        std::thread next([&] {
            Client c(path());
            c.send("redo\n");
            got = c.answers(1);
        });
        QTRY_COMPARE_WITH_TIMEOUT(got, QList<QByteArray>{"ok"}, 5000);
        next.join();
        QCOMPARE(m_carriedOut, QStringList{"redo"});
    }

    // 1000 actions in about a second over many connections, garbage in between:
    // every valid one is carried out, the event loop keeps turning meanwhile, and the
    // refusals cost a handful of log lines, not one each.
    void floodIsServedAndStaysResponsive()
    {
        MessageCapture log;
        int heartbeats = 0;
        int heartbeatsWhileBusy = 0;
        QTimer heartbeat;
        heartbeat.setInterval(5);
        connect(&heartbeat, &QTimer::timeout, this, [&] {
            ++heartbeats;
            if (!m_carriedOut.isEmpty() && m_carriedOut.size() < 1000)
                ++heartbeatsWhileBusy;
        });
        heartbeat.start();

        std::atomic<int> answered{0};
        std::atomic<int> refusedAnswers{0};
        auto sender = [&](int first) {
            for (int burst = 0; burst < 10; ++burst) {
                Client c(path());
                QByteArray lines;
                for (int i = 0; i < 50; ++i)
                    lines += (first + burst * 50 + i) % 2 ? "undo\n" : "redo\nnonsense\n";
                c.send(lines);
                for (const QByteArray &answer : c.answers(75))
                    (answer == "ok" ? answered : refusedAnswers)++;
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        };
        std::thread a(sender, 0);
        std::thread b(sender, 1);
        QTRY_VERIFY_WITH_TIMEOUT(answered + refusedAnswers == 1500, 30000);
        a.join();
        b.join();
        QCOMPARE(int(answered), 1000);
        QCOMPARE(m_carriedOut.size(), 1000);
        QCOMPARE(m_carriedOut.count("undo"), 500);
        QVERIFY2(heartbeatsWhileBusy > 0, "the event loop did not turn during the flood");
        QTest::qWait(1200); // the summary of the last second
        QVERIFY2(refusals(log) < 40, qPrintable(log.lines().join('\n')));
        QVERIFY(log.contains("more requests"));
    }

private:
    QString path() const { return m_dir->path() + "/instance"; }
    static int refusals(const MessageCapture &log)
    {
        int n = 0;
        for (const QString &line : log.lines())
            n += line.contains("refused");
        return n;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QLocalServer> m_listener;
    std::unique_ptr<ActionServer> m_server;
    QStringList m_carriedOut;
};

QTEST_GUILESS_MAIN(TestActionServer)
#include "tst_actionserver.moc"
