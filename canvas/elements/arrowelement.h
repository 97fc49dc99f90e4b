#pragma once

#include "elements/drawingelement.h"

#include <QPolygon>

// A line from its tail to its tip with a filled triangular head at the tip.
class ArrowElement : public DrawingElement
{
public:
    ArrowElement(QPoint start, QPoint end, const QColor &color, int penWidth, double opacity);

    void draw(QPainter *painter) const override;
    bool hitTest(const QPoint &p, int tolerance) const override;
    QRect boundingRect() const override;

    QPoint start() const { return m_start; }
    QPoint end() const { return m_end; }
    void setEnd(QPoint end);

    // The head triangle (tip, A, B); empty when the shaft is shorter than one pixel.
    QPolygon head() const;
    // Length of the head; its width is the same.
    int headLength() const;

private:
    QPoint m_start;
    QPoint m_end;
};
