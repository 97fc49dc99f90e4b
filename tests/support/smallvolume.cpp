#include "smallvolume.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

SmallVolume::SmallVolume(qint64 bytes, Access access)
{
    if (::geteuid() != 0) {
        m_skipReason = QStringLiteral("mounting a small file system needs root (CI runs as root)");
        return;
    }
    const QByteArray where = QFile::encodeName(m_dir.path());
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
    if (::mount("tmpfs", where.constData(), "tmpfs", 0, options.constData()) != 0) {
        m_skipReason = QStringLiteral("cannot mount a tmpfs here: %1")
                           .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_mounted = true;
    if (access == Access::ReadOnly && !makeReadOnly())
        m_skipReason = QStringLiteral("cannot make the tmpfs read-only");
}

bool SmallVolume::makeReadOnly()
{
    const QByteArray where = QFile::encodeName(m_dir.path());
    return m_mounted &&
           ::mount(nullptr, where.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

SmallVolume::~SmallVolume()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}
