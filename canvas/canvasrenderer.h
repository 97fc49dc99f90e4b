#pragma once

#include "layercache.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

class DrawingDocument;
class QPainter;

// Turns a drawing into the pixels of the item that shows it. The elements that are not
// changing sit in layers; the elements in change (the gesture's, the pulsing and the fading
// one) are drawn directly, and only the region that changed is composed again.
// Regions are in item (logical) coordinates; the pixels follow the device pixel ratio of
// the device painted into, so a 200 % screen gets strokes drawn at its own resolution.
class CanvasRenderer
{
public:
    // origin: where the item's top-left lies in the drawing (a screen's desktop position).
    explicit CanvasRenderer(const DrawingDocument &document, QPoint origin = QPoint());

    // Rectangles are in the drawing's coordinates; bounds is the item's area there.
    // The drawing changed in region (empty: nothing to see, but still a change). Returns
    // what the item must repaint, within bounds.
    QRect changed(const QRect &region, const QRect &bounds);
    // The item got another size: the picture keeps what it showed, cut or widened, until
    // the next change. Returns what to repaint.
    QRect resized(QSize newSize, QSize oldSize);
    void paint(QPainter *painter, const QRect &bounds);

    // Region asked for since the last paint; the whole item after a resize.
    QRect pendingDirtyRect() const { return m_dirty; }
    // Full-size images held right now (layers and a kept picture).
    int imageCount() const;
    // Bytes of every image held (layers, kept picture, composing tile).
    qint64 imageBytes() const;
    // Device pixels per item pixel of the last paint.
    qreal devicePixelRatio() const { return m_ratio; }

private:
    QRect request(const QRect &region, const QRect &bounds);
    void compose(QPainter *painter, const QRect &area);

    const DrawingDocument &m_document;
    QPoint m_origin;
    LayerCache m_layers;
    // After a resize the picture stays as it was until the next change.
    bool m_frozen = false;
    QImage m_keptPicture;
    QImage m_tile;
    QRect m_dirty;
    qreal m_ratio = 1.0;
};
