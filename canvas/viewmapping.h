#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QTransform>

// Where an item shows the drawing: under item point p lies drawing point origin + p * scale.
// The drawing is one plane across all screens, in device pixels divided by one fixed unit;
// a screen whose scale differs from that unit shows it with a scale other than 1, and the
// zoom tool shows it magnified (a smaller scale).
class ViewMapping
{
public:
    ViewMapping() = default;
    // Anything but a positive scale counts as 1.
    ViewMapping(QPointF origin, qreal scale);

    QPointF origin() const { return m_origin; }
    qreal scale() const { return m_scale; }

    // The drawing point under an item point, rounded to the drawing's whole units.
    QPoint toDrawing(QPointF itemPoint) const;
    // The drawing units that the item rectangle covers, and the item pixels that the drawing
    // rectangle covers.
    QRect toDrawing(const QRect &itemRect) const;
    QRect toItem(const QRect &drawingRect) const;
    // From drawing to item coordinates.
    QTransform toItemTransform() const;
    // The same view magnified factor times: the drawing point under item point p lies under
    // p * factor.
    ViewMapping magnified(qreal factor) const;

    bool operator==(const ViewMapping &other) const
    {
        return m_origin == other.m_origin && m_scale == other.m_scale;
    }
    bool operator!=(const ViewMapping &other) const { return !(*this == other); }

private:
    QPointF m_origin;
    qreal m_scale = 1.0;
};
