#include "singleinstanceguard.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QLocalSocket>
#include <QThread>

SingleInstanceGuard::SingleInstanceGuard(const QString &name) : m_name(name) {}

SingleInstanceGuard::Outcome SingleInstanceGuard::claim(const QStringList &arguments,
                                                        bool restarting)
{
    if (m_name.isEmpty()) {
        // No private place for the name: a copy that cannot be guarded still runs.
        qWarning() << "Single-instance guard unavailable; this copy runs unguarded";
        return Outcome::Primary;
    }
    if (!restarting) {
        QLocalSocket socket;
        socket.connectToServer(m_name, QIODevice::ReadWrite);
        if (socket.waitForConnected(500)) {
            socket.write(arguments.join(QLatin1Char('|')).toUtf8());
            socket.waitForBytesWritten(30000);
            return Outcome::Forwarded;
        }
    }

    m_server = std::make_unique<QLocalServer>();
    if (listen())
        return Outcome::Primary;
#ifdef Q_OS_WIN
    qWarning() << "Cannot listen on" << m_name << ":" << m_server->errorString();
    return Outcome::Failed;
#else
    // A local server name is a socket file here: a copy that crashed leaves it
    // behind, and a copy that is restarting releases it only when it has quit.
    const QDeadlineTimer deadline(restarting ? m_restartWaitMs : 0);
    for (;;) {
        if (nameIsStale()) {
            QLocalServer::removeServer(m_name);
            if (listen())
                return Outcome::Primary;
        }
        if (deadline.hasExpired()) {
            qWarning() << "Cannot listen on" << m_name << ":" << m_server->errorString();
            return Outcome::Failed;
        }
        QThread::msleep(100);
        if (listen())
            return Outcome::Primary;
    }
#endif
}

bool SingleInstanceGuard::nameIsStale() const
{
    // Only a refused connection proves that nobody listens; a slow or busy copy
    // merely times out and keeps its name.
    QLocalSocket probe;
    probe.connectToServer(m_name, QIODevice::ReadWrite);
    if (probe.waitForConnected(200)) {
        probe.abort();
        return false;
    }
    const QLocalSocket::LocalSocketError error = probe.error();
    return error == QLocalSocket::ConnectionRefusedError ||
           error == QLocalSocket::ServerNotFoundError;
}

bool SingleInstanceGuard::listen()
{
    return m_server->listen(m_name);
}
