#include "updatelimits.h"

#include "iniconfig.h"

#include <QDebug>

qint64 UpdateLimits::clampedNumber(const QString &text, qint64 fallback, qint64 minimum,
                                   qint64 maximum, bool *clamped)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    const qint64 result = ok ? qBound(minimum, value, maximum) : fallback;
    if (clamped)
        *clamped = !ok || result != value;
    return result;
}

qint64 UpdateLimits::maximumFileBytes(const IniConfig &config)
{
    const QString text = config.value(QStringLiteral("UPDATE"), QLatin1String(maxDownloadKey));
    if (text.isEmpty())
        return defaultFileMiB * 1024 * 1024;
    bool clamped = false;
    const qint64 mib =
        clampedNumber(text, defaultFileMiB, minimumFileMiB, maximumFileMiB, &clamped);
    if (clamped)
        qWarning() << "config.ini" << maxDownloadKey << text << "is not a number from"
                   << minimumFileMiB << "to" << maximumFileMiB << "; using" << mib;
    return mib * 1024 * 1024;
}
