#include "breathingjob.h"

#include "mypainter.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

BreathingJob::BreathingJob(MyPainter *canvas, int period, double maximum)
    : QObject(canvas), m_canvas(canvas), m_timer(new QTimer(this)), m_period(period),
      m_steps(std::max(1, period / IntervalMs)), m_maximum(maximum)
{
    m_timer->setInterval(IntervalMs);
    connect(m_timer, &QTimer::timeout, this, &BreathingJob::tick);
}

double BreathingJob::opacityAt(int k) const
{
    const double phase = double(k % m_steps) / m_steps * 2.0 * M_PI;
    return (std::cos(phase) + 1.0) * 0.5 * (m_maximum - Minimum) + Minimum;
}

void BreathingJob::start(bool runTimer)
{
    if (runTimer)
        m_timer->start();
}

void BreathingJob::tick()
{
    if (m_finished)
        return;
    m_canvas->breathTick();
}

void BreathingJob::finish()
{
    m_finished = true;
    m_timer->stop();
    deleteLater();
}
