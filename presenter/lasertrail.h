#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QtGlobal>

// Where the laser pointer has been and how bright each place still is. A place fades from
// the moment the pointer leaves it, so the newest place (the dot under the pointer) stays
// fully bright while the pointer rests, and a place the pointer left a lifetime ago is gone.
// Times are milliseconds of one monotonic clock.
class LaserTrail
{
public:
    struct Point
    {
        QPointF position;
        // 1 under the pointer, falling to 0 over the lifetime after the pointer left.
        qreal opacity;
        // Whether the pointer moved here from the previous point (else it came back
        // from elsewhere and nothing joins the two).
        bool joined;
    };

    static constexpr qint64 defaultLifetimeMs = 1000;

    // margin: how far around a point its picture reaches, for the bounds.
    explicit LaserTrail(qreal margin = 0, qint64 lifetimeMs = defaultLifetimeMs);

    qint64 lifetime() const { return m_lifetime; }
    bool isEmpty() const { return m_samples.isEmpty(); }

    // The pointer is at position now.
    void add(QPointF position, qint64 ms);
    // The pointer went away: its last place starts fading too.
    void release(qint64 ms);
    void clear();

    // The points still visible at ms, oldest first.
    QList<Point> points(qint64 ms) const;
    // Whether the picture still changes after ms while the pointer rests.
    bool isFading(qint64 ms) const;
    // What the points visible at ms cover, margin included.
    QRectF bounds(qint64 ms) const;
    // Whether the picture at ms reaches into area: a visible point or the way between two.
    bool meets(const QRectF &area, qint64 ms) const;
    // Moves on to the frame at ms: drops the points faded by then and returns what a frame
    // must repaint, the area shown by the previous frame and the area shown now.
    QRectF nextFrame(qint64 ms);

private:
    struct Sample
    {
        QPointF position;
        // When the pointer left; -1 while it is here.
        qint64 leftAt;
        bool joined;
    };

    qreal opacity(const Sample &sample, qint64 ms) const;

    QList<Sample> m_samples;
    qreal m_margin;
    qint64 m_lifetime;
    QRectF m_shown;
};
