#include "imagefilesaver.h"

#include "nativefile.h"
#include "safefile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

namespace {

// Gives up after this many taken names rather than loop for ever on a strange folder.
constexpr int MaxCounter = 10000;

} // namespace

ImageFileSaver::Result ImageFileSaver::save(const QImage &image, const QString &folder,
                                            const QString &baseName, const QString &suffix)
{
    if (image.isNull())
        return {{}, QStringLiteral("empty picture")};
    const QDir dir(folder);
    if (!dir.exists() && !dir.mkpath(QStringLiteral(".")))
        return {{},
                QStringLiteral("cannot create folder %1").arg(QDir::toNativeSeparators(folder))};

    // Encoded in memory first: the file is then written whole, every byte checked.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, QFileInfo(suffix).suffix().toLatin1());
    if (!writer.write(image))
        return {{}, writer.errorString()};
    buffer.close();

    for (int n = 1; n <= MaxCounter; ++n) {
        const QString name =
            n == 1 ? baseName + suffix : QStringLiteral("%1_%2%3").arg(baseName).arg(n).arg(suffix);
        const QString path = dir.filePath(name);
        if (NativeFile::entry(path) != NativeFile::Entry::Missing)
            continue;
        // Never replaces a file, so a name taken meanwhile only means the next one.
        QString error;
        if (SafeFile::write(path, bytes, SafeFile::Mode::NewOnly, &error))
            return {QDir::toNativeSeparators(path), {}};
        if (NativeFile::entry(path) == NativeFile::Entry::Missing)
            return {{}, error};
    }
    return {{}, QStringLiteral("no free file name for %1").arg(baseName)};
}
