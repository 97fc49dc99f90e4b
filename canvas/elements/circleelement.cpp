#include "elements/circleelement.h"

#include "elements/elementreader.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPainter>

#include <algorithm>
#include <cmath>

CircleElement::CircleElement(QPoint center, int radius, const QColor &color, int penWidth,
                             double opacity)
    : DrawingElement(ElementKind::Circle, color, penWidth, opacity), m_center(center),
      m_radius(radius)
{
}

void CircleElement::setRadius(int radius)
{
    if (radius == m_radius)
        return;
    m_radius = radius;
    touch();
}

namespace {

std::shared_ptr<DrawingElement> start(const Stroke &stroke, const PenStyle &pen)
{
    return std::make_shared<CircleElement>(stroke.start, 0, pen.color, pen.width, pen.opacity);
}

std::shared_ptr<DrawingElement> read(ElementReader &reader, const PenStyle &pen)
{
    QPoint center;
    int radius = 0;
    if (!reader.point("center", &center) ||
        !reader.integer("radius", 0, 2 * ElementLimits::MaxCoordinate, &radius))
        return nullptr;
    return std::make_shared<CircleElement>(center, radius, pen.color, pen.width, pen.opacity);
}

} // namespace

const ElementType CircleElement::Type{ElementKind::Circle, "circle", &start, nullptr, &read};

void CircleElement::write(QJsonObject &object) const
{
    object.insert(QStringLiteral("center"), pointJson(m_center));
    object.insert(QStringLiteral("radius"), m_radius);
}

double CircleElement::ink() const
{
    return penInk(std::min(2.0 * M_PI * m_radius, 4.0 * DesktopSide));
}

void CircleElement::moveBy(QPoint offset)
{
    if (offset.isNull())
        return;
    m_center += offset;
    touch();
}

std::shared_ptr<DrawingElement> CircleElement::clone() const
{
    return std::make_shared<CircleElement>(m_center, m_radius, color(), penWidth(), opacity());
}

void CircleElement::dragTo(const Stroke &stroke, QPoint pos, bool)
{
    const double dx = double(pos.x()) - stroke.start.x();
    const double dy = double(pos.y()) - stroke.start.y();
    setRadius(clampToInt(std::sqrt(dx * dx + dy * dy)));
}

void CircleElement::draw(QPainter *painter) const
{
    painter->setPen(elementPen());
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(QBrush(Qt::transparent));
    // A ring that passes around everything the painter can change shows nothing, yet
    // costs the rasterizer dearly when it is large.
    const QRectF reach = reachableArea(painter);
    if (reach.isValid()) {
        double farthest = 0.0;
        for (const QPointF corner :
             {reach.topLeft(), reach.topRight(), reach.bottomLeft(), reach.bottomRight()}) {
            const double dx = corner.x() - m_center.x();
            const double dy = corner.y() - m_center.y();
            farthest = std::max(farthest, std::sqrt(dx * dx + dy * dy));
        }
        if (farthest < double(m_radius) - penWidth())
            return;
    }
    painter->drawEllipse(
        QRect(m_center.x() - m_radius, m_center.y() - m_radius, 2 * m_radius, 2 * m_radius));
}

bool CircleElement::hitTest(const QPoint &p, int tolerance) const
{
    // Only the ring around the outline counts, not the inside.
    const double dx = double(p.x()) - m_center.x();
    const double dy = double(p.y()) - m_center.y();
    const double d = std::sqrt(dx * dx + dy * dy);
    const double inner = std::max(double(m_radius) - penWidth() - tolerance, 0.0);
    const double outer = double(m_radius) + penWidth() + tolerance;
    return inner <= d && d <= outer;
}

QRect CircleElement::boundingRect() const
{
    const int r = std::abs(m_radius);
    return grownByPen(QRect(m_center.x() - r, m_center.y() - r, 2 * r + 1, 2 * r + 1));
}
