#include "devicepixels.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace DevicePixels {

QRect fromItem(const QRect &rect, qreal ratio)
{
    if (rect.isEmpty())
        return QRect();
    return QRectF(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio, rect.height() * ratio)
        .toAlignedRect();
}

QSize fromItem(QSize size, qreal ratio)
{
    return fromItem(QRect(QPoint(0, 0), size), ratio).size();
}

QRectF toItem(const QRect &deviceRect, qreal ratio)
{
    return QRectF(deviceRect.x() / ratio, deviceRect.y() / ratio, deviceRect.width() / ratio,
                  deviceRect.height() / ratio);
}

void clearAndClip(QPainter *painter, const QRect &rect)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    const QTransform world = painter->worldTransform();
    const QRectF mapped = world.mapRect(QRectF(rect));
    const QRect device = QRectF(mapped.topLeft() * ratio, mapped.size() * ratio).toAlignedRect();
    const QPainter::CompositionMode mode = painter->compositionMode();
    painter->setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    painter->setClipRect(device);
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->fillRect(device, Qt::transparent);
    painter->setCompositionMode(mode);
    painter->setWorldTransform(world);
}

QImage plain(const QImage &image)
{
    return QImage(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                  image.format());
}

void copy(QPainter *painter, QPointF at, const QImage &image, const QRect &source)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    if (!qFuzzyCompare(ratio, image.devicePixelRatio())) {
        // Another resolution (a picture kept from before the window changed screens):
        // scaled, until the next change paints it afresh.
        const qreal own = image.devicePixelRatio();
        painter->drawImage(QRectF(at, QSizeF(source.size()) / own), image, source);
        return;
    }
    // The same pixels seen at ratio 1, drawn with the painter's scaling undone, so that the
    // whole transformation is a translation and the raster engine copies them.
    painter->save();
    painter->translate(at);
    painter->scale(1 / ratio, 1 / ratio);
    painter->drawImage(QPointF(0, 0), plain(image), source);
    painter->restore();
}

bool hasInk(const QImage &image, QRect rect)
{
    rect = rect.isNull() ? image.rect() : rect & image.rect();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y)) + rect.left();
        if (std::any_of(line, line + rect.width(), [](QRgb p) { return qAlpha(p) != 0; }))
            return true;
    }
    return false;
}

} // namespace DevicePixels
