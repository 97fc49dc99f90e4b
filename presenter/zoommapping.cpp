#include "zoommapping.h"

#include <algorithm>
#include <cmath>

ZoomMapping::ZoomMapping(QSizeF surfaceSize, qreal devicePixelRatio)
{
    setSurfaceSize(surfaceSize);
    setDevicePixelRatio(devicePixelRatio);
}

qreal ZoomMapping::clampedFactor(qreal factor)
{
    if (std::isnan(factor))
        return minimumFactor;
    return std::clamp(factor, minimumFactor, maximumFactor);
}

QPointF ZoomMapping::clampedPan(QPointF pan) const
{
    const auto within = [](qreal value, qreal length) {
        return std::isnan(value) ? length / 2 : std::clamp(value, 0.0, length);
    };
    return {within(pan.x(), m_size.width()), within(pan.y(), m_size.height())};
}

void ZoomMapping::setFactor(qreal factor)
{
    m_factor = clampedFactor(factor);
}

void ZoomMapping::setSurfaceSize(QSizeF size)
{
    m_size = size.expandedTo(QSizeF(0, 0));
    m_pan = clampedPan(m_pan);
}

void ZoomMapping::setDevicePixelRatio(qreal ratio)
{
    m_ratio = ratio > 0 ? ratio : 1.0;
}

void ZoomMapping::setPan(QPointF pan)
{
    m_pan = clampedPan(pan);
}

// The magnification about the pan point p maps screen point s to p + (s - p) * f; the
// screen's top-left corner of the view is where that gives 0.
QRectF ZoomMapping::visibleArea() const
{
    const QPointF topLeft = m_pan * (1.0 - 1.0 / m_factor);
    return {topLeft, m_size / m_factor};
}

QPointF ZoomMapping::toScreen(QPointF viewPoint) const
{
    return m_pan + (viewPoint - m_pan) / m_factor;
}

QPointF ZoomMapping::toView(QPointF screenPoint) const
{
    return m_pan + (screenPoint - m_pan) * m_factor;
}

QRectF ZoomMapping::sourceRect() const
{
    const QRectF area = visibleArea();
    return {area.topLeft() * m_ratio, area.size() * m_ratio};
}

qreal ZoomMapping::factorAfterWheel(int angleDelta) const
{
    return clampedFactor(m_factor * std::exp2(angleDelta / 240.0));
}

QPointF ZoomMapping::panKeeping(QPointF viewPoint, qreal newFactor) const
{
    const qreal factor = clampedFactor(newFactor);
    if (factor == minimumFactor)
        return m_pan; // the whole screen shows, wherever the pan point is
    // The screen point s under v stays when p + (s - p) * f' = v, so p = (v - s f') / (1 - f').
    const QPointF screenPoint = toScreen(viewPoint);
    return clampedPan((viewPoint - screenPoint * factor) / (1.0 - factor));
}
