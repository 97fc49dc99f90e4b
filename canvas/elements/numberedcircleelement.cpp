#include "elements/numberedcircleelement.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

NumberedCircleElement::NumberedCircleElement(QPoint center, int number, const QColor &color,
                                             int penWidth, double opacity)
    : DrawingElement(ElementKind::NumberedCircle, color, penWidth, opacity), m_center(center),
      m_number(number)
{
}

QRect NumberedCircleElement::circleRect() const
{
    return QRect(m_center.x() - Radius, m_center.y() - Radius, 2 * Radius + 1, 2 * Radius + 1);
}

QFont NumberedCircleElement::numberFont()
{
    QFont f(QStringLiteral("Arial"), 12);
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
    const double reach = double(tolerance) + Radius;
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
    const int halfWidth = std::max(Radius + 1, text.width() / 2 + 2);
    const int halfHeight = std::max(Radius + 1, metrics.height() / 2 + 2);
    const QRect area(m_center.x() - halfWidth, m_center.y() - halfHeight, 2 * halfWidth + 1,
                     2 * halfHeight + 1);
    return grownByPen(area);
}
