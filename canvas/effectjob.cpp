#include "effectjob.h"

#include "drawingdocument.h"

#include <QTimer>

EffectJob::EffectJob(DrawingDocument *document, int intervalMs)
    : QObject(document), m_document(document), m_timer(new QTimer(this))
{
    m_timer->setInterval(intervalMs);
    connect(m_timer, &QTimer::timeout, this, [this] { tick(); });
}

void EffectJob::startTimer()
{
    m_timer->start();
}

void EffectJob::finish()
{
    m_finished = true;
    m_timer->stop();
    deleteLater();
}
