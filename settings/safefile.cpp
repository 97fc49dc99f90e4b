#include "safefile.h"

#include "nativefile.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

// Tries this many fresh temporary names before giving up on a folder full of them.
constexpr int TemporaryNameTries = 16;
// Read in pieces, so that a cancel is heard and progress told along a large file.
constexpr qint64 ReadChunk = 1 << 20;

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', bytes % (1024 * 1024) ? 1 : 0);
}

} // namespace

QString SafeFile::temporaryPrefix(const QString &target)
{
    const QFileInfo info(target);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.');
}

void SafeFile::removeLeftovers(const QString &target)
{
    const QFileInfo prefix(temporaryPrefix(target));
    const QDir folder = prefix.dir();
    const QStringList names = folder.entryList({prefix.fileName() + QStringLiteral("*.part")},
                                               QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        NativeFile::remove(folder.filePath(name));
}

bool SafeFile::write(const QString &path, const QByteArray &data, Mode mode, QString *error,
                     Stage *failedAt)
{
    Stage stage = Stage::Opening;
    const auto fail = [&](const QString &reason) {
        qWarning() << "Cannot write" << path << reason;
        if (error)
            *error = reason;
        if (failedAt)
            *failedAt = stage;
        return false;
    };
    switch (NativeFile::entry(path)) {
    case NativeFile::Entry::Missing:
        break;
    case NativeFile::Entry::Regular:
        if (mode == Mode::NewOnly)
            return fail(tr("文件已存在"));
        break;
    case NativeFile::Entry::Link:
        return fail(tr("这是一个符号链接，不会写到它指向的地方"));
    case NativeFile::Entry::Other:
        return fail(tr("这不是普通文件（文件夹、设备或管道），不会写入"));
    }

    NativeFile file;
    QString temporary;
    QString reason;
    for (int attempt = 0; attempt < TemporaryNameTries && !file.isOpen(); ++attempt) {
        temporary = temporaryPrefix(path) +
                    QString::number(QRandomGenerator::global()->generate(), 16) +
                    QStringLiteral(".part");
        // A name that exists (perhaps a planted link) only means another name; anything
        // else (read-only folder, full disk, no folder) is the answer.
        if (!file.createNew(temporary, &reason) &&
            NativeFile::entry(temporary) == NativeFile::Entry::Missing)
            return fail(reason);
    }
    if (!file.isOpen())
        return fail(reason);
    if (mode == Mode::Replace)
        file.copyPermissionsFrom(path);
    stage = Stage::Writing;

    bool written = file.writeAll(data.constData(), data.size(), &reason);
    if (written && file.size() != data.size()) {
        written = false;
        reason = QStringLiteral("short write (%1 of %2 bytes)").arg(file.size()).arg(data.size());
    }
    written = written && file.sync(&reason) && file.close(&reason);
    if (!written) {
        file.close(nullptr);
        NativeFile::remove(temporary);
        return fail(reason);
    }
    if (!NativeFile::rename(temporary, path, mode == Mode::Replace, &reason)) {
        NativeFile::remove(temporary);
        return fail(mode == Mode::NewOnly && NativeFile::entry(path) != NativeFile::Entry::Missing
                        ? tr("文件已存在")
                        : reason);
    }
    NativeFile::syncFolder(QFileInfo(path).absolutePath());
    return true;
}

SafeFile::ReadResult SafeFile::read(const QString &path, qint64 maxBytes, const Progress &progress)
{
    ReadResult result;
    const auto stop = [&](ReadStatus status, const QString &reason) {
        result.status = status;
        result.error = reason;
        result.data.clear();
        return result;
    };
    NativeFile file;
    QString reason;
    switch (file.openRegular(path, &reason)) {
    case NativeFile::Opened::Yes:
        break;
    case NativeFile::Opened::Folder:
        return stop(ReadStatus::NotRegular, tr("这是一个文件夹，不是文件"));
    case NativeFile::Opened::NotRegular:
        return stop(ReadStatus::NotRegular, tr("这不是普通文件（例如管道或设备），不会读取"));
    case NativeFile::Opened::Failed:
        return stop(NativeFile::entry(path) == NativeFile::Entry::Missing ? ReadStatus::Missing
                                                                          : ReadStatus::Failed,
                    reason);
    }
    const QString tooLarge = tr("文件过大（最大 %1 MB）").arg(megabytes(maxBytes));
    const qint64 size = file.size();
    if (size > maxBytes)
        return stop(ReadStatus::TooLarge, tooLarge);
    result.data.reserve(std::max<qint64>(size, 0));
    for (;;) {
        if (progress && !progress(result.data.size(), size))
            return stop(ReadStatus::Cancelled, tr("已取消"));
        // One byte past the limit is enough to know a growing file is too large.
        const qint64 want = std::min(ReadChunk, maxBytes + 1 - result.data.size());
        const qsizetype at = result.data.size();
        result.data.resize(at + want);
        const qint64 got = file.read(result.data.data() + at, want, &reason);
        if (got < 0)
            return stop(ReadStatus::Failed, reason);
        result.data.resize(at + got);
        if (result.data.size() > maxBytes)
            return stop(ReadStatus::TooLarge, tooLarge);
        if (got == 0)
            break;
    }
    result.status = ReadStatus::Done;
    return result;
}
