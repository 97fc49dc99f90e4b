#include "releasejournal.h"

#include "atomicfile.h"
#include "containedpath.h"
#include "nofollowfolder.h"
#include "releasesignature.h"
#include "updatelimits.h"

#include <QDebug>
#include <QDir>
#include <QLockFile>

#include <map>
#include <memory>

namespace {

// The claims this process holds, by application directory, kept until it ends.
std::map<QString, std::unique_ptr<QLockFile>> &claims()
{
    static std::map<QString, std::unique_ptr<QLockFile>> held;
    return held;
}

void syncFolder(const QString &path)
{
    QString error;
    if (const std::unique_ptr<NoFollowFolder> folder = NoFollowFolder::openRoot(path, &error))
        folder->sync();
}

} // namespace

ReleaseJournal::ReleaseJournal(const QString &applicationDir)
    : m_applicationDir(applicationDir), m_swap(applicationDir)
{
}

QString ReleaseJournal::path(const QString &name) const
{
    return m_applicationDir + QLatin1Char('/') + name;
}

QString ReleaseJournal::stagingDir() const
{
    return path(QLatin1String(stagingFolder));
}

qint64 ReleaseJournal::installedSerial() const
{
    return InstalledSerial(m_applicationDir).read().highest;
}

bool ReleaseJournal::claim()
{
    std::unique_ptr<QLockFile> &held = claims()[m_applicationDir];
    if (held)
        return true;
    // QLockFile reads what is at its name: a FIFO there would never answer.
    QString error;
    if (const auto root = NoFollowFolder::openRoot(m_applicationDir, &error)) {
        const NoFollowFolder::Kind kind = root->entry(QLatin1String(lockFile)).kind;
        if (kind != NoFollowFolder::Kind::Missing && kind != NoFollowFolder::Kind::File)
            root->remove(QLatin1String(lockFile));
    }
    auto lock = std::make_unique<QLockFile>(path(QLatin1String(lockFile)));
    // A lock whose process died (killed, power cut) is taken over at once; a
    // living holder keeps it however long it runs.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    held = std::move(lock);
    return true;
}

bool ReleaseJournal::recover()
{
    std::unique_ptr<QLockFile> passing;
    if (!claims()[m_applicationDir]) {
        passing = std::make_unique<QLockFile>(path(QLatin1String(lockFile)));
        passing->setStaleLockTime(0);
        if (!passing->tryLock(0)) {
            // A folder this user cannot write holds no update of theirs either.
            if (passing->error() == QLockFile::LockFailedError)
                qDebug() << "An update is running here; its files are left to it";
            return true;
        }
    }

    // A journal half written never got its name: it is of no use.
    const QStringList leftovers =
        QDir(m_applicationDir)
            .entryList({QLatin1String(journalFile) + QStringLiteral(".*")},
                       QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : leftovers)
        ContainedPath::removeTree(path(name));
    return recoverFromJournal();
}

bool ReleaseJournal::recoverFromJournal()
{
    QString error;
    const std::unique_ptr<NoFollowFolder> root = NoFollowFolder::openRoot(m_applicationDir, &error);
    if (!root) {
        qWarning() << "Cannot look for an interrupted update:" << error;
        return false;
    }
    const auto exists = [&root](const char *name) {
        return root->entry(QLatin1String(name)).kind != NoFollowFolder::Kind::Missing;
    };
    const auto dropJournal = [this] {
        removeJournal();
        m_swap.discard();
        return true;
    };
    const NoFollowFolder::Kind kind = root->entry(QLatin1String(journalFile)).kind;
    if (kind == NoFollowFolder::Kind::Missing) {
        if (exists(stagingFolder) || exists(ReleaseSwap::backupFolder) ||
            exists(ReleaseSwap::discardedFolder)) {
            qDebug() << "Dropping the files of an update that did not finish";
            m_swap.discard();
        }
        return true;
    }
    if (kind != NoFollowFolder::Kind::File) {
        // A FIFO here would block whoever opens it, a folder or link is no journal.
        qWarning() << "The update journal is not a regular file; it is set aside as"
                   << rejectedJournalFile;
        ContainedPath::removeTree(path(QLatin1String(rejectedJournalFile)));
        root->move(QLatin1String(journalFile), *root, QLatin1String(rejectedJournalFile), &error);
        m_swap.discard();
        return true;
    }

    QByteArray content;
    std::optional<JournalRecord> record;
    if (root->readAll(QLatin1String(journalFile), UpdateLimits::journalBytes, &content, &error))
        record = JournalRecord::fromJson(content, &error);
    const UpdateManifest::Result release =
        record ? UpdateManifest::checkSigned(record->payload, record->signature,
                                             ReleaseSignature::builtInKeys(), {})
               : UpdateManifest::Result();
    if (!record || release.outcome != UpdateManifest::Outcome::Accepted) {
        qWarning().noquote() << QStringLiteral("The update journal cannot be verified (%1); the "
                                               "installed release is kept")
                                    .arg(record ? release.reason : error);
        return dropJournal();
    }
    if (record->state == JournalRecord::State::RollBack) {
        qDebug() << "Undoing an update that could not be finished";
        return rollBack(*record, release.files, QString(), &error) == Outcome::RolledBack;
    }
    const InstalledSerial::Value installed = InstalledSerial(m_applicationDir).read();
    if (release.serial < installed.highest || release.serial <= installed.recorded) {
        qWarning().noquote() << QStringLiteral("The update journal's release (serial %1) is not "
                                               "newer than the installed one (%2); it is dropped")
                                    .arg(release.serial)
                                    .arg(installed.highest);
        return dropJournal();
    }
    const QString refusal = m_swap.stagingRefusal(release.files, true);
    if (!refusal.isEmpty()) {
        qWarning().noquote() << QStringLiteral("The interrupted update does not verify (%1); the "
                                               "installed release is put back")
                                    .arg(refusal);
        return rollBack(*record, release.files, refusal, &error) == Outcome::RolledBack;
    }
    qDebug() << "Finishing an interrupted update:" << release.files.size() << "files";
    const Outcome outcome = putInPlace(*record, release, &error);
    if (outcome == Outcome::RolledBack)
        qWarning().noquote() << QStringLiteral("The interrupted update could not be finished (%1); "
                                               "the installed release was put back")
                                    .arg(error);
    return outcome != Outcome::Unfinished;
}

