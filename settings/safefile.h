#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

// Every file the programs write goes through here, whole or not at all; files they read
// come through here within a size limit and without ever waiting on the file.
//
// A write goes to a new temporary file beside the target (created exclusively, so a link
// planted at its name is never followed), checks every write, the flush to disk and the
// close, and only then renames the file into place. Anything at the target that is not a
// regular file (a symbolic link, a device, a folder) is refused, not followed. On failure
// the target is as it was, the temporary file is gone and the reason is the system's own
// ("No space left on device").
class SafeFile
{
    Q_DECLARE_TR_FUNCTIONS(SafeFile)

public:
    enum class Mode {
        Replace, // the file at the target, if any, is replaced in one step
        NewOnly  // fails when the name is taken, even if it was taken meanwhile
    };
    // Where a failed write stopped: before a byte was written (the name is refused, or the
    // temporary file cannot be made), or while writing, flushing or renaming.
    enum class Stage { Opening, Writing };
    static bool write(const QString &path, const QByteArray &data, Mode mode, QString *error,
                      Stage *failedAt = nullptr);

    enum class ReadStatus { Done, Missing, NotRegular, TooLarge, Cancelled, Failed };
    struct ReadResult
    {
        ReadStatus status = ReadStatus::Failed;
        QByteArray data;
        QString error; // why, in words for the user; empty when done
        bool ok() const { return status == ReadStatus::Done; }
    };
    // Told the bytes read so far and the file's size; returns false to stop reading.
    using Progress = std::function<bool(qint64 done, qint64 total)>;
    // Reads a regular file of at most maxBytes, checked before and while reading (a file
    // that grows meanwhile is refused too). A FIFO, device or folder is refused at once.
    static ReadResult read(const QString &path, qint64 maxBytes, const Progress &progress = {});

    // Names for the temporary files of a write to target: they start with this.
    static QString temporaryPrefix(const QString &target);
    // Removes the temporary files that writes to target left when they were killed. Only
    // for a target that nothing else writes at the same time.
    static void removeLeftovers(const QString &target);
};
