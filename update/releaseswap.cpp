#include "releaseswap.h"

#include "containedpath.h"
#include "filenamepolicy.h"
#include "nofollowfolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QSet>

#include <algorithm>
#include <memory>

namespace {

QString folderOf(const QString &name)
{
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : name.left(slash);
}

QString baseOf(const QString &name)
{
    return name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
}

// The folder of one name below a base, kept while consecutive names share it (a
// release lists its files folder by folder). A folder it made changes in is
// synced when it moves on.
class FolderCursor
{
public:
    explicit FolderCursor(const NoFollowFolder *base) : m_base(base) {}
    ~FolderCursor() { leave(); }
    FolderCursor(const FolderCursor &) = delete;
    FolderCursor &operator=(const FolderCursor &) = delete;

    // Null with the reason, or with missing set when a part does not exist.
    const NoFollowFolder *at(const QString &relative, bool create, QString *error,
                             bool *missing = nullptr)
    {
        if (missing)
            *missing = false;
        if (m_folder && relative == m_relative)
            return m_folder.get();
        leave();
        m_relative = relative;
        if (m_base)
            m_folder = NoFollowFolder::openBelow(*m_base, relative, create, error, missing);
        else if (missing)
            *missing = true;
        return m_folder.get();
    }
    void changed() { m_changed = true; }

private:
    void leave()
    {
        if (m_folder && m_changed)
            m_folder->sync();
        m_folder.reset();
        m_changed = false;
    }

    const NoFollowFolder *m_base;
    QString m_relative;
    std::unique_ptr<NoFollowFolder> m_folder;
    bool m_changed = false;
};

// Empty when name in folder is a regular file with the release's size and digest.
QString contentRefusal(const NoFollowFolder &folder, const QString &name, const ReleaseFile &file)
{
    const NoFollowFolder::Entry entry = folder.entry(name);
    if (entry.kind != NoFollowFolder::Kind::File)
        return QStringLiteral("\"%1\" is not a regular file").arg(file.name);
    if (entry.size != file.size)
        return QStringLiteral("\"%1\" has %2 bytes, the release says %3")
            .arg(file.name)
            .arg(entry.size)
            .arg(file.size);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QString error;
    if (!folder.read(
            name,
            [&hash](const char *data, qint64 size) {
                hash.addData(QByteArrayView(data, size));
                return true;
            },
            &error))
        return error;
    if (hash.result() != file.sha256)
        return QStringLiteral("\"%1\" does not match its SHA-256").arg(file.name);
    return {};
}

// Moves an installed file out of the way of the new one. It stays in the backup
// folder until the whole release is in place.
bool moveAside(const NoFollowFolder &installed, const NoFollowFolder &backup, const QString &name,
               QString *error)
{
    return installed.move(name, backup, name, error);
}

} // namespace

ReleaseSwap::ReleaseSwap(const QString &applicationDir) : m_applicationDir(applicationDir) {}

QString ReleaseSwap::targetRefusal(const QList<ReleaseFile> &files, Plan *plan) const
{
    QString error;
    const std::unique_ptr<NoFollowFolder> root = NoFollowFolder::openRoot(m_applicationDir, &error);
    if (!root)
        return error;
    FolderCursor installed(root.get());
    QSet<QString> created;
    plan->added = QBitArray(files.size());
    for (qsizetype index = 0; index < files.size(); ++index) {
        const ReleaseFile &file = files.at(index);
        const QString refusal = FileNamePolicy::refusal(file.name);
        if (!refusal.isEmpty())
            return QStringLiteral("\"%1\": %2").arg(file.name, refusal);
        const QString folder = folderOf(file.name);
        bool missing = false;
        const NoFollowFolder *target = installed.at(folder, false, &error, &missing);
        if (!target && !missing)
            return QStringLiteral("\"%1\": %2 where the release needs a folder")
                .arg(file.name, error);
        if (missing) {
            // Every folder from the first missing one down is made by the swap.
            QString prefix;
            for (const QString &part : folder.split(QLatin1Char('/'))) {
                prefix += (prefix.isEmpty() ? QString() : QStringLiteral("/")) + part;
                bool absent = created.contains(prefix);
                if (!absent)
                    NoFollowFolder::openBelow(*root, prefix, false, &error, &absent);
                if (absent && !created.contains(prefix)) {
                    created.insert(prefix);
                    plan->createdFolders.append(prefix);
                }
            }
            plan->added.setBit(index);
            continue;
        }
        switch (target->entry(baseOf(file.name)).kind) {
        case NoFollowFolder::Kind::Missing:
            plan->added.setBit(index);
            break;
        case NoFollowFolder::Kind::File:
            break;
        case NoFollowFolder::Kind::Folder:
            return QStringLiteral("\"%1\" is a folder in the application directory, the release "
                                  "has a file there")
                .arg(file.name);
        case NoFollowFolder::Kind::Other:
            return QStringLiteral("\"%1\" is a link or a special file in the application "
                                  "directory")
                .arg(file.name);
        }
    }
    return {};
}