bool ReleaseJournal::resetStaging(QString *error)
{
    discardStaging();
    QString reason;
    const std::unique_ptr<NoFollowFolder> root =
        NoFollowFolder::openRoot(m_applicationDir, &reason);
    if (!root || !root->folder(QLatin1String(stagingFolder), true, &reason)) {
        *error = QStringLiteral("cannot create the staging folder: %1").arg(reason);
        return false;
    }
    return true;
}

void ReleaseJournal::discardStaging()
{
    // While a journal exists the staging and backup folders are what it needs.
    QString error;
    const std::unique_ptr<NoFollowFolder> root = NoFollowFolder::openRoot(m_applicationDir, &error);
    if (root && root->entry(QLatin1String(journalFile)).kind == NoFollowFolder::Kind::Missing)
        m_swap.discard();
}

QString ReleaseJournal::targetRefusal(const QList<ReleaseFile> &files) const
{
    ReleaseSwap::Plan plan;
    return m_swap.targetRefusal(files, &plan);
}

bool ReleaseJournal::writeJournal(const JournalRecord &record, QString *error) const
{
    // Written beside its name and renamed over it: never through a link there.
    AtomicFile file(path(QLatin1String(journalFile)));
    if (!file.open() ||
        !record.write([&file](const QByteArray &piece) { return file.write(piece); }) ||
        !file.commit()) {
        *error = QStringLiteral("cannot write the journal: %1").arg(file.errorString());
        return false;
    }
    syncFolder(m_applicationDir);
    return true;
}

void ReleaseJournal::removeJournal() const
{
    AtomicFile::removeEntry(path(QLatin1String(journalFile)));
    syncFolder(m_applicationDir);
}

bool ReleaseJournal::prepared(const UpdateManifest::Result &release, JournalRecord *record,
                              QString *error)
{
    ReleaseSwap::Plan plan;
    QString refusal = m_swap.targetRefusal(release.files, &plan);
    if (refusal.isEmpty())
        refusal = m_swap.stagingRefusal(release.files, false);
    if (!refusal.isEmpty()) {
        *error = refusal;
        return false;
    }
    // A backup folder left behind would be taken for this swap's.
    if (!m_swap.dropBackup()) {
        *error = QStringLiteral("cannot remove the old backup folder %1")
                     .arg(path(QLatin1String(ReleaseSwap::backupFolder)));
        return false;
    }
    record->payload = release.payload;
    record->signature = release.signature;
    record->added = plan.added;
    record->createdFolders = plan.createdFolders;
    return writeJournal(*record, error);
}

bool ReleaseJournal::prepare(const UpdateManifest::Result &release, QString *error)
{
    JournalRecord record;
    return prepared(release, &record, error);
}

ReleaseJournal::Outcome ReleaseJournal::commit(const UpdateManifest::Result &release,
                                               QString *error)
{
    JournalRecord record;
    if (!prepared(release, &record, error))
        return Outcome::Refused;
    return putInPlace(record, release, error);
}

ReleaseJournal::Outcome ReleaseJournal::putInPlace(const JournalRecord &record,
                                                   const UpdateManifest::Result &release,
                                                   QString *error)
{
    QString failure;
    if (!m_swap.putInPlace(release.files, &failure))
        return rollBack(record, release.files, failure, error);
    // The whole release is in place: its journal becomes the record of the
    // installed release, and with that the install is done.
    QString reason;
    const std::unique_ptr<NoFollowFolder> root =
        NoFollowFolder::openRoot(m_applicationDir, &reason);
    if (!root || !root->move(QLatin1String(journalFile), *root,
                             QLatin1String(InstalledSerial::recordFile), &reason)) {
        *error = QStringLiteral("cannot record the installed release: %1").arg(reason);
        return Outcome::Unfinished;
    }
    root->sync();
    InstalledSerial(m_applicationDir).remember(release.serial);
    m_swap.discard();
    return Outcome::Installed;
}

ReleaseJournal::Outcome ReleaseJournal::rollBack(JournalRecord record,
                                                 const QList<ReleaseFile> &files,
                                                 const QString &cause, QString *error)
{
    // From here on a restart undoes the swap too, whatever the staging holds.
    record.state = JournalRecord::State::RollBack;
    QString reason;
    writeJournal(record, &reason);
    const ReleaseSwap::Plan plan{record.added, record.createdFolders};
    if (!m_swap.takeOut(files, plan, &reason)) {
        *error = QStringLiteral("%1; putting the installed release back failed too (%2), it is "
                                "tried again at the next start")
                     .arg(cause, reason);
        qWarning().noquote() << "The update could not be undone:" << reason;
        return Outcome::Unfinished;
    }
    removeJournal();
    m_swap.discard();
    *error = cause;
    return Outcome::RolledBack;
}
