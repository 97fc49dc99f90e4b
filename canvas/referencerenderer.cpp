#include "referencerenderer.h"

#include "devicepixels.h"
#include "drawingdocument.h"

#include <QPainter>

QImage renderReference(const DrawingDocument &document, QSize size, qreal ratio)
{
    if (size.isEmpty())
        return QImage();
    QImage image(DevicePixels::fromItem(size, ratio), QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    for (const DrawingDocument::ElementPtr &element : document.elements()) {
        // No element inherits the fill of the one before.
        painter.setBrush(QBrush(Qt::transparent));
        element->draw(&painter);
    }
    return image;
}
