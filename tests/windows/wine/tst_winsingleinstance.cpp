#include "instanceaddress.h"
#include "singleinstanceguard.h"

#include <QRegularExpression>
#include <QSemaphore>
#include <QTest>
#include <QThread>

// One copy of the program per user on Windows, where a pipe name takes any number of
// servers. The other copy runs in a thread of its own: a mutex belongs to a thread.
class TestWinSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondCopyIsRefusedUntilTheFirstEnds()
    {
        const QString name = InstanceAddress::forName(QStringLiteral("quillmark-test"));
        QVERIFY(name.endsWith(QLatin1Char('-') + qEnvironmentVariable("USERNAME")));

        QSemaphore claimed, release, released;
        SingleInstanceGuard::Outcome first = SingleInstanceGuard::Outcome::Failed;
        std::unique_ptr<QThread> other(QThread::create([&] {
            {
                SingleInstanceGuard guard(name);
                first = guard.claim({}, true);
                claimed.release();
                release.acquire();
            }
            released.release();
        }));
        other->start();
        QVERIFY(claimed.tryAcquire(1, 10000));
        QCOMPARE(first, SingleInstanceGuard::Outcome::Primary);

        // A restarting copy does not ask the running one; it waits for the name, in vain.
        {
            SingleInstanceGuard second(name);
            second.setRestartWait(300);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot listen")));
            QCOMPARE(second.claim({}, true), SingleInstanceGuard::Outcome::Failed);
            QVERIFY(!second.server());
        }

        release.release();
        QVERIFY(released.tryAcquire(1, 10000));
        QVERIFY(other->wait(10000));
        SingleInstanceGuard third(name);
        third.setRestartWait(2000);
        QCOMPARE(third.claim({}, true), SingleInstanceGuard::Outcome::Primary);
        QVERIFY(third.server() && third.server()->isListening());
    }
};

QTEST_GUILESS_MAIN(TestWinSingleInstance)
#include "tst_winsingleinstance.moc"
