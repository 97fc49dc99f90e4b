#include "drawingloader.h"

#include <QMetaObject>
#include <QPointer>

namespace {

// How often the progress shown is brought up to date.
constexpr int PollMs = 100;

} // namespace

DrawingLoader::DrawingLoader(QObject *parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
    m_poll.setInterval(PollMs);
    connect(&m_poll, &QTimer::timeout, this, &DrawingLoader::pollProgress);
}

DrawingLoader::~DrawingLoader()
{
    cancel();
    m_pool.waitForDone();
}

bool DrawingLoader::start(const QString &path)
{
    if (m_job)
        return false;
    auto job = std::make_shared<Job>();
    m_job = job;
    m_progress = 0.0;
    m_poll.start();
    emit runningChanged();
    emit progressChanged();
    QPointer<DrawingLoader> self(this);
    m_pool.start([self, job, path] {
        QString reason;
        std::optional<DrawingFile::Loaded> drawing =
            DrawingFile::load(path, &reason, [&job](double done) {
                job->permille = int(done * 1000.0);
                return !job->cancelled;
            });
        auto result = drawing ? std::make_shared<DrawingFile::Loaded>(std::move(*drawing))
                              : std::shared_ptr<DrawingFile::Loaded>();
        // The loader waits for this thread before it goes, so self is still there.
        QMetaObject::invokeMethod(
            self.data(),
            [self, job, path, result, reason] { self->finish(job, path, result, reason); },
            Qt::QueuedConnection);
    });
    return true;
}

void DrawingLoader::cancel()
{
    if (m_job)
        m_job->cancelled = true;
}

void DrawingLoader::pollProgress()
{
    if (!m_job)
        return;
    const double now = m_job->permille / 1000.0;
    if (now != m_progress) {
        m_progress = now;
        emit progressChanged();
    }
}

void DrawingLoader::finish(const std::shared_ptr<Job> &job, const QString &path,
                           std::shared_ptr<DrawingFile::Loaded> drawing, const QString &reason)
{
    if (job != m_job)
        return;
    m_job.reset();
    m_poll.stop();
    m_progress = 1.0;
    emit progressChanged();
    emit runningChanged();
    if (job->cancelled)
        emit cancelled(path);
    else if (drawing)
        emit loaded(path, std::move(drawing));
    else
        emit failed(path, reason);
}
