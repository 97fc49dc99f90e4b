#pragma once

#include "elements/drawingelement.h"
#include "elements/elementtype.h"

#include <QList>
#include <QPainterPath>

// A pen stroke, drawn as a smoothed curve through its points. A stroke drawn with a pen that
// reports pressure keeps a level per point (0 to FullPressure) and narrows where the pen was
// pressed lightly, down to MinWidthShare of its width; a stroke without (a mouse's) keeps
// none and draws at one width.
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

    static constexpr int FullPressure = 100;
    static constexpr double MinWidthShare = 0.25;
    // A pen's pressure (0 to 1) as a level; anything else counts as full pressure.
    static quint8 pressureLevel(double pressure);

    // pressures holds a level per point, or nothing for full pressure throughout.
    FreehandElement(const QList<QPoint> &points, const QColor &color, int penWidth, double opacity,
                    const QList<quint8> &pressures = {});

    void draw(QPainter *painter) const override;
    bool hitTest(const QPoint &p, int tolerance) const override;
    QRect boundingRect() const override;
    void prepareHitTest() const override;
    // The stroke's points so far, ending at pos.
    void dragTo(const Stroke &stroke, QPoint pos, bool shiftPressed) override;
    void moveBy(QPoint offset) override;
    std::shared_ptr<DrawingElement> clone() const override;
    // A stroke only grows at its end: the new piece lies within its last tail points (and
    // earlier, the points smoothing moved), and its round caps and joins leave the rest of it
    // as it was. So a move costs the same whatever the length of the stroke.
    QRect dragRegion(const Stroke &stroke, const QRect &whole, int tail,
                     const QRect &earlier) const override;
    // At maxPoints() of its width.
    bool isFull(const Stroke &stroke) const override;
    // "points", and "pressures" when it has them.
    void write(QJsonObject &object) const override;
    int fileVersion() const override;
    double ink() const override;
    // Runs of at most maxPoints() (see pieces()) when it is longer.
    QList<std::shared_ptr<DrawingElement>> openedPieces() const override;

    static const ElementType Type;

    const QList<QPoint> &points() const { return m_points; }
    // Empty when every point has full pressure, else one level per point.
    const QList<quint8> &pressures() const { return m_pressures; }
    bool hasPressure() const { return !m_pressures.isEmpty(); }
    // Replaces the stroke and drops the cached outline; pressures as for the constructor.
    void setPoints(const QList<QPoint> &points, const QList<quint8> &pressures = {});
    // The smoothed outline; empty until the element was first drawn.
    const QPainterPath &path() const { return m_path; }

protected:
    void setSize(int size) override;

private:
    void buildPath() const;
    QPainterPath reachablePath(const QRectF &reach) const;
    // The area a stroke with pressure covers, as one path to fill; with reach, only the
    // parts that can show there.
    QPainterPath pressureOutline(const QRectF &reach) const;

    QList<QPoint> m_points;
    QList<quint8> m_pressures;
    QRect m_pointBounds;
    mutable QPainterPath m_path;
    mutable QPainterPath m_outline; // filled in place of stroking m_path when hasPressure()
};
