#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

// Key bindings in the desktop's own configuration that run `quillmark --action NAME`:
// for desktops where no program can receive global keys (Wayland without the
// GlobalShortcuts portal). Each binding is a map with "action" and "sequence" (the
// program's form, "Ctrl+Shift+Z"). The lines for sway and Hyprland are shown for the
// user to paste; GNOME's custom keybindings are written (and removed) through gsettings.
class DesktopKeyBindings : public QObject
{
    Q_OBJECT

public:
    explicit DesktopKeyBindings(QObject *parent = nullptr);

    // The command a binding runs: the program as installed ("quillmark" from a
    // package), else its full path, quoted where needed.
    Q_INVOKABLE QString command(const QString &action) const;
    // "bindsym ctrl+shift+z exec quillmark --action undo", one line per binding.
    Q_INVOKABLE QString swayLines(const QVariantList &bindings) const;
    // "bind = CTRL SHIFT, Z, exec, quillmark --action undo".
    Q_INVOKABLE QString hyprlandLines(const QVariantList &bindings) const;
    // GNOME's accelerator form: "<Control><Shift>z"; empty when it has none.
    static QString gnomeAccelerator(const QString &sequence);

    // Writes one custom keybinding per binding under GNOME's media-keys settings,
    // keeping the user's others; false (after a log line) when gsettings fails.
    Q_INVOKABLE bool writeGnomeBindings(const QVariantList &bindings);
    // Removes the ones written before; the user's others stay.
    Q_INVOKABLE bool removeGnomeBindings();
    // How many of ours GNOME holds now.
    Q_INVOKABLE int gnomeBindingCount() const;

    // For tests: the program the commands name.
    void setProgram(const QString &program) { m_program = program; }

private:
    QStringList customPaths() const;
    bool setCustomPaths(const QStringList &paths);

    QString m_program;
};
