// The portal's Request/Response exchange against a stand-in portal on a private
// session bus (a real dbus-daemon): answers before and after the call returns,
// a cancel, a portal that answers on a path of its own, one that never answers,
// and a missing interface.
#include "portalrequest.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QtTest>

namespace {

const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString screenshot = QStringLiteral("org.freedesktop.portal.Screenshot");

// Serves Screenshot.Screenshot the way the test asks through `mode`.
class FakePortal : public QDBusVirtualObject
{
public:
    explicit FakePortal(QDBusConnection bus) : m_bus(bus) {}

    QAtomicInteger<int> closes = 0;
    QString mode; // set while no request runs

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &) override
    {
        if (message.interface() == QLatin1String("org.freedesktop.DBus.Properties")) {
            if (message.arguments().value(0).toString() != screenshot) {
                m_bus.send(message.createErrorReply(QDBusError::InvalidArgs, "No such interface"));
                return true;
            }
            m_bus.send(message.createReply(QVariant::fromValue(QDBusVariant(uint(2)))));
            return true;
        }
        if (message.interface() == QLatin1String("org.freedesktop.portal.Request")) {
            ++closes;
            m_bus.send(message.createReply());
            return true;
        }
        if (message.interface() != screenshot) {
            m_bus.send(message.createErrorReply(QDBusError::UnknownInterface, "No such interface"));
            return true;
        }
        const auto options = qdbus_cast<QVariantMap>(message.arguments().constLast());
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        QString path = portalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') +
                       options.value(QStringLiteral("handle_token")).toString();
        if (mode == QLatin1String("otherPath"))
            path = portalPath + QStringLiteral("/request/elsewhere");
        const auto respond = [this, path](uint code) {
            QDBusMessage response = QDBusMessage::createSignal(
                path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
            response << code
                     << QVariantMap{
                            {QStringLiteral("uri"), QStringLiteral("file:///tmp/shot.png")}};
            m_bus.send(response);
        };
        if (mode == QLatin1String("beforeReply"))
            respond(0);
        m_bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(path))));
        if (mode == QLatin1String("afterReply") || mode == QLatin1String("otherPath"))
            QTimer::singleShot(50, [respond] { respond(0); });
        else if (mode == QLatin1String("cancel"))
            QTimer::singleShot(50, [respond] { respond(1); });
        return true;
    }

private:
    QDBusConnection m_bus;
};

} // namespace

class TestPortalRequest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void outcome_data();
    void outcome();
    void interfaceVersion();

private:
    QProcess m_daemon;
    QString m_address;
    // The portal answers from a thread of its own, as a real one would from its process,
    // so that a blocking call of the test's thread still gets its answer.
    QThread m_portalThread;
    std::unique_ptr<FakePortal> m_portal;
};

void TestPortalRequest::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        QSKIP("dbus-daemon is not installed");
    m_daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address"});
    QVERIFY(m_daemon.waitForStarted());
    QTRY_VERIFY(m_daemon.waitForReadyRead(100) || m_daemon.canReadLine());
    m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
    QDBusConnection portalBus = QDBusConnection::connectToBus(m_address, QStringLiteral("portal"));
    QVERIFY(portalBus.isConnected());
    QVERIFY(portalBus.registerService(QString::fromLatin1(PortalRequest::service)));
    m_portal = std::make_unique<FakePortal>(portalBus);
    m_portal->moveToThread(&m_portalThread);
    m_portalThread.start();
    QVERIFY(portalBus.registerVirtualObject(portalPath, m_portal.get(), QDBusConnection::SubPath));
}

void TestPortalRequest::cleanupTestCase()
{
    m_portalThread.quit();
    m_portalThread.wait();
    QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    m_daemon.terminate();
    m_daemon.waitForFinished();
}

void TestPortalRequest::outcome_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("interface");
    QTest::addColumn<PortalRequest::Outcome>("expected");
    QTest::newRow("answer after the call returned")
        << "afterReply" << screenshot << PortalRequest::Outcome::Success;
    QTest::newRow("answer before the call returned")
        << "beforeReply" << screenshot << PortalRequest::Outcome::Success;
    QTest::newRow("answer on the portal's own path")
        << "otherPath" << screenshot << PortalRequest::Outcome::Success;
    QTest::newRow("cancelled") << "cancel" << screenshot << PortalRequest::Outcome::Cancelled;
    QTest::newRow("never answered") << "never" << screenshot << PortalRequest::Outcome::TimedOut;
    QTest::newRow("no such interface")
        << "afterReply"
        << "org.freedesktop.portal.Nothing" << PortalRequest::Outcome::Failed;
}

void TestPortalRequest::outcome()
{
    QFETCH(QString, mode);
    QFETCH(QString, interface);
    QFETCH(PortalRequest::Outcome, expected);
    m_portal->mode = mode;
    m_portal->closes = 0;
    const QDBusConnection client =
        QDBusConnection::connectToBus(m_address, QStringLiteral("client"));
    PortalRequest request(client);
    QSignalSpy finished(&request, &PortalRequest::finished);
    request.start(interface, QStringLiteral("Screenshot"), {QString()},
                  {{QStringLiteral("interactive"), false}}, 700);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(request.outcome(), expected);
    if (expected == PortalRequest::Outcome::Success)
        QCOMPARE(request.results().value(QStringLiteral("uri")).toString(),
                 QStringLiteral("file:///tmp/shot.png"));
    else if (expected != PortalRequest::Outcome::Cancelled)
        QVERIFY(!request.error().isEmpty());
    if (expected == PortalRequest::Outcome::TimedOut)
        QTRY_COMPARE(m_portal->closes, 1); // the dialog a portal may show is taken away
    // Exactly once, whatever comes later.
    QTest::qWait(100);
    QCOMPARE(finished.count(), 1);
}

void TestPortalRequest::interfaceVersion()
{
    const QDBusConnection client =
        QDBusConnection::connectToBus(m_address, QStringLiteral("client"));
    QCOMPARE(PortalRequest::interfaceVersion(screenshot, client), 2u);
    QCOMPARE(
        PortalRequest::interfaceVersion(QStringLiteral("org.freedesktop.portal.Nothing"), client),
        0u);
    QCOMPARE(PortalRequest::interfaceVersion(screenshot, QDBusConnection(QStringLiteral("none"))),
             0u);
}

QTEST_GUILESS_MAIN(TestPortalRequest)
#include "tst_portalrequest.moc"
