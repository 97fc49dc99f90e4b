#include "viewmapping.h"

#include <QRectF>

#include <cmath>

ViewMapping::ViewMapping(QPointF origin, qreal scale)
    : m_origin(origin), m_scale(scale > 0 && std::isfinite(scale) ? scale : 1.0)
{
}

QPoint ViewMapping::toDrawing(QPointF itemPoint) const
{
    return (m_origin + itemPoint * m_scale).toPoint();
}

QRect ViewMapping::toDrawing(const QRect &itemRect) const
{
    if (itemRect.isEmpty())
        return QRect();
    return QRectF(m_origin + QPointF(itemRect.topLeft()) * m_scale,
                  QSizeF(itemRect.size()) * m_scale)
        .toAlignedRect();
}

QRect ViewMapping::toItem(const QRect &drawingRect) const
{
    if (drawingRect.isEmpty())
        return QRect();
    return QRectF((QPointF(drawingRect.topLeft()) - m_origin) / m_scale,
                  QSizeF(drawingRect.size()) / m_scale)
        .toAlignedRect();
}

QTransform ViewMapping::toItemTransform() const
{
    return QTransform(1 / m_scale, 0, 0, 1 / m_scale, -m_origin.x() / m_scale,
                      -m_origin.y() / m_scale);
}

ViewMapping ViewMapping::magnified(qreal factor) const
{
    return ViewMapping(m_origin, factor > 0 ? m_scale / factor : m_scale);
}
