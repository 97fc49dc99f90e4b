#include "portalrequest.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDebug>

namespace {

constexpr const char *requestInterface = "org.freedesktop.portal.Request";

} // namespace

PortalRequest::PortalRequest(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_bus(bus)
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        if (m_finished)
            return;
        // The portal may still show a dialog; closing the request takes it away.
        if (!m_path.isEmpty())
            m_bus.asyncCall(QDBusMessage::createMethodCall(QString::fromLatin1(service), m_path,
                                                           QString::fromLatin1(requestInterface),
                                                           QStringLiteral("Close")));
        finish(Outcome::TimedOut, {}, QStringLiteral("the portal did not answer in time"));
    });
}

PortalRequest::~PortalRequest()
{
    stopListening();
}

QString PortalRequest::newToken()
{
    static QAtomicInt counter;
    return QStringLiteral("quillmark_%1_%2")
        .arg(QCoreApplication::applicationPid())
        .arg(counter.fetchAndAddRelaxed(1) + 1);
}

QString PortalRequest::requestPath(const QDBusConnection &bus, const QString &token)
{
    // ":1.42" becomes "1_42".
    QString sender = bus.baseService();
    if (sender.startsWith(QLatin1Char(':')))
        sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QString::fromLatin1(objectPath) + QStringLiteral("/request/") + sender +
           QLatin1Char('/') + token;
}

uint PortalRequest::interfaceVersion(const QString &interface, const QDBusConnection &bus,
                                     int timeoutMs)
{
    if (!bus.isConnected())
        return 0;
    QDBusMessage get = QDBusMessage::createMethodCall(
        QString::fromLatin1(service), QString::fromLatin1(objectPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << interface << QStringLiteral("version");
    const QDBusMessage reply = bus.call(get, QDBus::Block, timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return 0;
    return reply.arguments().constFirst().value<QDBusVariant>().variant().toUInt();
}

bool PortalRequest::listenOn(const QString &path)
{
    stopListening();
    m_path = path;
    return m_bus.connect(QString::fromLatin1(service), path, QString::fromLatin1(requestInterface),
                         QStringLiteral("Response"), this, SLOT(onResponse(uint, QVariantMap)));
}

void PortalRequest::stopListening()
{
    if (m_path.isEmpty())
        return;
    m_bus.disconnect(QString::fromLatin1(service), m_path, QString::fromLatin1(requestInterface),
                     QStringLiteral("Response"), this, SLOT(onResponse(uint, QVariantMap)));
    m_path.clear();
}

bool PortalRequest::start(const QString &interface, const QString &method,
                          const QVariantList &arguments, QVariantMap options, int timeoutMs)
{
    if (m_started) {
        qWarning() << "PortalRequest: one call per request" << interface << method;
        return false;
    }
    m_started = true;
    if (!m_bus.isConnected()) {
        finish(Outcome::Failed, {}, QStringLiteral("no session bus"));
        return false;
    }
    const QString token = newToken();
    options.insert(QStringLiteral("handle_token"), token);
    if (!listenOn(requestPath(m_bus, token))) {
        finish(Outcome::Failed, {}, QStringLiteral("cannot listen for the portal's answer"));
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(service), QString::fromLatin1(objectPath), interface, method);
    call.setArguments(QVariantList(arguments) << options);
    m_timeout.start(timeoutMs);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, interface, method] {
        watcher->deleteLater();
        if (m_finished)
            return;
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError()) {
            finish(Outcome::Failed, {},
                   interface + QLatin1Char('.') + method + QStringLiteral(": ") +
                       reply.error().message());
            return;
        }
        // Portals before 0.9 chose the path themselves.
        const QString path = reply.value().path();
        if (path != m_path && !listenOn(path))
            finish(Outcome::Failed, {}, QStringLiteral("cannot listen for the portal's answer"));
    });
    return true;
}

void PortalRequest::onResponse(uint response, const QVariantMap &results)
{
    if (m_finished)
        return;
    switch (response) {
    case 0:
        finish(Outcome::Success, results);
        break;
    case 1:
        finish(Outcome::Cancelled, results);
        break;
    default:
        finish(Outcome::Ended, results, QStringLiteral("the portal ended the request"));
        break;
    }
}

void PortalRequest::finish(Outcome outcome, const QVariantMap &results, const QString &error)
{
    m_finished = true;
    m_outcome = outcome;
    m_results = results;
    m_error = error;
    m_timeout.stop();
    stopListening();
    emit finished(outcome, results);
}
