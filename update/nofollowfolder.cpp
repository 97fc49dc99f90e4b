#include "nofollowfolder.h"

#include <QStringList>

#ifdef Q_OS_WIN
#include "windowsnofollowfolder.h"
#else
#include "posixnofollowfolder.h"
#endif

std::unique_ptr<NoFollowFolder> NoFollowFolder::openRoot(const QString &path, QString *error)
{
#ifdef Q_OS_WIN
    return WindowsNoFollowFolder::openRoot(path, error);
#else
    return PosixNoFollowFolder::openRoot(path, error);
#endif
}

std::unique_ptr<NoFollowFolder> NoFollowFolder::openBelow(const NoFollowFolder &base,
                                                          const QString &relative, bool create,
                                                          QString *error, bool *missing)
{
    if (missing)
        *missing = false;
    std::unique_ptr<NoFollowFolder> current;
    for (const QString &part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const NoFollowFolder &parent = current ? *current : base;
        if (!create && missing && parent.entry(part).kind == Kind::Missing) {
            *missing = true;
            return nullptr;
        }
        std::unique_ptr<NoFollowFolder> next = parent.folder(part, create, error);
        if (!next)
            return nullptr;
        current = std::move(next);
    }
    return current ? std::move(current) : base.duplicate();
}

bool NoFollowFolder::readAll(const QString &name, qint64 maxBytes, QByteArray *content,
                             QString *error) const
{
    content->clear();
    bool tooLarge = false;
    const bool complete = read(
        name,
        [&](const char *data, qint64 size) {
            if (content->size() + size > maxBytes) {
                tooLarge = true;
                return false;
            }
            content->append(data, size);
            return true;
        },
        error);
    if (tooLarge)
        *error = QStringLiteral("%1 is larger than %2 bytes").arg(name).arg(maxBytes);
    return complete && !tooLarge;
}
