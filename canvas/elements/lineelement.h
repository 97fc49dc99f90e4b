#pragma once

#include "elements/drawingelement.h"

// A straight line.
class LineElement : public DrawingElement
{
public:
    LineElement(QPoint start, QPoint end, const QColor &color, int penWidth, double opacity);

    void draw(QPainter *painter) const override;
    bool hitTest(const QPoint &p, int tolerance) const override;
    QRect boundingRect() const override;

    QPoint start() const { return m_start; }
    QPoint end() const { return m_end; }
    void setEnd(QPoint end);

    // Whether p lies within reach of the segment start-end, measured the way the line
    // and the arrow shaft are hit.
    static bool segmentHit(QPoint start, QPoint end, QPoint p, qint64 reach);

private:
    QPoint m_start;
    QPoint m_end;
};
