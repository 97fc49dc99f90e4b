#include "releaseinstaller.h"

#include "apppaths.h"
#include "containedpath.h"
#include "filedownloader.h"
#include "filenamepolicy.h"
#include "iniconfig.h"
#include "releasejournal.h"
#include "updatelimits.h"
#include "updatemanifestcheck.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QQmlEngine>

ReleaseInstaller::ReleaseInstaller(QObject *parent)
    : QObject(parent), m_applicationDir(AppPaths::applicationDir()),
      // One connection for all the files of a release, not one per file.
      m_network(new QNetworkAccessManager(this))
{
}

bool ReleaseInstaller::begin(UpdateManifestCheck *check)
{
    if (!check || check->acceptedRelease().outcome != UpdateManifest::Outcome::Accepted) {
        m_error = QStringLiteral("no accepted release");
        return false;
    }
    return begin(check->acceptedRelease());
}

bool ReleaseInstaller::begin(const UpdateManifest::Result &release)
{
    m_release = release;
    m_index.clear();
    m_index.reserve(release.files.size());
    for (qsizetype i = 0; i < release.files.size(); ++i)
        m_index.insert(release.files.at(i).name, i);
    m_staged.fill(false, release.files.size());
    m_error.clear();
    m_whole = true;
    // One updater at a time owns the staging folder; a swap still pending is
    // finished or undone first.
    ReleaseJournal journal(m_applicationDir);
    if (!journal.claim()) {
        m_error = QStringLiteral("another Update is installing into this folder");
        return false;
    }
    if (!journal.recover()) {
        m_error = QStringLiteral("an earlier update could not be undone; it is tried again at the "
                                 "next start");
        m_whole = false;
        return false;
    }
    // A file that cannot go in place refuses the release before anything is fetched.
    m_error = journal.targetRefusal(release.files);
    if (!m_error.isEmpty()) {
        qWarning().noquote() << "The release cannot be installed here:" << m_error;
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

    const QString staging = ReleaseJournal(m_applicationDir).stagingDir();
    const qsizetype index = m_index.value(fileName, -1);
    QString refusal = FileNamePolicy::refusal(fileName);
    if (refusal.isEmpty() && index < 0)
        refusal = QStringLiteral("not part of the release");
    if (refusal.isEmpty())
        ContainedPath::makeFolders(staging, fileName, &refusal);
    if (!refusal.isEmpty()) {
        qWarning() << "拒绝不安全的文件名:" << fileName << refusal;
        downloader->refuse(refusal);
        return downloader;
    }
    connect(downloader, &FileDownloader::downloadFinished, this, [this, index](bool success) {
        if (index < m_staged.size())
            m_staged[index] = success;
    });
    const ReleaseFile &file = m_release.files.at(index);
    downloader->setNetworkAccessManager(m_network);
    downloader->setExpectedSha256(file.sha256.toHex());
    downloader->setExpectedSize(file.size);
    downloader->setExecutable(file.executable);
    downloader->setMaximumSize(UpdateLimits::maximumFileBytes(IniConfig()));
    downloader->startDownload(url, staging + QLatin1Char('/') + fileName);
    return downloader;
}

bool ReleaseInstaller::install()
{
    for (qsizetype i = 0; i < m_release.files.size(); ++i) {
        if (!m_staged.at(i)) {
            m_error = QStringLiteral("\"%1\" did not arrive").arg(m_release.files.at(i).name);
            discard();
            return false;
        }
    }
    ReleaseJournal journal(m_applicationDir);
    const ReleaseJournal::Outcome outcome = journal.commit(m_release, &m_error);
    m_whole = outcome != ReleaseJournal::Outcome::Unfinished;
    if (outcome != ReleaseJournal::Outcome::Installed) {
        qWarning().noquote() << "The release could not be put in place:" << m_error;
        if (outcome == ReleaseJournal::Outcome::Refused)
            discard();
        return false;
    }
    qDebug() << "Release installed, serial" << m_release.serial;
    return true;
}

void ReleaseInstaller::discard()
{
    ReleaseJournal(m_applicationDir).discardStaging();
    m_staged.fill(false);
}
