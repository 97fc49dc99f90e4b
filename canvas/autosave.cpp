#include "autosave.h"

#include "drawingdocument.h"
#include "mypainter.h"
#include "nativefile.h"
#include "safefile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QStandardPaths>

#include <utility>

namespace {

// While a write is still on its way the next snapshot waits this long and tries again, so
// that a slow disk never piles up copies of the drawing in memory.
constexpr int BusyRetryMs = 200;

// A free name beside path that says when the file there was last written:
// autosave-20250303-140509.qmark, then -2, -3, ... when that is taken.
QString keptName(const QString &path)
{
    const QFileInfo info(path);
    QDateTime when = info.lastModified();
    if (!when.isValid())
        when = QDateTime::currentDateTime();
    const QString stem = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
                         QLatin1Char('-') + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString suffix = QLatin1Char('.') + info.suffix();
    QString name = stem + suffix;
    for (int n = 2; NativeFile::entry(name) != NativeFile::Entry::Missing && n < 1000; ++n)
        name = stem + QLatin1Char('-') + QString::number(n) + suffix;
    return name;
}

// Moves the file at path to a dated name beside it; the name, or empty when it stayed.
QString keepAside(const QString &path)
{
    const QString kept = keptName(path);
    QString error;
    if (NativeFile::rename(path, kept, false, &error))
        return kept;
    qWarning() << "Cannot keep the last drawing aside:" << path << error;
    return QString();
}

bool writeFile(const QString &path, const QByteArray &data, bool blocked, QString *error)
{
    if (blocked) {
        *error = AutoSave::tr("上次自动保存的文件无法移开，为了不覆盖它，自动保存已停止");
        return false;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = AutoSave::tr("无法创建文件夹 %1").arg(QDir::toNativeSeparators(folder));
        qWarning() << "自动保存失败:" << *error;
        return false;
    }
    if (!SafeFile::write(path, data, SafeFile::Mode::Replace, error)) {
        qWarning() << "自动保存失败:" << path << *error;
        return false;
    }
    return true;
}

} // namespace

struct AutoSave::Inspection
{
    std::shared_ptr<DrawingFile::Loaded> offered; // a drawing with elements, else none
    bool setAside = false;
    QString keptPath; // where the unreadable file went; empty when it could not be moved
    QString reason;
};

AutoSave::AutoSave(QObject *parent) : QObject(parent), m_path(defaultPath())
{
    m_quiet.setSingleShot(true);
    m_longest.setSingleShot(true);
    connect(&m_quiet, &QTimer::timeout, this, &AutoSave::writeSnapshot);
    connect(&m_longest, &QTimer::timeout, this, &AutoSave::writeSnapshot);
    m_writer.setMaxThreadCount(1);
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &AutoSave::saveNow);
}

AutoSave::~AutoSave()
{
    saveNow();
}

QString AutoSave::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/autosave.qmark");
}

void AutoSave::setPainter(MyPainter *painter)
{
    if (m_painter == painter)
        return;
    m_painter = painter;
    setDocument(painter ? &painter->document() : nullptr);
    emit painterChanged();
}

void AutoSave::setDocument(DrawingDocument *document)
{
    if (m_document == document)
        return;
    // What the old drawing still owes the disk goes there first.
    saveNow();
    if (m_document)
        m_document->disconnect(this);
    m_document = document;
    if (m_document)
        connect(m_document, &DrawingDocument::changed, this, &AutoSave::documentChanged);
}

void AutoSave::setDelay(int ms)
{
    if (ms == m_delay || ms < 0)
        return;
    m_delay = ms;
    emit delayChanged();
}

// On the pointer path: a flag and a timer restart; the longest wait starts with the
// first change that is not on the disk yet.
void AutoSave::documentChanged()
{
    m_pending = true;
    m_quiet.start(m_delay);
    if (!m_longest.isActive())
        m_longest.start(m_maxWait);
}

void AutoSave::writeSnapshot()
{
    if (!m_pending || !m_document) {
        m_quiet.stop();
        m_longest.stop();
        return;
    }
    if (m_writer.activeThreadCount() > 0) {
        m_quiet.start(BusyRetryMs);
        return;
    }
    // The file found at the start is looked at (and kept) before the first write, which
    // waits for that answer: written earlier, it would replace the drawing it must keep.
    if (!m_inspected)
        checkRecoverable();
    if (m_inspecting) {
        m_writeAfterInspection = true;
        m_quiet.start(BusyRetryMs);
        return;
    }
    m_quiet.stop();
    m_longest.stop();
    m_pending = false;
    const bool keep = takeOfferToKeep();
    const QByteArray data = DrawingFile::toJson(*m_document);
    emit snapshotTaken(data);
    QPointer<AutoSave> self(this);
    m_writer.start([self, path = m_path, data, blocked = m_blocked, keep] {
        const QString kept = keep ? keepAside(path) : QString();
        QString error;
        const bool ok = writeFile(path, data, *blocked, &error);
        // The saver waits for this thread before it goes, so self is still there.
        QMetaObject::invokeMethod(
            self.data(), [self, ok, error, kept] { self->writeDone(ok, error, kept); },
            Qt::QueuedConnection);
    });
}

