#pragma once

#include "drawingfile.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <memory>

// Opens a drawing file on a worker thread, so that a large or slow file never holds up the
// screen: tells how far it got while it works and can be stopped at any moment.
class DrawingLoader : public QObject
{
    Q_OBJECT

public:
    explicit DrawingLoader(QObject *parent = nullptr);
    ~DrawingLoader() override;

    // Starts loading path; false (and nothing started) while a load is under way.
    bool start(const QString &path);
    void cancel();
    bool isRunning() const { return bool(m_job); }
    // 0 to 1, updated a few times a second while loading.
    double progress() const { return m_progress; }

signals:
    void runningChanged();
    void progressChanged();
    // Exactly one of these ends every load that started.
    void loaded(const QString &path, std::shared_ptr<DrawingFile::Loaded> drawing);
    void failed(const QString &path, const QString &reason);
    void cancelled(const QString &path);

private:
    struct Job
    {
        std::atomic<bool> cancelled{false};
        std::atomic<int> permille{0};
    };
    void finish(const std::shared_ptr<Job> &job, const QString &path,
                std::shared_ptr<DrawingFile::Loaded> drawing, const QString &reason);
    void pollProgress();

    std::shared_ptr<Job> m_job;
    double m_progress = 0.0;
    QTimer m_poll;
    QThreadPool m_pool;
};
