#include "elements/rectangleelement.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

RectangleElement::RectangleElement(QPoint start, QPoint end, const QColor &color, int penWidth,
                                   double opacity)
    : TwoPointElement(ElementKind::Rectangle, start, end, color, penWidth, opacity)
{
}

void RectangleElement::draw(QPainter *painter) const
{
    painter->setPen(elementPen());
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(QBrush(Qt::transparent));
    const QPoint a = start(), b = end();
    const QRect rect(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(a.x() - b.x()),
                     std::abs(a.y() - b.y()));
    const QRectF reach = reachableArea(painter);
    if (!reach.isValid() || reach.contains(QRectF(rect))) {
        painter->drawRect(rect);
        return;
    }
    // Sides far away move to just beyond the reach: what shows stays where it was.
    const auto clamped = [](double v, double low, double high) {
        return std::clamp(v, low - 1.0, high + 1.0);
    };
    const double left = clamped(rect.left(), reach.left(), reach.right());
    const double right = clamped(double(rect.left()) + rect.width(), reach.left(), reach.right());
    const double top = clamped(rect.top(), reach.top(), reach.bottom());
    const double bottom = clamped(double(rect.top()) + rect.height(), reach.top(), reach.bottom());
    painter->drawRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
}

bool RectangleElement::hitTest(const QPoint &p, int tolerance) const
{
    // Only the border counts; the pen width plays no part.
    const qint64 t = tolerance;
    const QPoint a = start(), b = end();
    const qint64 left = std::min(a.x(), b.x());
    const qint64 right = std::max(a.x(), b.x());
    const qint64 top = std::min(a.y(), b.y());
    const qint64 bottom = std::max(a.y(), b.y());
    const qint64 x = p.x(), y = p.y();
    const bool nearHorizontal =
        (top - t <= y && y <= top + t) || (bottom - t <= y && y <= bottom + t);
    const bool nearVertical =
        (left - t <= x && x <= left + t) || (right - t <= x && x <= right + t);
    return (nearHorizontal && left - t <= x && x <= right + t) ||
           (nearVertical && top - t <= y && y <= bottom + t);
}

const ElementType RectangleElement::Type{ElementKind::Rectangle, "rectangle",
                                         &startShape<RectangleElement>, nullptr,
                                         &readShape<RectangleElement>};

std::shared_ptr<DrawingElement> RectangleElement::clone() const
{
    return std::make_shared<RectangleElement>(start(), end(), color(), penWidth(), opacity());
}

double RectangleElement::ink() const
{
    const QPointF a = start(), b = end();
    const QPointF c(a.x(), b.y()), d(b.x(), a.y());
    return penInk(desktopLength(a, c) + desktopLength(c, b) + desktopLength(b, d) +
                  desktopLength(d, a));
}

QRect RectangleElement::boundingRect() const
{
    return grownByPen(spanning({start(), end()}));
}

QPoint RectangleElement::snapped(QPoint start, QPoint pos) const
{
    const qint64 dx = qint64(pos.x()) - start.x();
    const qint64 dy = qint64(pos.y()) - start.y();
    const qint64 m = std::max(std::abs(dx), std::abs(dy));
    return QPoint(clampToInt(double(dx >= 0 ? start.x() + m : start.x() - m)),
                  clampToInt(double(dy >= 0 ? start.y() + m : start.y() - m)));
}
