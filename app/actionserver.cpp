#include "actionserver.h"

#include "actioncatalog.h"

#include <QDebug>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QVariant>

namespace {

// What a refused line looked like, safe for the log: printable ASCII only, short.
QString excerpt(const QByteArray &bytes)
{
    QString text;
    for (const char c : bytes.left(24))
        text += (c >= 0x20 && c < 0x7f) ? QChar::fromLatin1(c) : QChar(u'?');
    return bytes.size() > 24 ? text + QStringLiteral("...") : text;
}

// A connection's state beside its socket.
constexpr char closingProperty[] = "quillmarkClosing";
constexpr char scheduledProperty[] = "quillmarkScheduled";
constexpr char droppedProperty[] = "quillmarkDropped";

} // namespace

ActionServer::ActionServer(QLocalServer *server, Handler handler, QObject *parent)
    : QObject(parent), m_server(server), m_handler(std::move(handler))
{
}

ActionServer::~ActionServer() = default;

void ActionServer::start()
{
    if (!m_server)
        return;
    connect(m_server, &QLocalServer::newConnection, this, &ActionServer::acceptPending);
    acceptPending();
}

void ActionServer::acceptPending()
{
    // Beyond the limit connections wait in the server's queue (and then in the
    // system's), which slows a flood down instead of dropping valid requests.
    while (m_server && m_open < maxConnections && m_server->hasPendingConnections()) {
        QLocalSocket *socket = m_server->nextPendingConnection();
        if (!socket)
            break;
        ++m_open;
        // A line never needs more; a client that sends more waits or is refused.
        socket->setReadBufferSize(ActionCatalog::maxLineLength * 4);
        auto *idle = new QTimer(socket);
        idle->setSingleShot(true);
        idle->setInterval(idleTimeoutMs);
        connect(idle, &QTimer::timeout, socket, [socket] {
            qDebug() << "Closing an idle connection on the single-instance socket";
            socket->abort();
        });
        idle->start();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, idle] {
            idle->start();
            serve(socket);
        });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            socket->setProperty(closingProperty, true);
            serve(socket);
        });
        connect(socket, &QObject::destroyed, this, [this] {
            --m_open;
            QTimer::singleShot(0, this, &ActionServer::acceptPending);
        });
        serve(socket);
    }
}

void ActionServer::serve(QLocalSocket *socket)
{
    // Aborting a connection reports its end at once, with the refused bytes still
    // in the buffer.
    if (socket->property(droppedProperty).toBool())
        return;
    socket->setProperty(scheduledProperty, false);
    for (int lines = 0; lines < linesPerTurn; ++lines) {
        const QByteArray head = socket->peek(ActionCatalog::maxLineLength);
        const qsizetype end = head.indexOf('\n');
        if (end < 0) {
            if (head.size() >= ActionCatalog::maxLineLength) {
                refuse(
                    socket,
                    QStringLiteral("a line longer than %1 bytes").arg(ActionCatalog::maxLineLength),
                    true);
                return;
            }
            break;
        }
        const QByteArray line = socket->read(end + 1).chopped(1);
        const QString name = QString::fromLatin1(line);
        if (!line.isEmpty() && !ActionCatalog::isKnown(name)) {
            refuse(socket, QStringLiteral("\"%1\", which is no action").arg(excerpt(line)), false);
            continue;
        }
        m_handler(name);
        socket->write("ok\n");
        socket->flush();
    }
    if (socket->bytesAvailable() >= ActionCatalog::maxLineLength ||
        (socket->bytesAvailable() > 0 && socket->peek(socket->bytesAvailable()).contains('\n'))) {
        // More complete lines wait: let the event loop run first.
        if (!socket->property(scheduledProperty).toBool()) {
            socket->setProperty(scheduledProperty, true);
            QTimer::singleShot(0, socket, [this, socket] { serve(socket); });
        }
        return;
    }
    if (socket->property(closingProperty).toBool())
        socket->deleteLater();
}

void ActionServer::refuse(QLocalSocket *socket, const QString &reason, bool drop)
{
    logRefusal(reason);
    if (socket->state() == QLocalSocket::ConnectedState) {
        socket->write("refused\n");
        socket->flush();
    }
    if (drop) {
        socket->setProperty(droppedProperty, true);
        socket->abort();
        socket->deleteLater();
    }
}

// An empty reason only writes the summary of a window that has ended.
void ActionServer::logRefusal(const QString &reason)
{
    if (!m_logWindow.isValid() || m_logWindow.elapsed() > 1000) {
        if (m_unlogged > 0) {
            qWarning().noquote() << "The single-instance socket refused" << m_unlogged
                                 << "more requests";
        }
        m_logWindow.start();
        m_loggedInWindow = 0;
        m_unlogged = 0;
    }
    if (m_loggedInWindow >= 5) {
        if (m_unlogged++ == 0)
            QTimer::singleShot(1100, this, [this] { logRefusal(QString()); });
        return;
    }
    if (reason.isEmpty())
        return;
    ++m_loggedInWindow;
    qWarning().noquote() << "The single-instance socket refused" << reason;
}
