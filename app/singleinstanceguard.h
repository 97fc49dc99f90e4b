#pragma once

#include <QLocalServer>
#include <QString>
#include <QStringList>

#include <memory>

// Keeps a second copy of the program from starting: the first copy listens on a
// local server name; a later copy hands it a request line and ends.
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

    // Hands request to a running copy; true when one took it (answer() then holds
    // its reply). Needs no application object.
    bool handOver(const QByteArray &request);

    // request: the line handed to a running copy, newline included.
    // restarting: a copy that is quitting may still hold the name, so no request
    // is sent to it; the name is waited for instead (at most restartWaitMs).
    Outcome claim(const QByteArray &request, bool restarting);

    void setRestartWait(int milliseconds) { m_restartWaitMs = milliseconds; }
    // How long a forwarded request waits for the running copy's answer.
    void setAnswerWait(int milliseconds) { m_answerWaitMs = milliseconds; }
    QLocalServer *server() const { return m_server.get(); }
    // The running copy's answer line to a forwarded request, without the newline;
    // empty when it gave none in time.
    QByteArray answer() const { return m_answer; }

private:
    bool nameIsStale() const;
    bool listen();
#ifdef Q_OS_WIN
    bool holdName(int waitMs);
#endif

    QString m_name;
    int m_restartWaitMs = 5000;
    int m_answerWaitMs = 15000;
    QByteArray m_answer;
    std::unique_ptr<QLocalServer> m_server;
#ifdef Q_OS_WIN
    void *m_nameMutex = nullptr; // owned while this copy holds the name
#endif
};
