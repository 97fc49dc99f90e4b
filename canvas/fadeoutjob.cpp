#include "fadeoutjob.h"

#include "drawingdocument.h"

#include <QDebug>

#include <algorithm>

FadeOutJob::FadeOutJob(DrawingDocument *document, double startOpacity, bool runTimer)
    : EffectJob(document, IntervalMs), m_startOpacity(startOpacity)
{
    if (runTimer)
        startTimer();
}

void FadeOutJob::tick()
{
    if (isFinished())
        return;
    const int k = ++m_counter;
    DrawingDocument &drawing = document();
    if (!drawing.elements().isEmpty()) {
        const DrawingDocument::ElementPtr element = drawing.elements().first();
        drawing.fadeStep(element, std::max(0.01, (1.0 - double(k) / Steps) * m_startOpacity));
        if (k < Steps)
            return;
        qDebug() << "渐变消失完成，移除元素";
        drawing.deleteBottomElement();
    }
    finish();
}
