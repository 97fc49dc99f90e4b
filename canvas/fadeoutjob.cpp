#include "fadeoutjob.h"

#include "mypainter.h"

#include <QTimer>

FadeOutJob::FadeOutJob(MyPainter *canvas, double startOpacity)
    : QObject(canvas), m_canvas(canvas), m_timer(new QTimer(this)), m_startOpacity(startOpacity)
{
    m_timer->setInterval(IntervalMs);
    connect(m_timer, &QTimer::timeout, this, &FadeOutJob::tick);
}

void FadeOutJob::start(bool runTimer)
{
    if (runTimer)
        m_timer->start();
}

void FadeOutJob::tick()
{
    if (m_finished)
        return;
    m_canvas->fadeTick(this);
}

void FadeOutJob::finish()
{
    m_finished = true;
    m_timer->stop();
    deleteLater();
}
