#include "fadeoutjob.h"

#include "drawingdocument.h"

#include <QDebug>
#include <QTimer>

#include <algorithm>

FadeOutJob::FadeOutJob(DrawingDocument *document, double startOpacity, bool runTimer)
    : QObject(document), m_document(document), m_timer(new QTimer(this)),
      m_startOpacity(startOpacity)
{
    m_timer->setInterval(IntervalMs);
    connect(m_timer, &QTimer::timeout, this, &FadeOutJob::tick);
    if (runTimer)
        m_timer->start();
}

void FadeOutJob::tick()
{
    if (m_finished)
        return;
    const int k = ++m_counter;
    if (!m_document->elements().isEmpty()) {
        const DrawingDocument::ElementPtr element = m_document->elements().first();
        m_document->changeOpacity(element,
                                  std::max(0.01, (1.0 - double(k) / Steps) * m_startOpacity));
        if (k < Steps)
            return;
        qDebug() << "渐变消失完成，移除元素";
        m_document->deleteBottomElement();
    }
    finish();
}

void FadeOutJob::finish()
{
    m_finished = true;
    m_timer->stop();
    deleteLater();
}
