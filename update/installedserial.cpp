#include "installedserial.h"

#include "journalrecord.h"
#include "nofollowfolder.h"
#include "releasesignature.h"
#include "settingsstore.h"
#include "updatelimits.h"
#include "updatemanifest.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QFileInfo>
#include <QSaveFile>

InstalledSerial::InstalledSerial(const QString &applicationDir)
    : InstalledSerial(applicationDir, ReleaseSignature::builtInKeys())
{
}

InstalledSerial::InstalledSerial(const QString &applicationDir,
                                 const QList<QByteArray> &trustedKeys)
    : m_applicationDir(applicationDir), m_keys(trustedKeys)
{
}

InstalledSerial::Value InstalledSerial::read() const
{
    Value value;
    value.recorded = qMax(fromSerialFile(), fromRecord());
    value.highest = qMax(value.recorded, fromSettings());
    return value;
}

qint64 InstalledSerial::fromSerialFile() const
{
    QString error;
    QByteArray content;
    const std::unique_ptr<NoFollowFolder> root = NoFollowFolder::openRoot(m_applicationDir, &error);
    if (!root || !root->readAll(QLatin1String(serialFile), 32, &content, &error))
        return 0;
    bool ok = false;
    const qint64 serial = content.trimmed().toLongLong(&ok);
    return ok && serial > 0 ? serial : 0;
}

qint64 InstalledSerial::fromRecord() const
{
    QString error;
    QByteArray content;
    const std::unique_ptr<NoFollowFolder> root = NoFollowFolder::openRoot(m_applicationDir, &error);
    if (!root ||
        !root->readAll(QLatin1String(recordFile), UpdateLimits::journalBytes, &content, &error))
        return 0;
    const std::optional<JournalRecord> record = JournalRecord::fromJson(content, &error);
    if (!record)
        return 0;
    return UpdateManifest::signedSerial(record->payload, record->signature, m_keys);
}

QString InstalledSerial::settingsKey() const
{
    const QString folder = QFileInfo(m_applicationDir).canonicalFilePath();
    const QByteArray digest =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return QStringLiteral("updateSerial/") + QString::fromLatin1(digest);
}

qint64 InstalledSerial::fromSettings() const
{
    bool ok = false;
    const qint64 serial = SettingsStore().value(settingsKey()).toLongLong(&ok);
    return ok && serial > 0 ? serial : 0;
}

void InstalledSerial::remember(qint64 serial) const
{
    QSaveFile file(m_applicationDir + QLatin1Char('/') + QLatin1String(serialFile));
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray::number(serial) + '\n') < 0 ||
        !file.commit())
        qWarning() << "Cannot write" << serialFile << file.errorString();
    if (fromSettings() < serial && !SettingsStore().setValue(settingsKey(), serial))
        qWarning() << "Cannot keep the installed serial in the user's settings";
}
