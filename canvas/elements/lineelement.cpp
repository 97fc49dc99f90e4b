#include "elements/lineelement.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

LineElement::LineElement(QPoint start, QPoint end, const QColor &color, int penWidth,
                         double opacity)
    : DrawingElement(1, color, penWidth, opacity), m_start(start), m_end(end)
{
}

void LineElement::setEnd(QPoint end)
{
    if (end == m_end)
        return;
    m_end = end;
    touch();
}

void LineElement::draw(QPainter *painter) const
{
    painter->setPen(elementPen());
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->drawLine(m_start, m_end);
}

bool LineElement::segmentHit(QPoint start, QPoint end, QPoint p, qint64 reach)
{
    const double dx = double(end.x()) - start.x();
    const double dy = double(end.y()) - start.y();
    const auto length = qint64(std::sqrt(dx * dx + dy * dy));
    if (length == 0)
        return false;
    double u = (dx * (double(p.x()) - start.x()) + dy * (double(p.y()) - start.y())) /
               double(length * length);
    u = std::clamp(u, 0.0, 1.0);
    const double qx = start.x() + dx * u;
    const double qy = start.y() + dy * u;
    const double ex = p.x() - qx;
    const double ey = p.y() - qy;
    return ex * ex + ey * ey <= double(reach) * double(reach);
}

bool LineElement::hitTest(const QPoint &p, int tolerance) const
{
    return segmentHit(m_start, m_end, p, qint64(tolerance) + penWidth());
}

QRect LineElement::boundingRect() const
{
    return grownByPen(spanning({m_start, m_end}));
}
