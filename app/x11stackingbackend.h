#pragma once

#include "stackingbackend.h"

#include <QAbstractNativeEventFilter>
#include <QHash>

#include <memory>

struct xcb_connection_t;

// EWMH stacking: the managed windows of _NET_CLIENT_LIST_STACKING in the order of
// their frames, _NET_WM_STATE_ABOVE for the layer, _NET_RESTACK_WINDOW (or a plain
// restack request) for raising. Root property changes and restacked, mapped or
// moved top-level windows report that the order may have changed.
class X11StackingBackend : public StackingBackend, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    // Null unless the application runs on the xcb platform.
    static std::unique_ptr<X11StackingBackend> create();
    ~X11StackingBackend() override;

    QList<WId> stackingOrder() const override;
    bool isAbove(WId window) const override;
    void setAbove(WId window) override;
    void raise(WId window) override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    X11StackingBackend(xcb_connection_t *connection, quint32 root);
    quint32 atom(const char *name) const;
    QList<quint32> atomList(quint32 window, quint32 property, quint32 type) const;
    bool isIgnoredType(quint32 window) const;
    bool managerSupports(quint32 hint) const;
    // Bottom to top; parent, when given, receives the window's parent.
    QList<quint32> children(quint32 window, quint32 *parent) const;
    quint32 frameOf(quint32 window) const;

    xcb_connection_t *m_connection;
    quint32 m_root;
    mutable QHash<QByteArray, quint32> m_atoms;
};
