#pragma once

#include "elements/elementtype.h"
#include "elements/twopointelement.h"

#include <QPolygon>

// A line from its tail to its tip with a filled triangular head at the tip.
class ArrowElement : public TwoPointElement
{
public:
    ArrowElement(QPoint start, QPoint end, const QColor &color, int penWidth, double opacity);

    void draw(QPainter *painter) const override;
    bool hitTest(const QPoint &p, int tolerance) const override;
    QRect boundingRect() const override;
    std::shared_ptr<DrawingElement> clone() const override;

    static const ElementType Type;

    // The head triangle (tip, A, B); empty when the shaft is shorter than one pixel.
    QPolygon head() const;
    // Length of the head; its width is the same.
    int headLength() const;
};
