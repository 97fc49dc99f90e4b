#pragma once

#include "elements/elementtype.h"
#include "elements/twopointelement.h"

// A straight line; with Shift it keeps its length and turns to a multiple of 45 degrees.
class LineElement : public TwoPointElement
{
public:
    LineElement(QPoint start, QPoint end, const QColor &color, int penWidth, double opacity);

    void draw(QPainter *painter) const override;
    bool hitTest(const QPoint &p, int tolerance) const override;
    QRect boundingRect() const override;
    std::shared_ptr<DrawingElement> clone() const override;

    static const ElementType Type;

protected:
    QPoint snapped(QPoint start, QPoint pos) const override;
};
