#pragma once

#include <QRectF>
#include <QtGlobal>

class LaserTrail;
class QPainter;

// The look of the laser: a bright red dot with a soft glow under the pointer and a trail
// behind it that thins and fades as it ages.
namespace LaserRenderer {

// How far the picture reaches around a point of the trail, in item pixels.
inline constexpr qreal reach = 20.0;

// Paints the trail as it is at ms; only what meets area is drawn (the painter is clipped
// to it anyway, and a long trail has many parts outside).
void paint(QPainter *painter, const LaserTrail &trail, qint64 ms, const QRectF &area);

} // namespace LaserRenderer
