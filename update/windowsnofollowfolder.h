#pragma once

#include "nofollowfolder.h"

#include <QList>

// The folder as open directory handles, its own and its parents': opened with
// FILE_FLAG_OPEN_REPARSE_POINT, so that a symbolic link or junction is seen as
// itself, and without FILE_SHARE_DELETE, so that no folder on the path can be
// renamed or replaced while the handle lives. Entries are then named by path.
class WindowsNoFollowFolder : public NoFollowFolder
{
public:
    // handles: the open folders from the root down to this one, owned.
    WindowsNoFollowFolder(const QList<void *> &handles, const QString &path);
    ~WindowsNoFollowFolder() override;
    WindowsNoFollowFolder(const WindowsNoFollowFolder &) = delete;
    WindowsNoFollowFolder &operator=(const WindowsNoFollowFolder &) = delete;

    static std::unique_ptr<NoFollowFolder> openRoot(const QString &path, QString *error);

    QString path() const override { return m_path; }
    std::unique_ptr<NoFollowFolder> duplicate() const override;
    Entry entry(const QString &name) const override;
    std::unique_ptr<NoFollowFolder> folder(const QString &name, bool create,
                                           QString *error) const override;
    bool read(const QString &name, const Consumer &consume, QString *error) const override;
    bool move(const QString &name, const NoFollowFolder &to, const QString &toName,
              QString *error) const override;
    bool remove(const QString &name) const override;
    void sync() const override;

private:
    QString child(const QString &name) const { return m_path + QLatin1Char('/') + name; }
    QList<void *> duplicatedHandles() const;

    QList<void *> m_handles;
    QString m_path;
};
