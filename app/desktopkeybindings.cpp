#include "desktopkeybindings.h"

#include "apppaths.h"

#include <QCoreApplication>
#include <QDebug>
#include <QKeySequence>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

const QString mediaKeys = QStringLiteral("org.gnome.settings-daemon.plugins.media-keys");
const QString customKey = QStringLiteral("custom-keybindings");
const QString customSchema =
    QStringLiteral("org.gnome.settings-daemon.plugins.media-keys.custom-keybinding");
const QString customFolder =
    QStringLiteral("/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/");
// Our entries are known by this name, so that removing never touches the user's own.
const QString ourPrefix = QStringLiteral("quillmark-");

struct Binding
{
    QString action;
    QKeyCombination key;
};

QList<Binding> bindingsOf(const QVariantList &list)
{
    QList<Binding> bindings;
    for (const QVariant &entry : list) {
        const QVariantMap map = entry.toMap();
        const QString action = map.value(QStringLiteral("action")).toString();
        const QKeySequence parsed = QKeySequence::fromString(
            map.value(QStringLiteral("sequence")).toString(), QKeySequence::PortableText);
        // Only names of letters, digits and dashes reach a command line.
        static const QRegularExpression safe(QStringLiteral("^[a-z][a-z-]*$"));
        if (!safe.match(action).hasMatch() || parsed.count() != 1 ||
            parsed[0].key() == Qt::Key_unknown)
            continue;
        bindings.append({action, parsed[0]});
    }
    return bindings;
}

// The key's xkb symbol name, as sway, Hyprland and GNOME spell it.
QString keyName(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return QChar(key).toLower();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
    static const QHash<int, QString> names{
        {Qt::Key_Escape, QStringLiteral("Escape")},
        {Qt::Key_Tab, QStringLiteral("Tab")},
        {Qt::Key_Return, QStringLiteral("Return")},
        {Qt::Key_Delete, QStringLiteral("Delete")},
        {Qt::Key_Insert, QStringLiteral("Insert")},
        {Qt::Key_Home, QStringLiteral("Home")},
        {Qt::Key_End, QStringLiteral("End")},
        {Qt::Key_Print, QStringLiteral("Print")},
        {Qt::Key_PageUp, QStringLiteral("Prior")},
        {Qt::Key_PageDown, QStringLiteral("Next")},
        {Qt::Key_Left, QStringLiteral("Left")},
        {Qt::Key_Right, QStringLiteral("Right")},
        {Qt::Key_Up, QStringLiteral("Up")},
        {Qt::Key_Down, QStringLiteral("Down")},
        {Qt::Key_Space, QStringLiteral("space")},
        {Qt::Key_Pause, QStringLiteral("Pause")},
        {Qt::Key_Backspace, QStringLiteral("BackSpace")},
    };
    return names.value(key);
}

QString runGsettings(const QStringList &arguments, bool *ok)
{
    QProcess gsettings;
    gsettings.start(QStringLiteral("gsettings"), arguments);
    *ok = gsettings.waitForFinished(10000) && gsettings.exitStatus() == QProcess::NormalExit &&
          gsettings.exitCode() == 0;
    if (!*ok) {
        qWarning().noquote() << "gsettings" << arguments.join(QLatin1Char(' ')) << "failed:"
                             << QString::fromLocal8Bit(gsettings.readAllStandardError()).trimmed()
                             << gsettings.errorString();
    }
    return QString::fromUtf8(gsettings.readAllStandardOutput()).trimmed();
}

// GVariant text of a string: single quotes, with quotes and backslashes escaped.
QString quoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

} // namespace

DesktopKeyBindings::DesktopKeyBindings(QObject *parent) : QObject(parent)
{
    if (AppPaths::isSystemLayout() &&
        !QStandardPaths::findExecutable(QStringLiteral("quillmark")).isEmpty())
        m_program = QStringLiteral("quillmark");
    else
        m_program = QCoreApplication::applicationFilePath();
}

QString DesktopKeyBindings::command(const QString &action) const
{
    QString program = m_program;
    if (program.contains(QLatin1Char(' ')) || program.contains(QLatin1Char('\'')))
        program = QLatin1Char('\'') + program.replace(QLatin1Char('\''), QStringLiteral("'\\''")) +
                  QLatin1Char('\'');
    return program + QStringLiteral(" --action ") + action;
}

QString DesktopKeyBindings::swayLines(const QVariantList &bindings) const
{
    QStringList lines;
    for (const Binding &binding : bindingsOf(bindings)) {
        QStringList keys;
        const Qt::KeyboardModifiers modifiers = binding.key.keyboardModifiers();
        if (modifiers & Qt::MetaModifier)
            keys << QStringLiteral("Mod4");
        if (modifiers & Qt::ControlModifier)
            keys << QStringLiteral("ctrl");
        if (modifiers & Qt::AltModifier)
            keys << QStringLiteral("Mod1");
        if (modifiers & Qt::ShiftModifier)
            keys << QStringLiteral("shift");
        const QString name = keyName(binding.key.key());
        if (name.isEmpty())
            continue;
        keys << name;
        lines << QStringLiteral("bindsym %1 exec %2")
                     .arg(keys.join(QLatin1Char('+')), command(binding.action));
    }
    return lines.join(QLatin1Char('\n'));
}

