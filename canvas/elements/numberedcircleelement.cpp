#include "elements/numberedcircleelement.h"

#include "elements/elementreader.h"

#include <QFontMetrics>
#include <QJsonArray>
#include <QJsonObject>
#include <QPainter>

#include <algorithm>

NumberedCircleElement::NumberedCircleElement(QPoint center, int number, const QColor &color,
                                             int penWidth, double opacity, int radius)
    : DrawingElement(ElementKind::NumberedCircle, color, penWidth, opacity), m_center(center),
      m_number(number), m_radius(radius)
{
}

namespace {

std::shared_ptr<DrawingElement> make(QPoint pos, int number, const PenStyle &pen)
{
    return std::make_shared<NumberedCircleElement>(pos, number, pen.color, pen.width, pen.opacity);
}

std::shared_ptr<DrawingElement> read(ElementReader &reader, const PenStyle &pen)
{
    QPoint center;
    int number = 0;
    // Only a circle given another size than the usual holds its radius.
    int radius = NumberedCircleElement::Radius;
    if (!reader.point("center", &center) ||
        !reader.integer("number", 0, ElementLimits::MaxNumber, &number) ||
        (reader.has("radius") && !reader.integer("radius", NumberedCircleElement::MinRadius,
                                                 NumberedCircleElement::MaxRadius, &radius)))
        return nullptr;
    return std::make_shared<NumberedCircleElement>(center, number, pen.color, pen.width,
                                                   pen.opacity, radius);
}

} // namespace

const ElementType NumberedCircleElement::Type{ElementKind::NumberedCircle, "numberedCircle",
                                              nullptr, &make, &read};

void NumberedCircleElement::write(QJsonObject &object) const
{
    object.insert(QStringLiteral("center"), pointJson(m_center));
    object.insert(QStringLiteral("number"), m_number);
    if (m_radius != Radius)
        object.insert(QStringLiteral("radius"), m_radius);
}

double NumberedCircleElement::ink() const
{
    const double side = 2.0 * m_radius + 16;
    return side * side;
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
