#include "laserpointer.h"

#include "lasernode.h"
#include "laserrenderer.h"

#include <QPainter>
#include <QQuickWindow>

LaserPointer::LaserPointer(QQuickItem *parent)
    : QQuickPaintedItem(parent), m_trail(LaserRenderer::reach)
{
    m_clock.start();
    m_frames.setInterval(16);
    m_frames.setTimerType(Qt::PreciseTimer);
    connect(&m_frames, &QTimer::timeout, this, &LaserPointer::nextFrame);
}

void LaserPointer::setPosition(QPointF position)
{
    if (position == m_position)
        return;
    m_position = position;
    if (m_inside && isComponentComplete()) {
        m_trail.add(position, m_clock.elapsed());
        nextFrame();
    }
    emit positionChanged();
}

void LaserPointer::setPointerInside(bool inside)
{
    if (inside == m_inside)
        return;
    m_inside = inside;
    // A pointer coming in shows at its next move: the position known now is where it
    // left, which may be far from where it comes back.
    if (!inside && isComponentComplete()) {
        m_trail.release(m_clock.elapsed());
        nextFrame();
    }
    emit pointerInsideChanged();
}

void LaserPointer::componentComplete()
{
    QQuickPaintedItem::componentComplete();
    // Started under a resting pointer: the dot shows at once.
    if (m_inside) {
        m_trail.add(m_position, m_clock.elapsed());
        nextFrame();
    }
}

void LaserPointer::nextFrame()
{
    m_frameTime = m_clock.elapsed();
    m_dirty |= m_trail.nextFrame(m_frameTime).toAlignedRect();
    if (!m_dirty.isEmpty())
        QQuickItem::update();
    if (!m_trail.isFading(m_frameTime))
        m_frames.stop();
    else if (!m_frames.isActive())
        m_frames.start();
}

void LaserPointer::paint(QPainter *painter)
{
    const QRectF area = painter->hasClipping() ? painter->clipBoundingRect() : boundingRect();
    LaserRenderer::paint(painter, m_trail, m_frameTime, area);
}

QSGNode *LaserPointer::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<LaserNode *>(oldNode);
    if (!node)
        node = new LaserNode; // owned by the scene graph from here on
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    node->showFrame(window(), QSize(int(width()), int(height())), ratio, m_trail, m_frameTime,
                    m_dirty);
    m_dirty = QRect();
    return node;
}
