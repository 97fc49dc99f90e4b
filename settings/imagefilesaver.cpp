#include "imagefilesaver.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryFile>

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

    QTemporaryFile temp(dir.filePath(QStringLiteral(".%1.XXXXXX.part").arg(baseName)));
    if (!temp.open())
        return {{}, temp.errorString()};
    QImageWriter writer(&temp, QFileInfo(suffix).suffix().toLatin1());
    if (!writer.write(image))
        return {{}, writer.errorString()};
    if (!temp.flush())
        return {{}, temp.errorString()};

    for (int n = 1; n <= MaxCounter; ++n) {
        const QString name =
            n == 1 ? baseName + suffix : QStringLiteral("%1_%2%3").arg(baseName).arg(n).arg(suffix);
        const QString path = dir.filePath(name);
        if (QFileInfo::exists(path))
            continue;
        // The rename never replaces a file, so a name taken meanwhile only means the next one.
        if (temp.rename(path)) {
            temp.setAutoRemove(false);
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                            QFile::ReadOther);
            return {QDir::toNativeSeparators(path), {}};
        }
        if (!QFileInfo::exists(path))
            return {{}, temp.errorString()};
    }
    return {{}, QStringLiteral("no free file name for %1").arg(baseName)};
}
