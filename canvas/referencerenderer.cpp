#include "referencerenderer.h"

#include "devicepixels.h"
#include "drawingdocument.h"

#include <QPainter>

QImage renderReference(const DrawingDocument &document, QSize size, qreal ratio)
{
    if (size.isEmpty())
        return QImage();
    // Painted premultiplied, the format the raster engine blends into fastest (as the
    // canvas's layers are), and handed out as plain ARGB32.
    QImage image(DevicePixels::fromItem(size, ratio), QImage::Format_ARGB32_Premultiplied);
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
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
