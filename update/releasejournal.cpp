#include "releasejournal.h"

#include "atomicfile.h"
#include "containedpath.h"
#include "filenamepolicy.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>

#include <map>
#include <memory>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Makes the renames inside a folder durable before the next step relies on them.
void syncFolder(const QString &path)
{
#ifndef Q_OS_WIN
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(path);
#endif
}

bool entryExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The claims this process holds, by application directory, kept until it ends.
std::map<QString, std::unique_ptr<QLockFile>> &claims()
{
    static std::map<QString, std::unique_ptr<QLockFile>> held;
    return held;
}

bool writeDurably(const QString &path, const QByteArray &content, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

ReleaseJournal::ReleaseJournal(const QString &applicationDir) : m_applicationDir(applicationDir) {}

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
    QFile file(path(QLatin1String(serialFile)));
    if (QFileInfo(file.fileName()).isSymLink() || !file.open(QIODevice::ReadOnly))
        return 0;
    bool ok = false;
    const qint64 serial = file.read(32).trimmed().toLongLong(&ok);
    return ok && serial > 0 ? serial : 0;
}

bool ReleaseJournal::claim()
{
    std::unique_ptr<QLockFile> &held = claims()[m_applicationDir];
    if (held)
        return true;
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

    // A journal half written by QSaveFile never got its name: it is of no use.
    const QStringList leftovers =
        QDir(m_applicationDir)
            .entryList({QLatin1String(journalFile) + QStringLiteral(".*")},
                       QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : leftovers)
        AtomicFile::removeEntry(path(name));

    const QString journal = path(QLatin1String(journalFile));
    if (!entryExists(journal)) {
        if (entryExists(stagingDir())) {
            qDebug() << "Dropping the files of an update that did not finish";
            discardStaging();
        }
        return true;
    }
    QFile file(journal);
    const QJsonArray listed = file.open(QIODevice::ReadOnly)
                                  ? QJsonDocument::fromJson(file.read(4 * 1024 * 1024))
                                        .object()
                                        .value(QStringLiteral("names"))
                                        .toArray()
                                  : QJsonArray();
    file.close();
    QStringList names;
    for (const QJsonValue &name : listed) {
        if (FileNamePolicy::isAcceptable(name.toString()) ||
            name.toString() == QLatin1String(serialFile))
            names.append(name.toString());
    }
    qDebug() << "Finishing an interrupted update:" << names.size() << "files";
    QString error;
    if (!finishSwap(names, &error)) {
        qWarning() << "The interrupted update could not be finished:" << error;
        return false;
    }
    return true;
}

bool ReleaseJournal::resetStaging(QString *error)
{
    discardStaging();
    if (!QDir().mkdir(stagingDir()) || QFileInfo(stagingDir()).isSymLink()) {
        *error = QStringLiteral("cannot create the staging folder %1").arg(stagingDir());
        return false;
    }
    return true;
}

void ReleaseJournal::discardStaging()
{
    ContainedPath::removeTree(stagingDir());
}

bool ReleaseJournal::commit(const QStringList &names, qint64 serial, QString *error)
{
    if (!prepare(names, serial, error))
        return false;
    QStringList swapped = names;
    swapped.append(QLatin1String(serialFile));
    return finishSwap(swapped, error);
}

bool ReleaseJournal::prepare(const QStringList &names, qint64 serial, QString *error)
{
    if (!writeDurably(stagingDir() + QLatin1Char('/') + QLatin1String(serialFile),
                      QByteArray::number(serial) + '\n', error))
        return false;
    QStringList swapped = names;
    swapped.append(QLatin1String(serialFile));
    syncFolder(stagingDir());
    const QJsonObject journal{{QStringLiteral("names"), QJsonArray::fromStringList(swapped)}};
    if (!writeDurably(path(QLatin1String(journalFile)),
                      QJsonDocument(journal).toJson(QJsonDocument::Compact), error))
        return false;
    syncFolder(m_applicationDir);
    return true;
}

bool ReleaseJournal::finishSwap(const QStringList &names, QString *error)
{
    // Idempotent: a name whose staged file is gone was moved already.
    for (const QString &name : names) {
        const QString staged = stagingDir() + QLatin1Char('/') + name;
        if (!entryExists(staged))
            continue;
        if (!ContainedPath::makeFolders(m_applicationDir, name, error))
            return false;
        if (!AtomicFile::replace(staged, path(name), error)) {
            *error = QStringLiteral("%1: %2").arg(name, *error);
            return false;
        }
    }
    syncFolder(m_applicationDir);
    discardStaging();
    if (!AtomicFile::removeEntry(path(QLatin1String(journalFile)))) {
        *error = QStringLiteral("cannot remove the journal");
        return false;
    }
    syncFolder(m_applicationDir);
    return true;
}
