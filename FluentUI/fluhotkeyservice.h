#pragma once

#include <QObject>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// How the global hot keys reach the program on this desktop, for the settings window,
// the help and the toolbar's notice: grabbed, handed to the desktop's shortcut portal
// (which then decides the triggers), or not at all (a Wayland desktop without that
// portal, where the desktop's own key bindings have to run `--action`).
class FluHotkeyService : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString mode READ mode NOTIFY modeChanged FINAL)
    Q_PROPERTY(bool waylandSession READ waylandSession CONSTANT FINAL)
    // "sway", "hyprland", "kde", "gnome", ... (lower case), or empty.
    Q_PROPERTY(QString desktop READ desktop CONSTANT FINAL)
    // True where pressed keys cannot reach the program while other windows have the focus.
    Q_PROPERTY(bool needsDesktopBindings READ needsDesktopBindings NOTIFY modeChanged FINAL)
    // Shortcut id to the trigger the desktop chose, in its words.
    Q_PROPERTY(QVariantMap triggers READ triggers NOTIFY triggersChanged FINAL)
    Q_PROPERTY(bool canConfigure READ canConfigure NOTIFY triggersChanged FINAL)

public:
    explicit FluHotkeyService(QObject *parent = nullptr);

    QString mode() const;
    bool waylandSession() const;
    QString desktop() const;
    bool needsDesktopBindings() const;
    QVariantMap triggers() const;
    bool canConfigure() const;
    Q_INVOKABLE bool configure();

signals:
    void triggersChanged();
    void modeChanged();
};
