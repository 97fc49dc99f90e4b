#include "singleinstanceguard.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QLocalSocket>
#include <QThread>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

SingleInstanceGuard::SingleInstanceGuard(const QString &name) : m_name(name) {}

SingleInstanceGuard::~SingleInstanceGuard()
{
    m_server.reset();
#ifdef Q_OS_WIN
    if (m_nameMutex) {
        ReleaseMutex(m_nameMutex);
        CloseHandle(m_nameMutex);
    }
#endif
}

SingleInstanceGuard::Outcome SingleInstanceGuard::claim(const QByteArray &request, bool restarting)
{
    if (m_name.isEmpty()) {
        // No private place for the name: a copy that cannot be guarded still runs.
        qWarning() << "Single-instance guard unavailable; this copy runs unguarded";
        return Outcome::Primary;
    }
    if (!restarting && handOver(request))
        return Outcome::Forwarded;

#ifdef Q_OS_WIN
    // A pipe name takes any number of servers on Windows: a second copy's listen()
    // succeeds. The name is held by a mutex instead, which Windows gives up when the
    // holding process ends, however it ends; a restarting copy waits for it.
    if (!holdName(restarting ? m_restartWaitMs : 0)) {
        qWarning() << "Cannot listen on" << m_name << ": another copy holds it";
        return Outcome::Failed;
    }
#endif
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

bool SingleInstanceGuard::handOver(const QByteArray &request)
{
    m_answer.clear();
    if (m_name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_name, QIODevice::ReadWrite);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(request);
    socket.waitForBytesWritten(30000);
    // The answer comes once the request was carried out.
    const QDeadlineTimer answerDeadline(m_answerWaitMs);
    while (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState &&
           !answerDeadline.hasExpired()) {
        socket.waitForReadyRead(int(qMax<qint64>(1, answerDeadline.remainingTime())));
    }
    if (socket.canReadLine())
        m_answer = socket.readLine(256).trimmed();
    return true;
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

#ifdef Q_OS_WIN
bool SingleInstanceGuard::holdName(int waitMs)
{
    if (m_nameMutex)
        return true;
    // A backslash in the rest would name a namespace of kernel objects.
    QString key = m_name;
    key.replace(QLatin1Char('\\'), QLatin1Char('_'));
    const QString name = QStringLiteral("Local\\quillmark-instance-") + key;
    HANDLE mutex = CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t *>(name.utf16()));
    if (!mutex)
        return false;
    // WAIT_ABANDONED: the holder ended without letting go, and the name is ours.
    const DWORD result = WaitForSingleObject(mutex, DWORD(qMax(0, waitMs)));
    if (result != WAIT_OBJECT_0 && result != WAIT_ABANDONED) {
        CloseHandle(mutex);
        return false;
    }
    m_nameMutex = mutex;
    return true;
}
#endif
