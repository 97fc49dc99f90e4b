#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantList>
#include <QVariantMap>

// One call of an xdg-desktop-portal method that answers later through a Request object
// (Screenshot, CreateSession, BindShortcuts ...). The call carries a handle_token in its
// options; the portal then emits org.freedesktop.portal.Request.Response(uint, a{sv}) on
// /org/freedesktop/portal/desktop/request/<sender>/<token>. The signal is subscribed
// before the call goes out, so that a quick answer is not missed, and again on the path
// the portal returns when an old portal names another one. finished() comes exactly once.
class PortalRequest : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Success,   // response 0: results hold the answer
        Cancelled, // response 1: the user said no
        Ended,     // response 2 (or another code): the portal gave up
        Failed,    // the call itself failed: no portal, no such interface, a bad argument
        TimedOut   // no response in time; the request was closed
    };
    Q_ENUM(Outcome)

    static constexpr const char *service = "org.freedesktop.portal.Desktop";
    static constexpr const char *objectPath = "/org/freedesktop/portal/desktop";

    explicit PortalRequest(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                           QObject *parent = nullptr);
    ~PortalRequest() override;

    // Calls interface.method(arguments..., options) on the portal; handle_token is added to
    // options. False when the call cannot even be sent (finished() then has come already,
    // with Failed). At most one call per object.
    bool start(const QString &interface, const QString &method, const QVariantList &arguments,
               QVariantMap options = {}, int timeoutMs = 30000);
    bool isFinished() const { return m_finished; }
    Outcome outcome() const { return m_outcome; }
    const QVariantMap &results() const { return m_results; }
    // Why a call failed or timed out; empty otherwise.
    const QString &error() const { return m_error; }

    // The portal's version of an interface; 0 when the portal or the interface is missing.
    static uint interfaceVersion(const QString &interface,
                                 const QDBusConnection &bus = QDBusConnection::sessionBus(),
                                 int timeoutMs = 5000);
    // The Request path the portal uses for this token on this connection.
    static QString requestPath(const QDBusConnection &bus, const QString &token);
    // A fresh token, unique within this process.
    static QString newToken();

signals:
    void finished(PortalRequest::Outcome outcome, const QVariantMap &results);

private slots:
    void onResponse(uint response, const QVariantMap &results);

private:
    bool listenOn(const QString &path);
    void stopListening();
    void finish(Outcome outcome, const QVariantMap &results, const QString &error = {});

    QDBusConnection m_bus;
    QString m_path;
    QTimer m_timeout;
    bool m_started = false;
    bool m_finished = false;
    Outcome m_outcome = Outcome::Failed;
    QVariantMap m_results;
    QString m_error;
};
