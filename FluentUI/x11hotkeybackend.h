#pragma once

#include "hotkeybackend.h"

#include <QAbstractNativeEventFilter>
#include <QTimer>

#include <memory>

struct xcb_connection_t;
struct _XCBKeySymbols;

// Global hot keys on X11: a passive grab of the key on the root window, taken once for
// every combination of Caps Lock and Num Lock so the key works whatever locks are on.
class X11HotkeyBackend : public HotkeyBackend, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    // Null unless the application runs on the xcb platform.
    static std::unique_ptr<X11HotkeyBackend> create();
    ~X11HotkeyBackend() override;

    std::optional<NativeKey> resolve(QKeyCombination combination) const override;
    bool grab(const NativeKey &key) override;
    void ungrab(const NativeKey &key) override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    X11HotkeyBackend(xcb_connection_t *connection, quint32 root);
    void readNumLockMask();
    // A new map arrives as a burst of events; the keys move once it has settled.
    void mapChanged();
    quint32 lockCombination(int index) const;

    struct SymbolsDeleter
    {
        void operator()(_XCBKeySymbols *symbols) const;
    };

    xcb_connection_t *m_connection;
    quint32 m_root;
    std::unique_ptr<_XCBKeySymbols, SymbolsDeleter> m_symbols;
    quint16 m_numLockMask = 0;
    // The first event number of the XKEYBOARD extension (0 without it): layout
    // switches come as its events, not always as core MappingNotify.
    quint8 m_xkbEventBase = 0;
    QTimer m_settle;
};
