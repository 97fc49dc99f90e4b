#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <functional>

class QLocalServer;
class QLocalSocket;

// The running copy's side of the single-instance socket. A request is one line:
// an action name, or an empty line from a plain second start (bring the toolbar
// into view). Each is answered "ok" once carried out; anything else (an unknown
// name, bytes that are no name, a line longer than ActionCatalog::maxLineLength)
// is answered "refused", logged once and changes nothing. A flood is taken a few
// lines at a time, so the program stays responsive.
class ActionServer : public QObject
{
    Q_OBJECT

public:
    // Called with the action's name, or an empty name for the plain second start.
    using Handler = std::function<void(const QString &name)>;

    ActionServer(QLocalServer *server, Handler handler, QObject *parent = nullptr);
    ~ActionServer() override;

    // Takes connections from now on; until then they wait in the server's queue.
    void start();

    static constexpr int maxConnections = 32;
    static constexpr int linesPerTurn = 8;
    static constexpr int idleTimeoutMs = 5000;

private:
    void acceptPending();
    void serve(QLocalSocket *socket);
    void refuse(QLocalSocket *socket, const QString &reason, bool drop);
    void logRefusal(const QString &reason);

    QPointer<QLocalServer> m_server;
    Handler m_handler;
    int m_open = 0;
    // Refusals are logged one line each, at most a few a second; the rest are
    // counted and summed up in the next line.
    QElapsedTimer m_logWindow;
    int m_loggedInWindow = 0;
    int m_unlogged = 0;
};
