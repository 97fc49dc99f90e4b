#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

// The desktop's own global shortcuts, through the GlobalShortcuts desktop portal
// (KDE Plasma, GNOME 48 and later, Hyprland): the program names its shortcuts with
// the user's keys as preferred triggers, the desktop decides the final triggers and
// reports presses as Activated. Works on Wayland, where no program can grab keys.
class PortalShortcuts : public QObject
{
    Q_OBJECT

public:
    struct Shortcut
    {
        QString id;
        QString description;
        QString preferredTrigger; // "CTRL+z", as the desktop portal writes key combinations
    };

    explicit PortalShortcuts(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                             QObject *parent = nullptr);
    ~PortalShortcuts() override;

    // The portal's interface version on bus; 0 when there is no such portal.
    static uint version(const QDBusConnection &bus = QDBusConnection::sessionBus());
    // "Ctrl+Shift+Z" as the portal's preferred trigger: "CTRL+SHIFT+z"; empty when
    // the sequence is not one key with modifiers.
    static QString triggerFor(const QString &sequence);

    // The whole set; bound again shortly after the last change (a new session each
    // time, since a session binds once).
    void setShortcuts(const QList<Shortcut> &shortcuts);
    // What the desktop gave each shortcut id, as it describes the trigger.
    QHash<QString, QString> triggers() const { return m_triggers; }
    bool isBound() const { return !m_session.isEmpty() && m_bound; }
    // Opens the desktop's own dialog for these shortcuts (version 2 of the portal).
    bool configure();
    uint portalVersion() const { return m_version; }

signals:
    void activated(const QString &id);
    void triggersChanged();
    // The desktop refused or failed: the reason, for one log line and the notice.
    void failed(const QString &reason);

private slots:
    void onActivated(const QDBusMessage &message);
    void onShortcutsChanged(const QDBusMessage &message);

private:
    void bind();
    void bindInSession(const QString &session);
    void closeSession();
    void takeTriggers(const QVariant &shortcuts);

    QDBusConnection m_bus;
    uint m_version = 0;
    QList<Shortcut> m_shortcuts;
    QHash<QString, QString> m_triggers;
    QString m_session;
    bool m_bound = false;
    QTimer m_settle;
    int m_generation = 0;
};
