#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWindow>

#include <memory>

class StackingBackend;

// Keeps the program reachable while other programs open and raise windows: the
// overlay above every other program's window, the toolbar above the overlay,
// and the program's own dialogs and pop-ups above the toolbar, in the drawing
// state as in pass-through. On Windows the window flags do all this; on X11 the
// window manager is asked for the "above" layer and for raises whenever the
// order goes wrong.
class StackingKeeper : public QObject
{
    Q_OBJECT

public:
    // overlayTitle: the title by which the overlay window is recognised.
    explicit StackingKeeper(const QString &overlayTitle, QObject *parent = nullptr);
    ~StackingKeeper() override;

    bool isActive() const { return m_backend != nullptr; }
    // Engine hook: the first Quick window created is the toolbar.
    void onObjectCreated(QObject *object);

    // Checks the order now and mends it; true when nothing needed mending.
    bool enforce();

private:
    void schedule();
    QList<QWindow *> overlays() const;

    QString m_overlayTitle;
    std::unique_ptr<StackingBackend> m_backend;
    QPointer<QWindow> m_toolbar;
    QTimer m_debounce;
    QTimer m_safetyNet;
    int m_fixesInARow = 0;
};
