#include "containedpath.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

QStringList folderParts(const QString &relativeName)
{
    QStringList parts = relativeName.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (!parts.isEmpty())
        parts.removeLast();
    return parts;
}

} // namespace

QString ContainedPath::refusal(const QString &root, const QString &relativeName)
{
    QString path = root;
    for (const QString &part : folderParts(relativeName)) {
        path += QLatin1Char('/') + part;
        const QFileInfo info(path);
        if (info.isSymLink())
            return QStringLiteral("folder %1 is a link").arg(part);
        if (!info.exists())
            return {};
        if (!info.isDir())
            return QStringLiteral("%1 is not a folder").arg(part);
    }
    return {};
}

bool ContainedPath::makeFolders(const QString &root, const QString &relativeName, QString *error)
{
    QString path = root;
    for (const QString &part : folderParts(relativeName)) {
        path += QLatin1Char('/') + part;
        QFileInfo info(path);
        if (!info.isSymLink() && !info.exists())
            QDir().mkdir(path);
        info = QFileInfo(path);
        if (info.isSymLink() || !info.isDir()) {
            *error = QStringLiteral("cannot make folder %1: a link or not a folder is there")
                         .arg(relativeName.section(QLatin1Char('/'), 0, -2));
            return false;
        }
    }
    return true;
}

bool ContainedPath::removeTree(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isDir()))
        return QFile::remove(path);
    // Entries that are links are removed as links, never followed.
    return !info.exists() || QDir(path).removeRecursively();
}
