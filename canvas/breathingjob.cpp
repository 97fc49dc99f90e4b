#include "breathingjob.h"

#include "drawingdocument.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

BreathingJob::BreathingJob(DrawingDocument *document, int period)
    : EffectJob(document, IntervalMs), m_period(period), m_steps(std::max(1, period / IntervalMs)),
      m_targetIndex(int(document->elements().size()) - 1), m_lastCount(m_targetIndex + 1),
      m_savedOpacity(document->elements().last()->opacity()),
      m_maximum(m_savedOpacity > 0.5 ? m_savedOpacity : 1.0)
{
}

double BreathingJob::opacityAt(int k) const
{
    const double phase = double(k % m_steps) / m_steps * 2.0 * M_PI;
    return (std::cos(phase) + 1.0) * 0.5 * (m_maximum - Minimum) + Minimum;
}

void BreathingJob::restoreTarget()
{
    // The pulse changed one particular element; that one gets its opacity back, even if
    // the list shifted beneath it meanwhile.
    const std::shared_ptr<DrawingElement> target = m_target.lock();
    m_target.reset();
    if (target)
        document().changeOpacity(target, m_savedOpacity);
}

void BreathingJob::stop()
{
    restoreTarget();
    finish();
}

void BreathingJob::tick()
{
    if (isFinished())
        return;
    DrawingDocument &drawing = document();
    const auto &elements = drawing.elements();
    const int n = int(elements.size());

    if (n == 1 && drawing.history().canUndo()) {
        // The only element may be fading out at the same time: leave it to the fade.
        stop();
        emit breathingChanged(false);
        return;
    }
    if (n != m_lastCount) {
        restoreTarget();
        m_targetIndex = n - 1;
        m_lastCount = n;
        if (m_targetIndex >= 0)
            m_savedOpacity = elements.at(m_targetIndex)->opacity();
        qDebug() << "检测到新元素，更新呼吸目标索引:" << m_targetIndex
                 << "，恢复前一个元素透明度:" << m_savedOpacity;
        m_counter = 0;
    }
    if (n > 0 && m_targetIndex >= 0 && m_targetIndex < n) {
        const auto target = elements.at(m_targetIndex);
        if (m_target.expired())
            m_target = target;
        drawing.changeOpacity(target, opacityAt(++m_counter));
        emit breathingChanged(true);
        return;
    }
    finish();
    emit breathingChanged(false);
}
