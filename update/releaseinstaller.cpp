#include "releaseinstaller.h"

#include "apppaths.h"
#include "containedpath.h"
#include "filedownloader.h"
#include "filenamepolicy.h"
#include "iniconfig.h"
#include "releasejournal.h"
#include "updatelimits.h"

#include <QDebug>
#include <QFileInfo>
#include <QQmlEngine>

ReleaseInstaller::ReleaseInstaller(QObject *parent)
    : QObject(parent), m_applicationDir(AppPaths::applicationDir())
{
}

bool ReleaseInstaller::begin(const QVariantMap &manifest)
{
    m_files = manifest.value(QStringLiteral("files")).toStringList();
    m_serial = qint64(manifest.value(QStringLiteral("serial")).toDouble());
    m_digests.clear();
    m_sizes.clear();
    m_staged.clear();
    const QVariantMap digests = manifest.value(QStringLiteral("sha256")).toMap();
    const QVariantMap sizes = manifest.value(QStringLiteral("size")).toMap();
    for (const QString &name : m_files) {
        m_digests.insert(name, digests.value(name).toString());
        m_sizes.insert(name, qint64(sizes.value(name).toDouble()));
    }
    const QStringList executables = manifest.value(QStringLiteral("executable")).toStringList();
    m_executables = QSet<QString>(executables.begin(), executables.end());
    m_error.clear();
    // One updater at a time owns the staging folder; a swap still pending is
    // finished first.
    ReleaseJournal journal(m_applicationDir);
    if (!journal.claim()) {
        m_error = QStringLiteral("another Update is installing into this folder");
        return false;
    }
    if (!journal.recover()) {
        m_error = QStringLiteral("an earlier update could not be finished");
        return false;
    }
    return journal.resetStaging(&m_error);
}

FileDownloader *ReleaseInstaller::download(const QString &url, const QString &fileName)
{
    auto *downloader = new FileDownloader(this);
    // The document only listens; the downloader goes away once it has reported.
    QQmlEngine::setObjectOwnership(downloader, QQmlEngine::CppOwnership);
    connect(downloader, &FileDownloader::downloadFinished, downloader, &QObject::deleteLater);
    connect(downloader, &FileDownloader::downloadFinished, this, [this, fileName](bool success) {
        if (success)
            m_staged.insert(fileName);
    });

    const QString staging = ReleaseJournal(m_applicationDir).stagingDir();
    QString refusal = FileNamePolicy::refusal(fileName);
    if (refusal.isEmpty() && !m_digests.contains(fileName))
        refusal = QStringLiteral("not part of the release");
    if (refusal.isEmpty())
        ContainedPath::makeFolders(staging, fileName, &refusal);
    if (!refusal.isEmpty()) {
        qWarning() << "拒绝不安全的文件名:" << fileName << refusal;
        downloader->refuse(refusal);
        return downloader;
    }
    downloader->setExpectedSha256(m_digests.value(fileName).toLatin1());
    downloader->setExpectedSize(m_sizes.value(fileName));
    downloader->setExecutable(m_executables.contains(fileName));
    downloader->setMaximumSize(UpdateLimits::maximumFileBytes(IniConfig()));
    downloader->startDownload(url, staging + QLatin1Char('/') + fileName);
    return downloader;
}

bool ReleaseInstaller::install()
{
    const QString staging = ReleaseJournal(m_applicationDir).stagingDir();
    for (const QString &name : m_files) {
        if (!m_staged.contains(name) || !QFileInfo::exists(staging + QLatin1Char('/') + name)) {
            m_error = QStringLiteral("\"%1\" did not arrive").arg(name);
            discard();
            return false;
        }
    }
    ReleaseJournal journal(m_applicationDir);
    if (!journal.commit(m_files, m_serial, &m_error)) {
        qWarning() << "The release could not be put in place:" << m_error;
        return false;
    }
    qDebug() << "Release installed, serial" << m_serial;
    return true;
}

void ReleaseInstaller::discard()
{
    ReleaseJournal(m_applicationDir).discardStaging();
    m_staged.clear();
}
