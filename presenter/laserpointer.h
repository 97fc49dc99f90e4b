#pragma once

#include "lasertrail.h"

#include <QElapsedTimer>
#include <QPointF>
#include <QQuickPaintedItem>
#include <QRect>
#include <QTimer>

// The laser pointer over one screen: a bright dot under the pointer and a trail that fades
// within a second. It is a picture only, apart from the drawing: nothing of it enters the
// drawing, its history or a file. Frames run only while the trail fades, and each repaints
// only what changed, in tiles of device pixels.
class LaserPointer : public QQuickPaintedItem
{
    Q_OBJECT
    // The pointer in item coordinates.
    Q_PROPERTY(QPointF position READ position WRITE setPosition NOTIFY positionChanged FINAL)
    // Whether the pointer is over the item: the dot shows only then.
    Q_PROPERTY(bool pointerInside READ pointerInside WRITE setPointerInside NOTIFY
                   pointerInsideChanged FINAL)

public:
    explicit LaserPointer(QQuickItem *parent = nullptr);

    QPointF position() const { return m_position; }
    void setPosition(QPointF position);
    bool pointerInside() const { return m_inside; }
    void setPointerInside(bool inside);

    void paint(QPainter *painter) override;

signals:
    void positionChanged();
    void pointerInsideChanged();

protected:
    void componentComplete() override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;

private:
    void nextFrame();

    LaserTrail m_trail;
    QElapsedTimer m_clock;
    QTimer m_frames;
    QPointF m_position;
    bool m_inside = false;
    // What the next paint must redo, and the time it shows.
    QRect m_dirty;
    qint64 m_frameTime = 0;
};
