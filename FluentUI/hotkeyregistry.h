#pragma once

#include "nativekey.h"

#include <QHash>
#include <QKeyCombination>
#include <QList>
#include <QObject>

#include <memory>

class HotkeyBackend;
class PortalShortcuts;

// The process's one book of global hot keys. Every holder gets its own handle; holders
// that ask for the same key share one registration with the window system, which is
// given back when the last of them lets go.
class HotkeyRegistry : public QObject
{
    Q_OBJECT

public:
    // Null once the application is shutting down.
    static HotkeyRegistry *instance();
    ~HotkeyRegistry() override;

    // Where the keys go: grabbed from the window system ("x11", "windows"), handed to
    // the desktop's GlobalShortcuts portal ("portal", on Wayland), or nowhere ("none").
    QString mode() const;
    // A Wayland session: key grabs see only keys meant for X11 windows there.
    static bool isWaylandSession();

    // A handle above zero, or zero (after one warning line) when the sequence cannot be
    // parsed, has no key on this keyboard or is held by another program. Through the
    // portal the key is only the preferred trigger of the shortcut named id (its
    // description is owner); keys without an id are not handed to the desktop.
    int acquire(const QString &sequence, const QString &owner, const QString &id = {});
    void release(int handle);

    // Through the portal: what the desktop made of each shortcut id, in its words.
    QHash<QString, QString> triggers() const;
    bool canConfigure() const;
    // Opens the desktop's own dialog for the shortcuts; false where it has none.
    bool configure();

    // While suspended every key is given back to the window system (so that a shortcut
    // recorder can see the presses); handles stay valid and are taken again on resume.
    void suspend();
    void resume();
    bool isSuspended() const { return m_suspendCount > 0; }

signals:
    void activated(int handle);
    void triggersChanged();
    void modeChanged();

private:
    // portal, when given, becomes the registry's child and takes the keys.
    explicit HotkeyRegistry(std::unique_ptr<HotkeyBackend> backend,
                            PortalShortcuts *portal = nullptr);
    void publishToPortal();
    void fallBackFromPortal();
    bool acquireNative(int handle, QKeyCombination combination, const QString &owner,
                       const QString &sequence);
    void portalActivated(const QString &id);
    void dispatch(const NativeKey &key);
    // Every key is taken again by the combination it was asked for, on the new map.
    void rebind();
    void grabAll();

    struct Registration
    {
        QList<int> handles;
        bool grabbed = false;
    };

    std::unique_ptr<HotkeyBackend> m_backend;
    PortalShortcuts *m_portal = nullptr;
    struct PortalClaim
    {
        QString id;
        QString owner;
        QString sequence;
    };
    QHash<int, PortalClaim> m_portalClaims;
    QHash<NativeKey, Registration> m_registrations;
    QHash<int, NativeKey> m_handles;
    // What each handle asked for, to resolve again when the keyboard map changes;
    // handles whose key the current map lacks wait here without a registration.
    QHash<int, QKeyCombination> m_combinations;
    QHash<int, QString> m_owners;
    int m_nextHandle = 1;
    int m_suspendCount = 0;
    bool m_suspendedForDialog = false;
};
