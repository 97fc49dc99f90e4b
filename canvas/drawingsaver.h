#pragma once

#include "drawingdocument.h"

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QRect>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <memory>

// Writes the drawings the user saves. Once a large drawing is safely in its file, a worker
// thread paints its picture (see DrawingPicture) and writes the file again with it, so a
// save never waits for the picture. The file is only written again while it still holds
// exactly what was saved: a newer save, or another program's change, is never lost to it.
class DrawingSaver : public QObject
{
    Q_OBJECT

public:
    explicit DrawingSaver(QObject *parent = nullptr);
    // Stops a picture being painted; the file keeps the drawing without it.
    ~DrawingSaver() override;

    // Writes doc to path (see DrawingFile::save); its picture of what lies within desktop
    // follows, at ratio device pixels per unit.
    bool save(const DrawingDocument &doc, const QString &path, const QRect &desktop, qreal ratio,
              QString *error);
    // Waits until the pictures under way are written or given up.
    void waitForPictures() { m_pool.waitForDone(); }

private:
    struct Shared
    {
        QMutex mutex;                  // held while a file is written
        QHash<QString, quint64> saves; // per file, how many saves went there
        std::atomic<bool> stopping{false};
    };
    static void addPicture(const std::shared_ptr<Shared> &shared, const QString &path, quint64 save,
                           const QByteArray &json, const QRect &desktop, qreal ratio);

    std::shared_ptr<Shared> m_shared = std::make_shared<Shared>();
    QThreadPool m_pool;
};
