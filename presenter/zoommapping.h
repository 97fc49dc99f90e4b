#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// Where the zoomed view of a screen looks and which screen point lies under a point of it.
// The view magnifies the screen about the pan point, which follows the pointer: with the
// pointer at the left edge one sees the left edge, in the middle the middle. The pan point
// is the one screen point that stays in place, so the visible part of the screen never
// leaves it. Coordinates are the surface's logical ones; the still image of the screen has
// device pixels.
class ZoomMapping
{
public:
    static constexpr qreal minimumFactor = 1.0;
    static constexpr qreal maximumFactor = 8.0;

    ZoomMapping() = default;
    ZoomMapping(QSizeF surfaceSize, qreal devicePixelRatio);

    qreal factor() const { return m_factor; }
    // Kept within minimumFactor..maximumFactor; not a number gives 1x.
    void setFactor(qreal factor);
    QSizeF surfaceSize() const { return m_size; }
    void setSurfaceSize(QSizeF size);
    qreal devicePixelRatio() const { return m_ratio; }
    // Anything but a positive ratio counts as 1.
    void setDevicePixelRatio(qreal ratio);
    QPointF pan() const { return m_pan; }
    // Kept on the surface.
    void setPan(QPointF pan);

    // The part of the screen the view shows, in surface coordinates.
    QRectF visibleArea() const;
    // The screen point under a point of the zoomed view, and the reverse.
    QPointF toScreen(QPointF viewPoint) const;
    QPointF toView(QPointF screenPoint) const;
    // The visible area in the device pixels of a still image of the screen.
    QRectF sourceRect() const;

    // The factor after a turn of the wheel (120 per notch, negative zooms out): two notches
    // double it.
    qreal factorAfterWheel(int angleDelta) const;
    // The pan point that keeps the screen point under viewPoint in place when the factor
    // becomes newFactor, as far as the screen's edges allow.
    QPointF panKeeping(QPointF viewPoint, qreal newFactor) const;

private:
    static qreal clampedFactor(qreal factor);
    QPointF clampedPan(QPointF pan) const;

    QSizeF m_size;
    qreal m_ratio = 1.0;
    qreal m_factor = 1.0;
    QPointF m_pan;
};
