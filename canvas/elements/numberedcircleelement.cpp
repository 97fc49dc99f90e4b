#include "elements/numberedcircleelement.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

NumberedCircleElement::NumberedCircleElement(QPoint center, int number, const QColor &color,
                                             int penWidth, double opacity, int radius)
    : DrawingElement(ElementKind::NumberedCircle, color, penWidth, opacity), m_center(center),
      m_number(number), m_radius(radius)
{
}

void NumberedCircleElement::moveBy(QPoint offset)
{
    if (offset.isNull())
        return;
    m_center += offset;
    m_bounds.translate(offset);
    touch();
}

std::shared_ptr<DrawingElement> NumberedCircleElement::clone() const
{
    return std::make_shared<NumberedCircleElement>(m_center, m_number, color(), penWidth(),
                                                   opacity(), m_radius);
}

void NumberedCircleElement::setSize(int size)
{
    const int radius = std::clamp(size, MinRadius, MaxRadius);
    if (radius == m_radius)
        return;
    m_radius = radius;
    m_boundsKnown = false;
    touch();
}

QRect NumberedCircleElement::circleRect() const
{
    return QRect(m_center.x() - m_radius, m_center.y() - m_radius, 2 * m_radius + 1,
                 2 * m_radius + 1);
}

QFont NumberedCircleElement::numberFont() const
{
    // 12 points in a circle of the usual radius.
    QFont f(QStringLiteral("Arial"), std::max(1, m_radius * 12 / Radius));
    f.setBold(true);
    return f;
}

void NumberedCircleElement::draw(QPainter *painter) const
{
    painter->setPen(elementPen());
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(QBrush(Qt::transparent));
    const QRect rect = circleRect();
    painter->drawEllipse(rect);
    painter->setFont(numberFont());
    painter->drawText(rect, Qt::AlignCenter, QString::number(m_number));
}

bool NumberedCircleElement::hitTest(const QPoint &p, int tolerance) const
{
    const double dx = double(p.x()) - m_center.x();
    const double dy = double(p.y()) - m_center.y();
    const double reach = double(tolerance) + m_radius;
    return reach >= 0 && dx * dx + dy * dy <= reach * reach;
}

QRect NumberedCircleElement::boundingRect() const
{
    if (!m_boundsKnown) {
        m_bounds = computeBounds();
        m_boundsKnown = true;
    }
    return m_bounds;
}

QRect NumberedCircleElement::computeBounds() const
{
    // Long numbers overflow the circle sideways and tall glyphs may overflow vertically.
    const QFontMetrics metrics(numberFont());
    const QRect text = metrics.boundingRect(QString::number(m_number));
    const int halfWidth = std::max(m_radius + 1, text.width() / 2 + 2);
    const int halfHeight = std::max(m_radius + 1, metrics.height() / 2 + 2);
    const QRect area(m_center.x() - halfWidth, m_center.y() - halfHeight, 2 * halfWidth + 1,
                     2 * halfHeight + 1);
    return grownByPen(area);
}