bool AutoSave::takeOfferToKeep()
{
    if (!m_offered || m_offerKept)
        return false;
    m_offerKept = true;
    return true;
}

void AutoSave::saveNow()
{
    m_writer.waitForDone();
    m_quiet.stop();
    m_longest.stop();
    if (!m_pending || !m_document)
        return;
    m_pending = false;
    // A check's answer still queued is taken in before deciding what to keep.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    if (!m_inspected || m_inspecting)
        inspected(inspect(m_path));
    const QString kept = takeOfferToKeep() ? keepAside(m_path) : QString();
    const QByteArray data = DrawingFile::toJson(*m_document);
    emit snapshotTaken(data);
    QString error;
    const bool ok = writeFile(m_path, data, *m_blocked, &error);
    writeDone(ok, error, kept);
}

void AutoSave::writeDone(bool ok, const QString &error, const QString &kept)
{
    if (!kept.isEmpty())
        emit offerKept(QDir::toNativeSeparators(kept));
    if (ok)
        emit saved();
    else
        emit saveFailed(error);
    if (ok == m_failing) {
        m_failing = !ok;
        if (m_failing)
            emit failureStarted(error);
        else
            emit failureEnded();
    }
}

AutoSave::Inspection AutoSave::inspect(const QString &path)
{
    Inspection result;
    SafeFile::removeLeftovers(path);
    const NativeFile::Entry entry = NativeFile::entry(path);
    if (entry == NativeFile::Entry::Missing)
        return result;
    QString error;
    std::optional<DrawingFile::Loaded> loaded = DrawingFile::load(path, &error);
    if (loaded && !loaded->elements.isEmpty())
        result.offered = std::make_shared<DrawingFile::Loaded>(std::move(*loaded));
    if (loaded && entry == NativeFile::Entry::Regular)
        return result;
    // Unreadable, or readable only through a link or the like, which a write would refuse:
    // kept under a dated name, out of the way of the next write.
    result.setAside = true;
    result.reason = loaded ? tr("自动保存的位置不是普通文件") : error;
    result.keptPath = keptName(path);
    QString moveError;
    if (!NativeFile::rename(path, result.keptPath, false, &moveError)) {
        qWarning() << "Cannot move the unreadable autosave aside:" << path << moveError;
        result.keptPath.clear();
        result.reason += QStringLiteral("; ") + moveError;
    } else {
        qWarning() << "自动保存的绘图无法读取，已移到:" << result.keptPath << result.reason;
    }
    return result;
}

void AutoSave::inspected(const Inspection &result)
{
    m_inspected = true;
    m_inspecting = false;
    // A write held back for this answer goes now, not a retry later.
    if (std::exchange(m_writeAfterInspection, false) && m_pending)
        m_quiet.start(0);
    m_offered = result.offered;
    m_offerKept = false;
    if (result.setAside)
        emit setAside(QDir::toNativeSeparators(result.keptPath), result.reason);
    emit recoverableChecked(bool(m_offered));
}

void AutoSave::checkRecoverable()
{
    m_inspected = true;
    m_inspecting = true;
    QPointer<AutoSave> self(this);
    m_writer.start([self, path = m_path, blocked = m_blocked] {
        const Inspection result = inspect(path);
        if (result.setAside && result.keptPath.isEmpty())
            *blocked = true;
        QMetaObject::invokeMethod(
            self.data(),
            [self, result] {
                // A look taken since, in the foreground, has the last word.
                if (self->m_inspecting)
                    self->inspected(result);
            },
            Qt::QueuedConnection);
    });
}

bool AutoSave::hasRecoverable()
{
    m_writer.waitForDone();
    const Inspection result = inspect(m_path);
    if (result.setAside && result.keptPath.isEmpty())
        *m_blocked = true;
    inspected(result);
    return bool(m_offered);
}

bool AutoSave::restore()
{
    if (!m_document)
        return false;
    if (!m_inspected)
        hasRecoverable();
    m_writer.waitForDone();
    // Any queued answer of a check has been taken in by now.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    const std::shared_ptr<DrawingFile::Loaded> loaded = std::move(m_offered);
    m_offered.reset();
    if (!loaded)
        return false;
    m_document->replaceAll(loaded->elements, loaded->circleCounter);
    qDebug() << "已恢复上次的绘图:" << loaded->elements.size() << "个元素";
    return true;
}

QString AutoSave::markPath() const
{
    return m_path + QStringLiteral(".restore");
}

bool AutoSave::markRestoreOnNextStart()
{
    QDir().mkpath(QFileInfo(markPath()).absolutePath());
    QString error;
    return SafeFile::write(markPath(), QByteArray(), SafeFile::Mode::Replace, &error);
}

bool AutoSave::takeRestoreMark()
{
    return NativeFile::entry(markPath()) != NativeFile::Entry::Missing &&
           NativeFile::remove(markPath());
}
