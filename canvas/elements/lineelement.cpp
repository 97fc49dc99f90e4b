#include "elements/lineelement.h"

#include <QPainter>

#include <cmath>

LineElement::LineElement(QPoint start, QPoint end, const QColor &color, int penWidth,
                         double opacity)
    : TwoPointElement(ElementKind::Line, start, end, color, penWidth, opacity)
{
}

void LineElement::draw(QPainter *painter) const
{
    painter->setPen(elementPen());
    painter->setRenderHint(QPainter::Antialiasing, true);
    drawSegment(painter);
}

bool LineElement::hitTest(const QPoint &p, int tolerance) const
{
    return segmentHit(p, tolerance);
}

const ElementType LineElement::Type{ElementKind::Line, "line", &startShape<LineElement>, nullptr,
                                    &readShape<LineElement>};

std::shared_ptr<DrawingElement> LineElement::clone() const
{
    return std::make_shared<LineElement>(start(), end(), color(), penWidth(), opacity());
}

QRect LineElement::boundingRect() const
{
    return grownByPen(spanning({start(), end()}));
}

QPoint LineElement::snapped(QPoint start, QPoint pos) const
{
    const double dx = double(pos.x()) - start.x();
    const double dy = double(pos.y()) - start.y();
    if (std::abs(dx) < 1e-6 && std::abs(dy) < 1e-6)
        return start;
    const double angle = std::atan2(dy, dx) * 180.0 / M_PI;
    const double turned = std::round(angle / 45.0) * 45.0 * M_PI / 180.0;
    const double length = std::sqrt(dx * dx + dy * dy);
    return QPoint(clampToInt(std::round(start.x() + std::cos(turned) * length)),
                  clampToInt(std::round(start.y() + std::sin(turned) * length)));
}
