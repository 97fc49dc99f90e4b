#pragma once

#include "tiledcanvasnode.h"

#include <QPoint>
#include <QSet>
#include <QSize>

class LaserTrail;

// The laser's picture in the scene graph: tiles of device pixels, of which a frame repaints
// only those along the trail, now or at the previous frame. The changed bounds of a
// sweeping pointer are mostly empty.
class LaserNode : public TiledCanvasNode
{
public:
    // Shows the trail as it is at ms; changed is what differs from the previous frame. A
    // new size or scale repaints everything. Without a window the tiles make no textures.
    void showFrame(QQuickWindow *window, QSize size, qreal ratio, const LaserTrail &trail,
                   qint64 ms, const QRect &changed);

private:
    QSet<QPoint> m_inkedTiles;
    QSize m_size;
    qreal m_ratio = 0.0;
};
