#pragma once

#include "layercache.h"
#include "viewmapping.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class DrawingDocument;
class QPainter;

// Turns a drawing into the pixels of the item that shows it. The elements that are not
// changing sit in layers; the elements in change (the gesture's, the pulsing and the fading
// one) are drawn directly, and only the region that changed is composed again.
// Regions are in the drawing's coordinates, which a ViewMapping takes to the item's; the
// pixels follow the device pixel ratio of the device painted into, so a 200 % screen gets
// strokes drawn at its own resolution.
class CanvasRenderer
{
public:
    explicit CanvasRenderer(const DrawingDocument &document);

    // Rectangles are in the drawing's coordinates; bounds is the item's area there.
    // The drawing changed in region (empty: nothing to see, but still a change). Returns
    // what the item must repaint, within bounds.
    QRect changed(const QRect &region, const QRect &bounds);
    // The item got another size: the layers are dropped and the whole item is painted
    // again, so a drawing given to a view before its window settled shows in full.
    // Returns what to repaint.
    QRect resized(const QRect &bounds);
    // Paints the item of itemSize that shows the drawing through view; the painter is in
    // item coordinates, clipped to what it needs.
    void paint(QPainter *painter, const ViewMapping &view, QSize itemSize);
    // The same with every element drawn afresh and the layers left alone: for a view that
    // moves all the time (the zoom's magnified drawing), where layers would be painted anew
    // at every frame.
    void paintUncached(QPainter *painter, const ViewMapping &view, QSize itemSize);
    // Between these, the paints of one frame (one per tile) share one look at the drawing,
    // and the layers are brought up to date only until the deadline: a huge drawing fills
    // in over several frames instead of holding up the screen. endFrame() returns what
    // the next frame must repaint (in the drawing's coordinates), empty when all is shown.
    void beginFrame(const QDeadlineTimer &deadline);
    QRect endFrame(const QRect &bounds);

    // Region asked for since the last paint; the whole item after a resize.
    QRect pendingDirtyRect() const { return m_dirty; }
    // Full-size images held right now (the layers).
    int imageCount() const;
    // Bytes of every image held (layers and the composing tile).
    qint64 imageBytes() const;
    // Device pixels per item pixel of the last paint.
    qreal devicePixelRatio() const { return m_ratio; }

    // A run of elements [begin, end) that a layer holds.
    struct Span
    {
        qsizetype begin;
        qsizetype end;
    };

private:
    void compose(QPainter *painter, const ViewMapping &view, QSize itemSize, bool cached);
    // The runs of elements the layers hold, brought up to date (once a frame in a frame).
    const QList<Span> &layerRuns(const QTransform &toDevice, QSize deviceSize);

    const DrawingDocument &m_document;
    LayerCache m_layers;
    QImage m_tile;
    QRect m_dirty;
    qreal m_ratio = 1.0;
    QList<Span> m_runs;
    bool m_inFrame = false;
    bool m_runsCurrent = false;
    QDeadlineTimer m_deadline{QDeadlineTimer::Forever};
    QRect m_late;                 // drawn into the layers after the frame's tiles were chosen
    bool m_showedPicture = false; // an opened drawing's picture, since the layers were full
    qint64 m_pictureKey = 0;      // the last picture shown
};
