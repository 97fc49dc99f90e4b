#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 inside the test process, for the answers
// a well-behaved server never gives: cut-off bodies, stalls, redirect loops,
// wrong statuses, bodies without a size.
class TestHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Route
    {
        int status = 200;
        QByteArray body;
        QByteArray location;    // sent as Location when not empty
        QByteArray headers;     // further header lines, each ending in \r\n
        bool sendLength = true; // Content-Length header
        qint64 closeAfter = -1; // close the connection after this many body bytes
        qint64 stallAfter = -1; // send this many body bytes, then nothing more
        int chunkSize = 0;      // > 0: send the body in chunks ...
        int chunkDelay = 0;     // ... this many ms apart
        bool hold = false;      // answer only when releaseHeld() is called
    };

    explicit TestHttpServer(QObject *parent = nullptr);

    bool listen();
    quint16 port() const { return m_server.serverPort(); }
    QString url(const QString &path) const;
    void setRoute(const QString &path, const Route &route) { m_routes.insert(path, route); }
    void setFile(const QString &path, const QByteArray &body, int status = 200);
    // Forgets every route and request.
    void clear()
    {
        m_routes.clear();
        m_requests.clear();
    }
    // Answers the requests held so far.
    void releaseHeld();
    // "GET /path" for every request seen, in order.
    QStringList requests() const { return m_requests; }

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    void respond(QTcpSocket *socket, const QString &path);
    void send(QTcpSocket *socket, const Route &route);
    void sendChunks(QTcpSocket *socket, QByteArray rest, Route route);

    QTcpServer m_server;
    QHash<QString, Route> m_routes;
    QHash<QTcpSocket *, QByteArray> m_pending;
    QStringList m_requests;
    QList<QPair<QPointer<QTcpSocket>, Route>> m_held;
};
