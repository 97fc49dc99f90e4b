#include "autosave.h"

#include "drawingdocument.h"
#include "mypainter.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// While a gesture runs the write waits this much longer, again and again; a gesture
// whose release never came (the pointer left the window) holds it back at most so long.
constexpr int GestureRetryMs = 300;
constexpr int MaxGestureRetries = 20;

} // namespace

AutoSave::AutoSave(QObject *parent) : QObject(parent), m_path(defaultPath())
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &AutoSave::quietPeriodOver);
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

// On the pointer path: nothing but a flag and a timer restart.
void AutoSave::documentChanged()
{
    m_pending = true;
    m_timer.start(m_delay);
}

void AutoSave::quietPeriodOver()
{
    if (!m_pending || !m_document)
        return;
    if (!m_document->stroke().points.isEmpty() && m_gestureRetries < MaxGestureRetries) {
        ++m_gestureRetries;
        m_timer.start(GestureRetryMs);
        return;
    }
    m_gestureRetries = 0;
    m_pending = false;
    const QByteArray data = DrawingFile::toJson(*m_document);
    emit snapshotTaken(data);
    const QString path = m_path;
    QPointer<AutoSave> self(this);
    m_writer.start([self, path, data] {
        QString error;
        const bool ok = writeFile(path, data, &error);
        if (!self)
            return;
        QMetaObject::invokeMethod(
            self.data(),
            [self, ok, error] {
                if (!self)
                    return;
                if (ok)
                    emit self->saved();
                else
                    emit self->saveFailed(error);
            },
            Qt::QueuedConnection);
    });
}

void AutoSave::saveNow()
{
    m_writer.waitForDone();
    m_timer.stop();
    if (!m_pending || !m_document)
        return;
    m_pending = false;
    const QByteArray data = DrawingFile::toJson(*m_document);
    emit snapshotTaken(data);
    QString error;
    if (writeFile(m_path, data, &error))
        emit saved();
    else
        emit saveFailed(error);
}

bool AutoSave::writeFile(const QString &path, const QByteArray &data, QString *error)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        *error = QStringLiteral("cannot create folder %1").arg(info.absolutePath());
        qWarning() << "自动保存失败:" << *error;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        *error = file.errorString();
        qWarning() << "自动保存失败:" << path << *error;
        return false;
    }
    return true;
}

bool AutoSave::hasRecoverable()
{
    m_offered.reset();
    if (!QFileInfo::exists(m_path))
        return false;
    QString error;
    auto loaded = DrawingFile::load(m_path, &error);
    if (!loaded) {
        qWarning() << "自动保存的绘图无法读取:" << m_path << error;
        return false;
    }
    if (loaded->elements.isEmpty())
        return false;
    m_offered = std::move(loaded);
    return true;
}

bool AutoSave::restore()
{
    if (!m_document)
        return false;
    std::optional<DrawingFile::Loaded> loaded = std::move(m_offered);
    m_offered.reset();
    if (!loaded) {
        QString error;
        loaded = DrawingFile::load(m_path, &error);
        if (!loaded) {
            qWarning() << "自动保存的绘图无法读取:" << m_path << error;
            return false;
        }
    }
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
    QFile mark(markPath());
    QDir().mkpath(QFileInfo(mark).absolutePath());
    return mark.open(QIODevice::WriteOnly);
}

bool AutoSave::takeRestoreMark()
{
    return QFile::exists(markPath()) && QFile::remove(markPath());
}
