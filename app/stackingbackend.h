#pragma once

#include <QList>
#include <QObject>
#include <QWindow>

// The window manager's side of keeping the program's windows on top: reading the
// stacking order, asking for the "above" layer and for a raise. One
// implementation per window system that needs one.
class StackingBackend : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~StackingBackend() override = default;

    // Managed windows from bottom to top, docks and the desktop left out.
    virtual QList<WId> stackingOrder() const = 0;
    virtual bool isAbove(WId window) const = 0;
    virtual void setAbove(WId window) = 0;
    // To the top of the window's layer.
    virtual void raise(WId window) = 0;

signals:
    // Something may have moved: a window opened, was raised or changed state.
    void changed();
};
