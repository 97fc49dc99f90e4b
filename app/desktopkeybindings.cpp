#include "desktopkeybindings.h"

#include "apppaths.h"
#include "flukeynames.h"

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

QString keyName(int key)
{
    return FluKeyNames::symbolName(key);
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
        QStringList keys = FluKeyNames::modifiers(
            binding.key.keyboardModifiers(), {QStringLiteral("ctrl"), QStringLiteral("Mod1"),
                                              QStringLiteral("shift"), QStringLiteral("Mod4")});
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
        const QStringList modifiers = FluKeyNames::modifiers(
            binding.key.keyboardModifiers(), {QStringLiteral("CTRL"), QStringLiteral("ALT"),
                                              QStringLiteral("SHIFT"), QStringLiteral("SUPER")});
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
    return FluKeyNames::modifiers(parsed[0].keyboardModifiers(),
                                  {QStringLiteral("<Control>"), QStringLiteral("<Alt>"),
                                   QStringLiteral("<Shift>"), QStringLiteral("<Super>")})
               .join(QString()) +
           name;
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
