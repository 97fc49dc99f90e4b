#pragma once

#include <QString>
#include <QTemporaryDir>

// A file system of its own for a test: a tmpfs of a few kilobytes (a disk that fills up at
// once) mounted on a temporary folder, or mounted read-only. Needs root; skipReason() says
// why there is none otherwise. Unmounted when it goes.
class SmallVolume
{
public:
    enum class Access { Writable, ReadOnly };

    explicit SmallVolume(qint64 bytes, Access access = Access::Writable);
    ~SmallVolume();
    SmallVolume(const SmallVolume &) = delete;
    SmallVolume &operator=(const SmallVolume &) = delete;

    bool isMounted() const { return m_mounted; }
    QString skipReason() const { return m_skipReason; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    // Files may be put there first while it is writable, then it turns read-only.
    bool makeReadOnly();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_skipReason;
};
