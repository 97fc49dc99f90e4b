#pragma once

#include "mypainter.h"
#include "referencerenderer.h"

#include <QImage>
#include <QObject>
#include <QPainter>

#include <cmath>

// Follows a canvas the simplest way: its drawing rendered afresh at every change the
// document announces. A resize keeps the picture until the next change; a change of the
// size by more than a pixel gives a new image with the old one copied in.
class ReferencePicture : public QObject
{
public:
    explicit ReferencePicture(MyPainter &canvas) : m_canvas(canvas)
    {
        connect(&canvas.document(), &DrawingDocument::changed, this,
                [this] { m_image = renderReference(m_canvas.document(), size()); });
        connect(&canvas, &QQuickItem::widthChanged, this, &ReferencePicture::resize);
        connect(&canvas, &QQuickItem::heightChanged, this, &ReferencePicture::resize);
        resize();
    }

    const QImage &image() const { return m_image; }

    // What the item would show: the picture at the top-left corner of the item's area.
    QImage shown() const
    {
        QImage out(size(), QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::transparent);
        if (!m_image.isNull()) {
            QPainter painter(&out);
            painter.drawImage(0, 0, m_image);
        }
        return out;
    }

private:
    QSize size() const { return QSize(int(m_canvas.width()), int(m_canvas.height())); }

    void resize()
    {
        const QSize before = m_size;
        const QSize now = size();
        m_size = now;
        if (std::abs(now.width() - before.width()) <= 1 &&
            std::abs(now.height() - before.height()) <= 1)
            return;
        QImage resized;
        if (!now.isEmpty()) {
            resized = QImage(now, QImage::Format_ARGB32);
            resized.fill(Qt::transparent);
            if (!m_image.isNull()) {
                QPainter painter(&resized);
                painter.drawImage(0, 0, m_image);
            }
        }
        m_image = resized;
    }

    MyPainter &m_canvas;
    QSize m_size;
    QImage m_image;
};
