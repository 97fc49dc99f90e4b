#pragma once

#include "nofollowfolder.h"

// The folder as a file descriptor: entries are reached with openat, fstatat,
// renameat and unlinkat relative to it, and O_NOFOLLOW keeps every open off links.
class PosixNoFollowFolder : public NoFollowFolder
{
public:
    PosixNoFollowFolder(int descriptor, const QString &path);
    ~PosixNoFollowFolder() override;
    PosixNoFollowFolder(const PosixNoFollowFolder &) = delete;
    PosixNoFollowFolder &operator=(const PosixNoFollowFolder &) = delete;

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

    int m_descriptor = -1;
    QString m_path;
};
