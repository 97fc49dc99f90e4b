#pragma once

#include "nativekey.h"

#include <QHash>
#include <QKeyCombination>
#include <QList>
#include <QObject>

#include <memory>

class HotkeyBackend;

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

    // A handle above zero, or zero (after one warning line) when the sequence cannot be
    // parsed, has no key on this keyboard or is held by another program.
    int acquire(const QString &sequence, const QString &owner);
    void release(int handle);

    // While suspended every key is given back to the window system (so that a shortcut
    // recorder can see the presses); handles stay valid and are taken again on resume.
    void suspend();
    void resume();
    bool isSuspended() const { return m_suspendCount > 0; }

signals:
    void activated(int handle);

private:
    explicit HotkeyRegistry(std::unique_ptr<HotkeyBackend> backend);
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
    QHash<NativeKey, Registration> m_registrations;
    QHash<int, NativeKey> m_handles;
    // What each handle asked for, to resolve again when the keyboard map changes;
    // handles whose key the current map lacks wait here without a registration.
    QHash<int, QKeyCombination> m_combinations;
    QHash<int, QString> m_owners;
    int m_nextHandle = 1;
    int m_suspendCount = 0;
};
