#pragma once

#include "devicepixels.h"
#include "mypainter.h"
#include "referencerenderer.h"

#include <QImage>
#include <QObject>
#include <QPainter>

// Follows a canvas the simplest way: its drawing rendered afresh at every change the
// document announces, and at every resize; leaving the arrow mode renders afresh too. At a
// device pixel ratio above 1 the pictures have the device pixels of a view at that ratio.
class ReferencePicture : public QObject
{
public:
    explicit ReferencePicture(MyPainter &canvas, qreal ratio = 1.0)
        : m_canvas(canvas), m_ratio(ratio)
    {
        connect(&canvas.document(), &DrawingDocument::changed, this,
                [this] { m_image = renderReference(m_canvas.document(), size(), m_ratio); });
        // Leaving the arrow mode redraws the drawing as well (not the eraser's switch to
        // freehand).
        connect(&canvas, &MyPainter::drawModeChanged, this, [this] {
            if (m_mode == MyPainter::ArrowMode && !m_canvas.isEraserMode())
                m_image = renderReference(m_canvas.document(), size(), m_ratio);
            m_mode = m_canvas.drawMode();
        });
        connect(&canvas, &QQuickItem::widthChanged, this, &ReferencePicture::resize);
        connect(&canvas, &QQuickItem::heightChanged, this, &ReferencePicture::resize);
        resize();
    }

    const QImage &image() const { return m_image; }

    // What the item would show: the picture at the top-left corner of the item's area.
    QImage shown() const
    {
        QImage out(DevicePixels::fromItem(size(), m_ratio), QImage::Format_ARGB32_Premultiplied);
        out.setDevicePixelRatio(m_ratio);
        out.fill(Qt::transparent);
        if (!m_image.isNull()) {
            QPainter painter(&out);
            DevicePixels::copy(&painter, QPointF(0, 0), m_image, m_image.rect());
        }
        return out;
    }

private:
    QSize size() const { return QSize(int(m_canvas.width()), int(m_canvas.height())); }

    void resize()
    {
        const QSize now = size();
        if (now == m_size)
            return;
        m_size = now;
        m_image = now.isEmpty() ? QImage() : renderReference(m_canvas.document(), now, m_ratio);
    }

    MyPainter &m_canvas;
    qreal m_ratio;
    int m_mode = m_canvas.drawMode();
    QSize m_size;
    QImage m_image;
};