QString ReleaseSwap::stagingRefusal(const QList<ReleaseFile> &files, bool installedCounts) const
{
    QString error;
    const std::unique_ptr<NoFollowFolder> root = NoFollowFolder::openRoot(m_applicationDir, &error);
    if (!root)
        return error;
    bool noStaging = false;
    const std::unique_ptr<NoFollowFolder> staging =
        NoFollowFolder::openBelow(*root, QLatin1String(stagingFolder), false, &error, &noStaging);
    if (!staging && !noStaging)
        return error;
    FolderCursor staged(staging.get());
    FolderCursor installed(root.get());
    for (const ReleaseFile &file : files) {
        const QString folder = folderOf(file.name);
        bool missing = false;
        const NoFollowFolder *source = staged.at(folder, false, &error, &missing);
        if (!source && !missing)
            return error;
        if (source && source->entry(baseOf(file.name)).kind != NoFollowFolder::Kind::Missing) {
            const QString refusal = contentRefusal(*source, baseOf(file.name), file);
            if (!refusal.isEmpty())
                return QStringLiteral("staged %1").arg(refusal);
            continue;
        }
        if (!installedCounts)
            return QStringLiteral("\"%1\" was not staged").arg(file.name);
        const NoFollowFolder *target = installed.at(folder, false, &error);
        const QString refusal = target ? contentRefusal(*target, baseOf(file.name), file) : error;
        if (!refusal.isEmpty())
            return QStringLiteral("\"%1\" is neither staged nor in place: %2")
                .arg(file.name, refusal);
    }
    return {};
}

bool ReleaseSwap::putInPlace(const QList<ReleaseFile> &files, QString *error) const
{
    const std::unique_ptr<NoFollowFolder> root = NoFollowFolder::openRoot(m_applicationDir, error);
    if (!root)
        return false;
    bool noStaging = false;
    const std::unique_ptr<NoFollowFolder> staging =
        NoFollowFolder::openBelow(*root, QLatin1String(stagingFolder), false, error, &noStaging);
    if (!staging)
        return noStaging; // everything was moved in already
    const std::unique_ptr<NoFollowFolder> backup =
        NoFollowFolder::openBelow(*root, QLatin1String(backupFolder), true, error);
    if (!backup)
        return false;
    FolderCursor staged(staging.get());
    FolderCursor installed(root.get());
    FolderCursor backedUp(backup.get());
    for (const ReleaseFile &file : files) {
        const QString folder = folderOf(file.name);
        const QString name = baseOf(file.name);
        bool missing = false;
        const NoFollowFolder *source = staged.at(folder, false, error, &missing);
        if (!source && !missing)
            return false;
        if (!source || source->entry(name).kind == NoFollowFolder::Kind::Missing)
            continue; // moved in already
        const NoFollowFolder *target = installed.at(folder, true, error);
        if (!target)
            return false;
        const NoFollowFolder::Kind present = target->entry(name).kind;
        if (present == NoFollowFolder::Kind::File) {
            const NoFollowFolder *aside = backedUp.at(folder, true, error);
            if (!aside)
                return false;
            // A backup from a run that stopped after moving the file aside is the
            // installed file; whatever lies at the name now is simply replaced.
            if (aside->entry(name).kind == NoFollowFolder::Kind::Missing) {
                if (!moveAside(*target, *aside, name, error)) {
                    *error =
                        QStringLiteral("\"%1\" cannot be moved aside: %2").arg(file.name, *error);
                    return false;
                }
                backedUp.changed();
            }
        } else if (present != NoFollowFolder::Kind::Missing) {
            *error = QStringLiteral("\"%1\": a folder or link is in the way").arg(file.name);
            return false;
        }
        if (!source->move(name, *target, name, error)) {
            *error = QStringLiteral("\"%1\" cannot be put in place: %2").arg(file.name, *error);
            return false;
        }
        staged.changed();
        installed.changed();
    }
    root->sync();
    return true;
}

