#include "drawingsaver.h"

#include "drawingfile.h"
#include "drawingpicture.h"
#include "safefile.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMutexLocker>

DrawingSaver::DrawingSaver(QObject *parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

DrawingSaver::~DrawingSaver()
{
    m_shared->stopping = true;
    m_pool.waitForDone();
}

bool DrawingSaver::save(const DrawingDocument &doc, const QString &path, const QRect &desktop,
                        qreal ratio, QString *error)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    const QByteArray json = DrawingFile::toJson(doc);
    quint64 save = 0;
    {
        QMutexLocker lock(&m_shared->mutex);
        save = ++m_shared->saves[file];
        if (!DrawingFile::save(json, doc.elements().size(), path, error))
            return false;
    }
    if (doc.elements().size() >= DrawingPicture::MinElements) {
        m_pool.start([shared = m_shared, file, save, json, desktop, ratio] {
            addPicture(shared, file, save, json, desktop, ratio);
        });
    }
    return true;
}

void DrawingSaver::addPicture(const std::shared_ptr<Shared> &shared, const QString &path,
                              quint64 save, const QByteArray &json, const QRect &desktop,
                              qreal ratio)
{
    QElapsedTimer timer;
    timer.start();
    QString why;
    const QByteArray stamped =
        DrawingPicture::stamped(json, desktop, ratio, &shared->stopping, &why);
    if (stamped.isEmpty()) {
        qDebug() << "No picture for drawing" << path << why;
        return;
    }
    QMutexLocker lock(&shared->mutex);
    if (shared->saves.value(path) != save) {
        qDebug() << "No picture for drawing" << path << "a newer save went there";
        return;
    }
    const SafeFile::ReadResult now = SafeFile::read(path, DrawingFile::MaxFileSize);
    if (!now.ok() || now.data != json) {
        qDebug() << "No picture for drawing" << path << "the file changed since it was saved";
        return;
    }
    QString error;
    if (!SafeFile::write(path, stamped, SafeFile::Mode::Replace, &error)) {
        qWarning() << "No picture for drawing" << path << error;
        return;
    }
    qDebug() << "Drawing picture added to:" << path << stamped.size() - json.size() << "bytes in"
             << timer.elapsed() << "ms";
}
