#pragma once

#include "elements/drawingelement.h"
#include "elements/elementreader.h"

#include <QPointF>

class QPainter;

// A shape given by the press position and the position the pointer was dragged to:
// line, rectangle and arrow.
class TwoPointElement : public DrawingElement
{
public:
    QPoint start() const { return m_start; }
    QPoint end() const { return m_end; }
    void setEnd(QPoint end);

    void dragTo(const Stroke &stroke, QPoint pos, bool shiftPressed) override;
    void moveBy(QPoint offset) override;
    // "start" and "end".
    void write(QJsonObject &object) const override;
    // The segment start-end.
    double ink() const override;

    // Distance from p to the segment a-b (to a when the segment has no length).
    static double distanceToSegment(QPointF p, QPointF a, QPointF b);

    // For the ElementType of each shape: a drag starts it at the press, and a file gives its
    // two points.
    template <typename Shape>
    static std::shared_ptr<DrawingElement> startShape(const Stroke &stroke, const PenStyle &pen)
    {
        return std::make_shared<Shape>(stroke.start, stroke.start, pen.color, pen.width,
                                       pen.opacity);
    }
    template <typename Shape>
    static std::shared_ptr<DrawingElement> readShape(ElementReader &reader, const PenStyle &pen)
    {
        QPoint a, b;
        if (!reader.point("start", &a) || !reader.point("end", &b))
            return nullptr;
        return std::make_shared<Shape>(a, b, pen.color, pen.width, pen.opacity);
    }

protected:
    TwoPointElement(ElementKind kind, QPoint start, QPoint end, const QColor &color, int penWidth,
                    double opacity);

    // Where a drag with Shift held ends; kinds without a snap keep pos.
    virtual QPoint snapped(QPoint start, QPoint pos) const;
    // Whether p lies within tolerance plus the pen width of the segment start-end; a
    // segment shorter than one whole pixel is never hit.
    bool segmentHit(QPoint p, int tolerance) const;
    // Length of start-end as a double.
    double length() const;
    // Draws the segment start-end with the painter's pen; only its reachable part when it
    // reaches far beyond what the painter can change.
    void drawSegment(QPainter *painter) const;

private:
    QPoint m_start;
    QPoint m_end;
};
