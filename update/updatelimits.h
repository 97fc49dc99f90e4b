#pragma once

#include <QString>
#include <QtGlobal>

class IniConfig;

// Limits the updater works within. Numbers from config.ini are read as whole
// numbers and clamped to a sane range, so that a typo or a hostile value can
// neither overflow nor switch a limit off.
class UpdateLimits
{
public:
    static constexpr const char maxDownloadKey[] = "MaxDownloadMB";
    static constexpr qint64 defaultFileMiB = 256;
    static constexpr qint64 minimumFileMiB = 1;
    static constexpr qint64 maximumFileMiB = 4096;
    // Names, digests and notes: about 250 bytes a file, so room for some 60,000.
    static constexpr qint64 manifestBytes = 16 * 1024 * 1024;
    // The journal holds the signed manifest and lists of names.
    static constexpr qint64 journalBytes = 3 * manifestBytes;
    static constexpr int manifestIdleTimeout = 30 * 1000;
    // A large manifest on a slow line (the largest one at about 100 kB/s).
    static constexpr int manifestTransferTimeout = 3 * 60 * 1000;

    // Per-file size limit in bytes, from "UPDATE"/"MaxDownloadMB".
    static qint64 maximumFileBytes(const IniConfig &config);
    // The number, or the fallback when the text is not a whole number; clamped.
    static qint64 clampedNumber(const QString &text, qint64 fallback, qint64 minimum,
                                qint64 maximum, bool *clamped = nullptr);
};