bool ReleaseSwap::takeOut(const QList<ReleaseFile> &files, const Plan &plan, QString *error) const
{
    const std::unique_ptr<NoFollowFolder> root = NoFollowFolder::openRoot(m_applicationDir, error);
    if (!root)
        return false;
    // A link or file at either name is none of ours: it goes, never followed.
    const auto ownFolder = [&root, error](const char *name, bool create) {
        bool missing = false;
        std::unique_ptr<NoFollowFolder> folder =
            NoFollowFolder::openBelow(*root, QLatin1String(name), create, error, &missing);
        if (!folder && !missing && root->remove(QLatin1String(name)))
            folder = NoFollowFolder::openBelow(*root, QLatin1String(name), create, error, &missing);
        return folder;
    };
    const std::unique_ptr<NoFollowFolder> staging = ownFolder(stagingFolder, true);
    if (!staging)
        return false;
    const std::unique_ptr<NoFollowFolder> backup = ownFolder(backupFolder, false);
    {
        FolderCursor staged(staging.get());
        FolderCursor installed(root.get());
        FolderCursor backedUp(backup.get());
        for (qsizetype index = files.size() - 1; index >= 0; --index) {
            const ReleaseFile *file = &files.at(index);
            const QString folder = folderOf(file->name);
            const QString name = baseOf(file->name);
            bool missing = false;
            const NoFollowFolder *aside = backedUp.at(folder, false, error, &missing);
            if (!aside && !missing)
                return false;
            if (aside && aside->entry(name).kind == NoFollowFolder::Kind::File) {
                // The installed file goes back over whatever the swap put there.
                const NoFollowFolder *target = installed.at(folder, true, error);
                if (!target)
                    return false;
                if (!aside->move(name, *target, name, error)) {
                    *error =
                        QStringLiteral("\"%1\" cannot be put back: %2").arg(file->name, *error);
                    return false;
                }
                installed.changed();
                continue;
            }
            if (index >= plan.added.size() || !plan.added.testBit(index))
                continue;
            const NoFollowFolder *source = staged.at(folder, true, error);
            if (!source)
                return false;
            if (source->entry(name).kind != NoFollowFolder::Kind::Missing)
                continue; // never moved in
            const NoFollowFolder *target = installed.at(folder, false, error, &missing);
            if (!target && !missing)
                return false;
            if (target && target->entry(name).kind == NoFollowFolder::Kind::File) {
                if (!target->move(name, *source, name, error)) {
                    *error =
                        QStringLiteral("\"%1\" cannot be taken out: %2").arg(file->name, *error);
                    return false;
                }
                installed.changed();
            }
        }
    }
    // Folders the swap made go again when nothing else came into them meanwhile;
    // only folders of the release's own names are considered.
    QSet<QString> releaseFolders;
    for (const ReleaseFile &file : files) {
        for (QString folder = folderOf(file.name); !folder.isEmpty(); folder = folderOf(folder))
            releaseFolders.insert(folder);
    }
    for (auto folder = plan.createdFolders.crbegin(); folder != plan.createdFolders.crend();
         ++folder) {
        QString ignored;
        bool missing = false;
        const std::unique_ptr<NoFollowFolder> parent =
            releaseFolders.contains(*folder)
                ? NoFollowFolder::openBelow(*root, folderOf(*folder), false, &ignored, &missing)
                : nullptr;
        if (parent && parent->entry(baseOf(*folder)).kind == NoFollowFolder::Kind::Folder)
            parent->remove(baseOf(*folder)); // fails, as it should, when not empty
    }
    root->sync();
    return true;
}

void ReleaseSwap::discard() const
{
    for (const char *folder : {stagingFolder, backupFolder, discardedFolder})
        ContainedPath::removeTree(m_applicationDir + QLatin1Char('/') + QLatin1String(folder));
}

bool ReleaseSwap::dropBackup() const
{
    const QString backup = m_applicationDir + QLatin1Char('/') + QLatin1String(backupFolder);
    if (ContainedPath::removeTree(backup))
        return true;
#ifdef Q_OS_WIN
    // A running program or loaded library cannot be deleted but can be renamed.
    QString error;
    const std::unique_ptr<NoFollowFolder> root = NoFollowFolder::openRoot(m_applicationDir, &error);
    const std::unique_ptr<NoFollowFolder> discarded =
        root ? root->folder(QLatin1String(discardedFolder), true, &error) : nullptr;
    if (!discarded)
        return false;
    QStringList left;
    QDirIterator found(backup, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (found.hasNext())
        left.append(QDir(backup).relativeFilePath(found.next()));
    for (const QString &name : std::as_const(left)) {
        const std::unique_ptr<NoFollowFolder> folder = NoFollowFolder::openBelow(
            *root, QLatin1String(backupFolder) + QLatin1Char('/') + folderOf(name), false, &error);
        for (int number = 0; folder && number < 1000; ++number) {
            const QString aside = QStringLiteral("%1-%2").arg(number).arg(baseOf(name));
            if (discarded->entry(aside).kind == NoFollowFolder::Kind::Missing) {
                folder->move(baseOf(name), *discarded, aside, &error);
                break;
            }
        }
    }
    return ContainedPath::removeTree(backup);
#else
    return false;
#endif
}
