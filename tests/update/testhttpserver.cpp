#include "testhttpserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <utility>

TestHttpServer::TestHttpServer(QObject *parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &TestHttpServer::onNewConnection);
}

bool TestHttpServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QString TestHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

void TestHttpServer::setFile(const QString &path, const QByteArray &body, int status)
{
    Route route;
    route.status = status;
    route.body = body;
    setRoute(path, route);
}

void TestHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_pending.remove(socket); });
    }
}

void TestHttpServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray &buffer = m_pending[socket];
    buffer += socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
    buffer.clear();
    if (requestLine.size() < 2) {
        socket->disconnectFromHost();
        return;
    }
    const QString path = QString::fromLatin1(requestLine.at(1));
    m_requests.append(QString::fromLatin1(requestLine.at(0)) + QLatin1Char(' ') + path);
    // Answer after the request has been read completely enough; bodies are ignored.
    respond(socket, path);
}

void TestHttpServer::respond(QTcpSocket *socket, const QString &path)
{
    Route route;
    if (m_routes.contains(path)) {
        route = m_routes.value(path);
    } else {
        route.status = 404;
        route.body = "not found";
    }
    if (route.hold) {
        m_held.append({QPointer<QTcpSocket>(socket), route});
        return;
    }
    send(socket, route);
}

void TestHttpServer::releaseHeld()
{
    const auto held = std::exchange(m_held, {});
    for (const auto &[socket, route] : held) {
        if (socket)
            send(socket, route);
    }
}

void TestHttpServer::send(QTcpSocket *socket, const Route &route)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) + " X\r\n";
    head += "Connection: close\r\n";
    if (route.sendLength)
        head += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
    if (!route.location.isEmpty())
        head += "Location: " + route.location + "\r\n";
    head += route.headers;
    head += "\r\n";
    socket->write(head);

    QByteArray body = route.body;
    if (route.stallAfter >= 0) {
        socket->write(body.left(route.stallAfter));
        return; // keeps the connection open without another byte
    }
    if (route.closeAfter >= 0) {
        socket->write(body.left(route.closeAfter));
        socket->disconnectFromHost();
        return;
    }
    if (route.chunkSize > 0) {
        sendChunks(socket, body, route);
        return;
    }
    socket->write(body);
    socket->disconnectFromHost();
}

void TestHttpServer::sendChunks(QTcpSocket *socket, QByteArray rest, Route route)
{
    socket->write(rest.left(route.chunkSize));
    rest = rest.mid(route.chunkSize);
    if (rest.isEmpty()) {
        socket->disconnectFromHost();
        return;
    }
    QPointer<QTcpSocket> guard(socket);
    QTimer::singleShot(route.chunkDelay, this, [this, guard, rest, route] {
        if (guard)
            sendChunks(guard, rest, route);
    });
}
