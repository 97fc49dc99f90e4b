#include "settingsfile.h"

#include "safefile.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// Settings files are small; a larger one is not ours to rewrite.
constexpr qint64 MaxSettingsBytes = 4 * 1024 * 1024;
// Another copy of the program (or Update) writing the same file gets this long.
constexpr int LockWaitMs = 5000;

// The text gives back what was meant: a value written as text may come back as text.
bool sameSettings(const QSettings &meant, const QSettings &read)
{
    const QStringList keys = meant.allKeys();
    if (keys != read.allKeys())
        return false;
    for (const QString &key : keys) {
        const QVariant a = meant.value(key);
        const QVariant b = read.value(key);
        if (a != b && (a.toString() != b.toString() || a.toStringList() != b.toStringList()))
            return false;
    }
    return true;
}

} // namespace

bool SettingsFile::change(const std::function<void(QSettings &)> &change, QString *error) const
{
    const auto fail = [&](const QString &reason) {
        qWarning() << "Cannot write the settings" << m_path << reason;
        if (error)
            *error = reason;
        return false;
    };
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(tr("无法创建文件夹 %1").arg(QDir::toNativeSeparators(folder)));
    // The lock QSettings itself takes for this file, so that writers take turns.
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs))
        return fail(tr("设置文件正被另一个程序使用"));

    QTemporaryDir scratch;
    if (!scratch.isValid())
        return fail(scratch.errorString());
    const QString draft = scratch.filePath(QStringLiteral("draft.ini"));
    const SafeFile::ReadResult current = SafeFile::read(m_path, MaxSettingsBytes);
    if (!current.ok() && current.status != SafeFile::ReadStatus::Missing)
        return fail(current.error);
    QString reason;
    if (current.ok() && !SafeFile::write(draft, current.data, SafeFile::Mode::NewOnly, &reason))
        return fail(reason);

    QSettings settings(draft, QSettings::IniFormat);
    change(settings);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return fail(tr("无法整理设置"));
    const SafeFile::ReadResult text = SafeFile::read(draft, MaxSettingsBytes);
    if (!text.ok())
        return fail(text.error);
    // Read back from a copy of its own: QSettings would answer from its cache for the draft.
    const QString check = scratch.filePath(QStringLiteral("check.ini"));
    if (!SafeFile::write(check, text.data, SafeFile::Mode::NewOnly, &reason))
        return fail(reason);
    if (!sameSettings(settings, QSettings(check, QSettings::IniFormat)))
        return fail(tr("整理后的设置不完整"));
    if (!SafeFile::write(m_path, text.data, SafeFile::Mode::Replace, &reason))
        return fail(reason);
    return true;
}
