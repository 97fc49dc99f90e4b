#include "filenamepolicy.h"

#include "atomicfile.h"

#include <QStringList>

namespace {

// Names Windows maps to devices, whatever follows the first dot: it drops the
// spaces before the dot ("CON .txt"), and takes the superscript digits for
// ports ("COM¹", "LPT².txt") and the console names with a dollar sign.
bool isDeviceName(const QString &part)
{
    const QString base = part.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList devices{QStringLiteral("CON"),    QStringLiteral("PRN"),
                                     QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                     QStringLiteral("CONIN$"), QStringLiteral("CONOUT$"),
                                     QStringLiteral("CLOCK$")};
    if (devices.contains(base))
        return true;
    static const QString portDigits = QStringLiteral("0123456789\u00b9\u00b2\u00b3");
    return base.size() == 4 &&
           (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))) &&
           portDigits.contains(base.at(3));
}

// Longer parts no file system of ours holds (255 UTF-16 units on NTFS, 255
// bytes on ext4; the bytes are the stricter rule).
constexpr int maximumPartBytes = 255;

} // namespace

QString FileNamePolicy::refusal(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("empty name");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QStringLiteral("control character");
    }
    if (name.contains(QLatin1Char('\\')))
        return QStringLiteral("backslash");
    // Covers drive letters ("C:x") and NTFS alternate streams ("x:stream").
    if (name.contains(QLatin1Char(':')))
        return QStringLiteral("colon");
    if (name.startsWith(QLatin1Char('/')))
        return QStringLiteral("absolute path");
    static const QString reserved = QStringLiteral("<>\"|?*");
    for (const QChar c : name) {
        if (reserved.contains(c))
            return QStringLiteral("reserved character");
    }
    const QStringList parts = name.split(QLatin1Char('/'));
    for (const QString &part : parts) {
        if (part.isEmpty())
            return QStringLiteral("empty path component");
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return QStringLiteral("relative path component");
        // Windows drops trailing dots and spaces, so "x." would land on "x".
        if (part.endsWith(QLatin1Char('.')) || part.endsWith(QLatin1Char(' ')))
            return QStringLiteral("trailing dot or space");
        if (isDeviceName(part))
            return QStringLiteral("device name");
        if (part.toUtf8().size() > maximumPartBytes)
            return QStringLiteral("name part longer than %1 bytes").arg(maximumPartBytes);
    }
    // The downloader's own temporary files must never be a download target.
    if (name.endsWith(QLatin1String(AtomicFile::temporarySuffix), Qt::CaseInsensitive))
        return QStringLiteral("temporary file name");
    // config.ini names the update server and the program to start: a release that
    // could replace it would own every later update. Windows ignores letter case.
    if (name.compare(QLatin1String(configFileName), Qt::CaseInsensitive) == 0)
        return QStringLiteral("config.ini is never replaced by an update");
    // The staging folder, the journal and the installed serial belong to the updater.
    if (parts.first().startsWith(QLatin1String(reservedPrefix), Qt::CaseInsensitive))
        return QStringLiteral("name reserved for the updater");
    return {};
}
