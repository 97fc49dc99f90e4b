#pragma once

#include "elements/drawingelement.h"

// An unfilled axis-aligned rectangle given by two opposite corners.
class RectangleElement : public DrawingElement
{
public:
    RectangleElement(QPoint start, QPoint end, const QColor &color, int penWidth, double opacity);

    void draw(QPainter *painter) const override;
    bool hitTest(const QPoint &p, int tolerance) const override;
    QRect boundingRect() const override;

    QPoint start() const { return m_start; }
    QPoint end() const { return m_end; }
    void setEnd(QPoint end);

private:
    QPoint m_start;
    QPoint m_end;
};
