#include "lasernode.h"

#include "laserrenderer.h"
#include "lasertrail.h"

#include <QPainter>

void LaserNode::showFrame(QQuickWindow *window, QSize size, qreal ratio, const LaserTrail &trail,
                          qint64 ms, const QRect &changed)
{
    QRect area = changed & QRect(QPoint(), size);
    if (size != m_size || ratio != m_ratio) {
        // Fresh tiles start empty.
        update(window, size, ratio, QRect(), [](QPainter *) {});
        m_inkedTiles.clear();
        m_size = size;
        m_ratio = ratio;
        area = QRect(QPoint(), size);
    }
    const auto paint = [&trail, ms](QPainter *painter) {
        LaserRenderer::paint(painter, trail, ms, painter->clipBoundingRect());
    };
    for (int row = area.top() / TileSize; row * TileSize <= area.bottom(); ++row) {
        for (int column = area.left() / TileSize; column * TileSize <= area.right(); ++column) {
            const QRect tile = QRect(column * TileSize, row * TileSize, TileSize, TileSize) &
                               QRect(QPoint(), size);
            const bool meets = trail.meets(tile, ms);
            if (!meets && !m_inkedTiles.contains(QPoint(column, row)))
                continue;
            update(window, size, ratio, tile, paint);
            if (meets)
                m_inkedTiles.insert(QPoint(column, row));
            else
                m_inkedTiles.remove(QPoint(column, row));
        }
    }
}
