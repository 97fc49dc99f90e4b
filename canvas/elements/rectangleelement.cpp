#include "elements/rectangleelement.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

RectangleElement::RectangleElement(QPoint start, QPoint end, const QColor &color, int penWidth,
                                   double opacity)
    : DrawingElement(3, color, penWidth, opacity), m_start(start), m_end(end)
{
}

void RectangleElement::setEnd(QPoint end)
{
    if (end == m_end)
        return;
    m_end = end;
    touch();
}

void RectangleElement::draw(QPainter *painter) const
{
    painter->setPen(elementPen());
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(QBrush(Qt::transparent));
    painter->drawRect(std::min(m_start.x(), m_end.x()), std::min(m_start.y(), m_end.y()),
                      std::abs(m_start.x() - m_end.x()), std::abs(m_start.y() - m_end.y()));
}

bool RectangleElement::hitTest(const QPoint &p, int tolerance) const
{
    // Only the border counts; the pen width plays no part.
    const qint64 t = tolerance;
    const qint64 left = std::min(m_start.x(), m_end.x());
    const qint64 right = std::max(m_start.x(), m_end.x());
    const qint64 top = std::min(m_start.y(), m_end.y());
    const qint64 bottom = std::max(m_start.y(), m_end.y());
    const qint64 x = p.x(), y = p.y();
    const bool nearHorizontal =
        (top - t <= y && y <= top + t) || (bottom - t <= y && y <= bottom + t);
    const bool nearVertical =
        (left - t <= x && x <= left + t) || (right - t <= x && x <= right + t);
    return (nearHorizontal && left - t <= x && x <= right + t) ||
           (nearVertical && top - t <= y && y <= bottom + t);
}

QRect RectangleElement::boundingRect() const
{
    return grownByPen(spanning({m_start, m_end}));
}
