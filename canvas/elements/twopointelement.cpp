#include "elements/twopointelement.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPainter>

#include <algorithm>
#include <cmath>

TwoPointElement::TwoPointElement(ElementKind kind, QPoint start, QPoint end, const QColor &color,
                                 int penWidth, double opacity)
    : DrawingElement(kind, color, penWidth, opacity), m_start(start), m_end(end)
{
}

void TwoPointElement::setEnd(QPoint end)
{
    if (end == m_end)
        return;
    m_end = end;
    touch();
}

void TwoPointElement::dragTo(const Stroke &stroke, QPoint pos, bool shiftPressed)
{
    setEnd(shiftPressed ? snapped(stroke.start, pos) : pos);
}

void TwoPointElement::moveBy(QPoint offset)
{
    if (offset.isNull())
        return;
    m_start += offset;
    m_end += offset;
    touch();
}

void TwoPointElement::write(QJsonObject &object) const
{
    object.insert(QStringLiteral("start"), pointJson(m_start));
    object.insert(QStringLiteral("end"), pointJson(m_end));
}

double TwoPointElement::ink() const
{
    const double pen = std::abs(penWidth()) + 2.0;
    return penInk(desktopLength(m_start, m_end) + 4.0 * pen);
}

QPoint TwoPointElement::snapped(QPoint, QPoint pos) const
{
    return pos;
}

double TwoPointElement::length() const
{
    const double dx = double(m_end.x()) - m_start.x();
    const double dy = double(m_end.y()) - m_start.y();
    return std::sqrt(dx * dx + dy * dy);
}

double TwoPointElement::distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const double vx = b.x() - a.x();
    const double vy = b.y() - a.y();
    const double lengthSquared = vx * vx + vy * vy;
    double u = 0.0;
    if (lengthSquared > 0.0)
        u = std::clamp(((p.x() - a.x()) * vx + (p.y() - a.y()) * vy) / lengthSquared, 0.0, 1.0);
    const double ex = p.x() - (a.x() + vx * u);
    const double ey = p.y() - (a.y() + vy * u);
    return std::sqrt(ex * ex + ey * ey);
}

bool TwoPointElement::segmentHit(QPoint p, int tolerance) const
{
    if (qint64(length()) == 0)
        return false;
    const double reach = double(tolerance) + penWidth();
    return distanceToSegment(p, m_start, m_end) <= reach;
}

void TwoPointElement::drawSegment(QPainter *painter) const
{
    const QRectF reach = reachableArea(painter);
    if (!reach.isValid() || (reach.contains(m_start) && reach.contains(m_end))) {
        painter->drawLine(m_start, m_end);
        return;
    }
    QPointF a(m_start), b(m_end);
    if (clipSegment(&a, &b, reach))
        painter->drawLine(QLineF(a, b));
}
