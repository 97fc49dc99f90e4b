#include "fluhotkeyservice.h"

#include "hotkeyregistry.h"

FluHotkeyService::FluHotkeyService(QObject *parent) : QObject(parent)
{
    if (HotkeyRegistry *registry = HotkeyRegistry::instance()) {
        connect(registry, &HotkeyRegistry::triggersChanged, this,
                &FluHotkeyService::triggersChanged);
        connect(registry, &HotkeyRegistry::modeChanged, this, &FluHotkeyService::modeChanged);
    }
}

QString FluHotkeyService::mode() const
{
    const HotkeyRegistry *registry = HotkeyRegistry::instance();
    return registry ? registry->mode() : QStringLiteral("none");
}

bool FluHotkeyService::waylandSession() const
{
    return HotkeyRegistry::isWaylandSession();
}

QString FluHotkeyService::desktop() const
{
    // "ubuntu:GNOME" names GNOME last; the known desktops are looked for in every entry.
    const QStringList names =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(QLatin1Char(':'));
    for (const char *known : {"kde", "gnome", "sway", "hyprland"}) {
        if (names.contains(QLatin1String(known)))
            return QString::fromLatin1(known);
    }
    return names.value(0);
}

bool FluHotkeyService::needsDesktopBindings() const
{
    return waylandSession() && mode() != QLatin1String("portal");
}

QVariantMap FluHotkeyService::triggers() const
{
    QVariantMap map;
    if (const HotkeyRegistry *registry = HotkeyRegistry::instance()) {
        const QHash<QString, QString> triggers = registry->triggers();
        for (auto it = triggers.cbegin(); it != triggers.cend(); ++it)
            map.insert(it.key(), it.value());
    }
    return map;
}

bool FluHotkeyService::canConfigure() const
{
    const HotkeyRegistry *registry = HotkeyRegistry::instance();
    return registry && registry->canConfigure();
}

bool FluHotkeyService::configure()
{
    HotkeyRegistry *registry = HotkeyRegistry::instance();
    return registry && registry->configure();
}
