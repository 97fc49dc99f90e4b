#pragma once

#include <QList>
#include <QPoint>

// Takes the jitter out of a freehand stroke while it is drawn, without a lag at its tip: the
// newest point is always the pointer's own, and each point behind it becomes a weighted mean
// of the pointer positions around it (weights 1 2 1, then 1 4 6 4 1 once it lies Reach points
// back, where it stays). A mean centred on the point, unlike a running average, does not
// pull the stroke inside its curves. The first point stays where the stroke began.
class StrokeSmoother
{
public:
    static constexpr int Reach = 2;

    // Starts again with a stroke that begins at start.
    void begin(QPoint start);
    // Appends the pointer position raw to points (the stroke so far, whose points all came
    // through this smoother since begin()) and settles the points behind it. Returns the
    // index of the first point that changed or was added.
    qsizetype append(QList<QPoint> &points, QPoint raw);

private:
    QList<QPoint> m_raw; // the last 2 * Reach + 1 pointer positions, newest last
};
