#include "elements/arrowelement.h"

#include "elements/lineelement.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const double vx = b.x() - a.x();
    const double vy = b.y() - a.y();
    const double lengthSquared = vx * vx + vy * vy;
    if (std::sqrt(lengthSquared) < 1e-6)
        return 0.0;
    double u = ((p.x() - a.x()) * vx + (p.y() - a.y()) * vy) / lengthSquared;
    u = std::clamp(u, 0.0, 1.0);
    const double ex = p.x() - (a.x() + vx * u);
    const double ey = p.y() - (a.y() + vy * u);
    return std::sqrt(ex * ex + ey * ey);
}

} // namespace

ArrowElement::ArrowElement(QPoint start, QPoint end, const QColor &color, int penWidth,
                           double opacity)
    : DrawingElement(4, color, penWidth, opacity), m_start(start), m_end(end)
{
}

void ArrowElement::setEnd(QPoint end)
{
    if (end == m_end)
        return;
    m_end = end;
    touch();
}

int ArrowElement::headLength() const
{
    return std::max(2 * penWidth(), 15);
}

QPolygon ArrowElement::head() const
{
    const double dx = double(m_end.x()) - m_start.x();
    const double dy = double(m_end.y()) - m_start.y();
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length < 1.0)
        return QPolygon();
    const double h = headLength();
    const double w = h / 2.0;
    const double ux = dx / length;
    const double uy = dy / length;
    const double mx = m_end.x() - h * ux;
    const double my = m_end.y() - h * uy;
    // Truncation toward zero, as int conversion does.
    const QPoint a(int(mx + w * -uy), int(my + w * ux));
    const QPoint b(int(mx - w * -uy), int(my - w * ux));
    return QPolygon({m_end, a, b});
}

void ArrowElement::draw(QPainter *painter) const
{
    const QPen pen = elementPen();
    painter->setPen(pen);
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->drawLine(m_start, m_end);
    const QPolygon triangle = head();
    if (triangle.isEmpty())
        return;
    painter->setBrush(QBrush(pen.color(), Qt::SolidPattern));
    painter->drawPolygon(triangle, Qt::OddEvenFill);
}

bool ArrowElement::hitTest(const QPoint &p, int tolerance) const
{
    const double dx = double(m_end.x()) - m_start.x();
    const double dy = double(m_end.y()) - m_start.y();
    const auto length = qint64(std::sqrt(dx * dx + dy * dy));
    if (length == 0)
        return false;
    const double u = (dx * (double(p.x()) - m_start.x()) + dy * (double(p.y()) - m_start.y())) /
                     double(length * length);
    if (u > 0.8 && u <= 1.0) {
        // Near the tip only the head counts.
        const QPolygon triangle = head();
        if (triangle.isEmpty())
            return false;
        const QPolygonF polygon(triangle);
        const QPointF pf(p);
        if (polygon.containsPoint(pf, Qt::OddEvenFill))
            return true;
        const QPointF tip(triangle.at(0)), a(triangle.at(1)), b(triangle.at(2));
        return distanceToSegment(pf, tip, a) <= tolerance ||
               distanceToSegment(pf, tip, b) <= tolerance ||
               distanceToSegment(pf, a, b) <= tolerance;
    }
    return LineElement::segmentHit(m_start, m_end, p, qint64(tolerance) + penWidth());
}

QRect ArrowElement::boundingRect() const
{
    const QPolygon triangle = head();
    if (triangle.isEmpty())
        return grownByPen(spanning({m_start, m_end}));
    return grownByPen(spanning({m_start, m_end, triangle.at(1), triangle.at(2)}));
}
