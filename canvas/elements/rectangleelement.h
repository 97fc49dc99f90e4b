#pragma once

#include "elements/elementtype.h"
#include "elements/twopointelement.h"

// An unfilled axis-aligned rectangle given by two opposite corners; with Shift a square.
class RectangleElement : public TwoPointElement
{
public:
    RectangleElement(QPoint start, QPoint end, const QColor &color, int penWidth, double opacity);

    void draw(QPainter *painter) const override;
    bool hitTest(const QPoint &p, int tolerance) const override;
    QRect boundingRect() const override;
    std::shared_ptr<DrawingElement> clone() const override;
    // Its four sides.
    double ink() const override;

    static const ElementType Type;

protected:
    QPoint snapped(QPoint start, QPoint pos) const override;
};
