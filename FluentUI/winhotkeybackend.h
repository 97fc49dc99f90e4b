#pragma once

#include "hotkeybackend.h"

#include <QAbstractNativeEventFilter>
#include <QHash>

// Global hot keys on Windows: RegisterHotKey for the GUI thread, whose WM_HOTKEY
// messages arrive through the application's native event filter.
class WinHotkeyBackend : public HotkeyBackend, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    WinHotkeyBackend();
    ~WinHotkeyBackend() override;

    std::optional<NativeKey> resolve(QKeyCombination combination) const override;
    bool grab(const NativeKey &key) override;
    void ungrab(const NativeKey &key) override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    QHash<NativeKey, int> m_ids;
    int m_nextId = 1;
};
