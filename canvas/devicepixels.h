#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>

class QImage;
class QPainter;

// Item pixels against device pixels: at a device pixel ratio of 2 an item pixel is two by
// two device pixels, at 1.5 the edges of item pixels fall inside device pixels.
namespace DevicePixels {

// The device pixels that the item rectangle touches.
QRect fromItem(const QRect &rect, qreal ratio);
// The size in device pixels of an item of the given size.
QSize fromItem(QSize size, qreal ratio);
// The item rectangle that covers exactly the given device pixels.
QRectF toItem(const QRect &deviceRect, qreal ratio);

// Clears the device pixels that the item rectangle touches (in the painter's coordinates)
// and clips the painter to them. Set in device pixels: a clip computed through the scaling
// can land a hair off a pixel edge and shade the pixels along it.
void clearAndClip(QPainter *painter, const QRect &rect);

// The same pixels as image without a device pixel ratio (not a copy: image must outlive it).
QImage plain(const QImage &image);

// Copies the pixels of source (device pixels of image) one to one to the device pixels
// under item point at. Letting the painter scale an image by the ratio and back would
// filter it and soften every edge.
void copy(QPainter *painter, QPointF at, const QImage &image, const QRect &source);

// Whether any pixel of the image within rect (all of it when rect is null) is not
// transparent.
bool hasInk(const QImage &image, QRect rect = QRect());

} // namespace DevicePixels