QString DesktopKeyBindings::hyprlandLines(const QVariantList &bindings) const
{
    QStringList lines;
    for (const Binding &binding : bindingsOf(bindings)) {
        QStringList modifiers;
        const Qt::KeyboardModifiers held = binding.key.keyboardModifiers();
        if (held & Qt::MetaModifier)
            modifiers << QStringLiteral("SUPER");
        if (held & Qt::ControlModifier)
            modifiers << QStringLiteral("CTRL");
        if (held & Qt::AltModifier)
            modifiers << QStringLiteral("ALT");
        if (held & Qt::ShiftModifier)
            modifiers << QStringLiteral("SHIFT");
        QString name = keyName(binding.key.key());
        if (name.isEmpty())
            continue;
        if (name.size() == 1)
            name = name.toUpper();
        lines << QStringLiteral("bind = %1, %2, exec, %3")
                     .arg(modifiers.join(QLatin1Char(' ')), name, command(binding.action));
    }
    return lines.join(QLatin1Char('\n'));
}

QString DesktopKeyBindings::gnomeAccelerator(const QString &sequence)
{
    const QKeySequence parsed = QKeySequence::fromString(sequence, QKeySequence::PortableText);
    if (parsed.count() != 1)
        return {};
    const QString name = keyName(parsed[0].key());
    if (name.isEmpty())
        return {};
    QString accelerator;
    const Qt::KeyboardModifiers modifiers = parsed[0].keyboardModifiers();
    if (modifiers & Qt::ControlModifier)
        accelerator += QStringLiteral("<Control>");
    if (modifiers & Qt::AltModifier)
        accelerator += QStringLiteral("<Alt>");
    if (modifiers & Qt::ShiftModifier)
        accelerator += QStringLiteral("<Shift>");
    if (modifiers & Qt::MetaModifier)
        accelerator += QStringLiteral("<Super>");
    return accelerator + name;
}

QStringList DesktopKeyBindings::customPaths() const
{
    bool ok = false;
    const QString text = runGsettings({QStringLiteral("get"), mediaKeys, customKey}, &ok);
    QStringList paths;
    if (!ok)
        return paths;
    // "['/org/.../custom0/', '/org/.../quillmark-undo/']" or "@as []".
    static const QRegularExpression item(QStringLiteral("'([^']*)'"));
    for (auto it = item.globalMatch(text); it.hasNext();)
        paths << it.next().captured(1);
    return paths;
}

bool DesktopKeyBindings::setCustomPaths(const QStringList &paths)
{
    QStringList items;
    for (const QString &path : paths)
        items << quoted(path);
    bool ok = false;
    runGsettings({QStringLiteral("set"), mediaKeys, customKey,
                  QStringLiteral("[") + items.join(QStringLiteral(", ")) + QStringLiteral("]")},
                 &ok);
    return ok;
}

bool DesktopKeyBindings::writeGnomeBindings(const QVariantList &bindings)
{
    if (!removeGnomeBindings())
        return false;
    QStringList paths = customPaths();
    int written = 0;
    for (const QVariant &entry : bindings) {
        const QVariantMap map = entry.toMap();
        const QList<Binding> parsed = bindingsOf({entry});
        const QString accelerator =
            gnomeAccelerator(map.value(QStringLiteral("sequence")).toString());
        if (parsed.isEmpty() || accelerator.isEmpty())
            continue;
        const QString action = parsed.constFirst().action;
        const QString path = customFolder + ourPrefix + action + QLatin1Char('/');
        const QString schema = customSchema + QLatin1Char(':') + path;
        const QString name =
            QStringLiteral("Quillmark: ") + map.value(QStringLiteral("name"), action).toString();
        bool ok = false;
        runGsettings({QStringLiteral("set"), schema, QStringLiteral("name"), name}, &ok);
        if (ok)
            runGsettings(
                {QStringLiteral("set"), schema, QStringLiteral("command"), command(action)}, &ok);
        if (ok)
            runGsettings({QStringLiteral("set"), schema, QStringLiteral("binding"), accelerator},
                         &ok);
        if (!ok)
            return false;
        paths << path;
        ++written;
    }
    if (!setCustomPaths(paths))
        return false;
    qDebug() << "GNOME 自定义快捷键已写入:" << written << "个";
    return true;
}

bool DesktopKeyBindings::removeGnomeBindings()
{
    bool ok = false;
    runGsettings({QStringLiteral("get"), mediaKeys, customKey}, &ok);
    if (!ok)
        return false;
    const QStringList paths = customPaths();
    QStringList kept;
    for (const QString &path : paths) {
        if (!path.startsWith(customFolder + ourPrefix)) {
            kept << path;
            continue;
        }
        runGsettings({QStringLiteral("reset-recursively"), customSchema + QLatin1Char(':') + path},
                     &ok);
    }
    return kept.size() == paths.size() || setCustomPaths(kept);
}

int DesktopKeyBindings::gnomeBindingCount() const
{
    int count = 0;
    for (const QString &path : customPaths())
        count += path.startsWith(customFolder + ourPrefix);
    return count;
}
