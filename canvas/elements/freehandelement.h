#pragma once

#include "elements/drawingelement.h"

#include <QList>
#include <QPainterPath>

// A pen stroke, drawn as a smoothed curve through its points.
class FreehandElement : public DrawingElement
{
public:
    // What drawing a stroke costs grows with its points times its width, and faster than
    // its points alone: a stroke holds at most MaxStrokePoints points and at most
    // MaxInk / (width + 10) (2,500 up to width 30, 1,428 at width 60, 909 at width 100); a
    // longer gesture, or a longer stroke from a file, goes on as the next stroke. One stroke
    // then never holds up the screen for long.
    static constexpr int MaxStrokePoints = 2500;
    static constexpr int MaxInk = 100000;
    static int maxPoints(int penWidth);
    // points cut into runs of at most maxPoints(penWidth), each starting where the one before
    // ended.
    static QList<QList<QPoint>> pieces(const QList<QPoint> &points, int penWidth);

    FreehandElement(const QList<QPoint> &points, const QColor &color, int penWidth, double opacity);

    void draw(QPainter *painter) const override;
    bool hitTest(const QPoint &p, int tolerance) const override;
    QRect boundingRect() const override;
    void prepareHitTest() const override;
    // The stroke's points so far, ending at pos.
    void dragTo(const Stroke &stroke, QPoint pos, bool shiftPressed) override;

    const QList<QPoint> &points() const { return m_points; }
    // Replaces the stroke and drops the cached outline.
    void setPoints(const QList<QPoint> &points);
    // The smoothed outline; empty until the element was first drawn.
    const QPainterPath &path() const { return m_path; }

private:
    void buildPath() const;
    QPainterPath reachablePath(const QRectF &reach) const;

    QList<QPoint> m_points;
    QRect m_pointBounds;
    mutable QPainterPath m_path;
};
