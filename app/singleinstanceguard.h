#pragma once

#include <QLocalServer>
#include <QString>
#include <QStringList>

#include <memory>

// Keeps a second copy of the program from starting: the first copy listens on a
// local server name; a later copy hands its arguments to it and ends.
class SingleInstanceGuard
{
public:
    enum class Outcome {
        Primary,   // this copy now holds the name
        Forwarded, // another copy answered and got the message: exit 0
        Failed,    // the name could not be listened on: exit 1
    };

    // name: the server name (a socket path on Unix); empty means no guard at all,
    // and claim() then always succeeds.
    explicit SingleInstanceGuard(const QString &name);
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard &) = delete;
    SingleInstanceGuard &operator=(const SingleInstanceGuard &) = delete;

    // arguments: the program's arguments without the program path.
    // restarting: a copy that is quitting may still hold the name, so no message
    // is sent to it; the name is waited for instead (at most restartWaitMs).
    Outcome claim(const QStringList &arguments, bool restarting);

    void setRestartWait(int milliseconds) { m_restartWaitMs = milliseconds; }
    const QLocalServer *server() const { return m_server.get(); }

private:
    bool nameIsStale() const;
    bool listen();
#ifdef Q_OS_WIN
    bool holdName(int waitMs);
#endif

    QString m_name;
    int m_restartWaitMs = 5000;
    std::unique_ptr<QLocalServer> m_server;
#ifdef Q_OS_WIN
    void *m_nameMutex = nullptr; // owned while this copy holds the name
#endif
};
