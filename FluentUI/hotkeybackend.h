#pragma once

#include "nativekey.h"

#include <QKeyCombination>
#include <QObject>

#include <optional>

// The window system's side of the global hot keys: translating a key combination into
// a native key, taking and giving back the system-wide registration, and reporting
// presses. One implementation per window system.
class HotkeyBackend : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~HotkeyBackend() override = default;

    // Empty when the key has no code on the current keyboard.
    virtual std::optional<NativeKey> resolve(QKeyCombination combination) const = 0;
    // False when another program holds the key already.
    virtual bool grab(const NativeKey &key) = 0;
    virtual void ungrab(const NativeKey &key) = 0;

signals:
    void pressed(const NativeKey &key);
    // The keyboard map changed (another layout, a program loading its own map): the
    // same combination may now need another native key.
    void keyboardChanged();
};
