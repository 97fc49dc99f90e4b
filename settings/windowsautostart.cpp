#include "windowsautostart.h"

#include <QDir>
#include <QSettings>

namespace {

const QString runKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString valueName = QStringLiteral("Quillmark");

} // namespace

WindowsAutostart::WindowsAutostart(const QString &programPath) : m_programPath(programPath) {}

bool WindowsAutostart::isEnabled() const
{
    const QSettings run(runKey, QSettings::NativeFormat);
    return !run.value(valueName).toString().isEmpty();
}

bool WindowsAutostart::setEnabled(bool enabled)
{
    QSettings run(runKey, QSettings::NativeFormat);
    if (enabled)
        run.setValue(valueName,
                     QLatin1Char('"') + QDir::toNativeSeparators(m_programPath) + QLatin1Char('"'));
    else
        run.remove(valueName);
    run.sync();
    return run.status() == QSettings::NoError && isEnabled() == enabled;
}
