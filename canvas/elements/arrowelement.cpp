#include "elements/arrowelement.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

ArrowElement::ArrowElement(QPoint start, QPoint end, const QColor &color, int penWidth,
                           double opacity)
    : TwoPointElement(ElementKind::Arrow, start, end, color, penWidth, opacity)
{
}

int ArrowElement::headLength() const
{
    return std::max(2 * penWidth(), 15);
}

QPolygon ArrowElement::head() const
{
    const double l = length();
    if (l < 1.0)
        return QPolygon();
    const QPoint tip = end();
    const double h = headLength();
    const double w = h / 2.0;
    const double ux = (double(tip.x()) - start().x()) / l;
    const double uy = (double(tip.y()) - start().y()) / l;
    const double mx = tip.x() - h * ux;
    const double my = tip.y() - h * uy;
    // Truncation toward zero, as int conversion does.
    const QPoint a(int(mx + w * -uy), int(my + w * ux));
    const QPoint b(int(mx - w * -uy), int(my - w * ux));
    return QPolygon({tip, a, b});
}

void ArrowElement::draw(QPainter *painter) const
{
    const QPen pen = elementPen();
    painter->setPen(pen);
    painter->setRenderHint(QPainter::Antialiasing, true);
    drawSegment(painter);
    const QPolygon triangle = head();
    if (triangle.isEmpty())
        return;
    painter->setBrush(QBrush(pen.color(), Qt::SolidPattern));
    painter->drawPolygon(triangle, Qt::OddEvenFill);
}

bool ArrowElement::hitTest(const QPoint &p, int tolerance) const
{
    const auto l = qint64(length());
    if (l == 0)
        return false;
    const QPoint a = start(), b = end();
    const double u = ((double(b.x()) - a.x()) * (double(p.x()) - a.x()) +
                      (double(b.y()) - a.y()) * (double(p.y()) - a.y())) /
                     double(l * l);
    if (u <= 0.8 || u > 1.0)
        return segmentHit(p, tolerance);
    // Near the tip only the head counts.
    const QPolygon triangle = head();
    if (triangle.isEmpty())
        return false;
    const QPointF pf(p);
    if (QPolygonF(triangle).containsPoint(pf, Qt::OddEvenFill))
        return true;
    const QPointF tip(triangle.at(0)), left(triangle.at(1)), right(triangle.at(2));
    return distanceToSegment(pf, tip, left) <= tolerance ||
           distanceToSegment(pf, tip, right) <= tolerance ||
           distanceToSegment(pf, left, right) <= tolerance;
}

const ElementType ArrowElement::Type{ElementKind::Arrow,
                                     "arrow",
                                     &startShape<ArrowElement>,
                                     nullptr,
                                     &readShape<ArrowElement>,
                                     false,
                                     true};

std::shared_ptr<DrawingElement> ArrowElement::clone() const
{
    return std::make_shared<ArrowElement>(start(), end(), color(), penWidth(), opacity());
}

QRect ArrowElement::boundingRect() const
{
    const QPolygon triangle = head();
    if (triangle.isEmpty())
        return grownByPen(spanning({start(), end()}));
    return grownByPen(spanning({start(), end(), triangle.at(1), triangle.at(2)}));
}
