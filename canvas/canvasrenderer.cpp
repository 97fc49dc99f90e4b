#include "canvasrenderer.h"

#include "devicepixels.h"
#include "drawingdocument.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

using Span = CanvasRenderer::Span;

// Composing tile, in device pixels.
constexpr int TileSize = 512;
// Room left of a composing tile at fractional scales, in device pixels (see compose()).
constexpr int GlyphRoom = 128;

// Indices of the elements in change right now, ascending.
QList<qsizetype> liveIndices(const DrawingDocument &document)
{
    const auto &elements = document.elements();
    QList<qsizetype> live;
    const auto mark = [&](const DrawingElement *element) {
        if (!element)
            return;
        for (qsizetype i = elements.size() - 1; i >= 0; --i) {
            if (elements.at(i).get() == element) {
                live.append(i);
                return;
            }
        }
    };
    mark(document.currentElement().get());
    mark(document.breathTarget().get());
    if (!document.fadeOutJobs().isEmpty())
        live.append(0);
    std::sort(live.begin(), live.end());
    live.erase(std::unique(live.begin(), live.end()), live.end());
    return live;
}

// The runs of elements between the live ones that go into layers.
QList<Span> layerSpans(const QList<DrawingDocument::ElementPtr> &elements,
                       const QList<qsizetype> &live)
{
    // Glyph edges blend differently over ink than over transparency, so text above the
    // elements in change is drawn directly too: a layer holds text only when nothing lies
    // below it.
    const auto hasText = [](const DrawingElement &e) { return e.drawsText(); };
    const qsizetype n = elements.size();
    QList<Span> runs;
    qsizetype from = 0;
    qsizetype nextLive = 0;
    for (qsizetype i = 0; i <= n; ++i) {
        const bool isLive = nextLive < live.size() && live.at(nextLive) == i;
        if (isLive)
            ++nextLive;
        const bool separator =
            i == n || isLive || (!runs.isEmpty() || from > 0 ? hasText(*elements.at(i)) : false);
        if (!separator)
            continue;
        if (i > from)
            runs.append(Span{from, i});
        from = i + 1;
    }
    // More runs than layers: the shortest ones are drawn directly as well. The longest are
    // picked in one sort (a drawing of many texts has as many runs), the last of equals.
    if (runs.size() > LayerCache::MaxLayers) {
        QList<qsizetype> order(runs.size());
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&runs](qsizetype a, qsizetype b) {
            const qsizetype la = runs.at(a).end - runs.at(a).begin;
            const qsizetype lb = runs.at(b).end - runs.at(b).begin;
            return la != lb ? la > lb : a > b;
        });
        order.resize(LayerCache::MaxLayers);
        std::sort(order.begin(), order.end());
        QList<Span> kept;
        for (const qsizetype i : std::as_const(order))
            kept.append(runs.at(i));
        runs = kept;
    }
    return runs;
}

} // namespace

CanvasRenderer::CanvasRenderer(const DrawingDocument &document) : m_document(document) {}

QRect CanvasRenderer::changed(const QRect &region, const QRect &bounds)
{
    const QRect clipped = region & bounds;
    if (!clipped.isEmpty())
        m_dirty |= clipped;
    return clipped;
}

QRect CanvasRenderer::resized(const QRect &bounds)
{
    m_layers.release();
    return changed(bounds, bounds);
}

int CanvasRenderer::imageCount() const
{
    return m_layers.imageCount();
}

qint64 CanvasRenderer::imageBytes() const
{
    return m_layers.imageBytes() + m_tile.sizeInBytes();
}

void CanvasRenderer::beginFrame(const QDeadlineTimer &deadline)
{
    m_inFrame = true;
    m_runsCurrent = false;
    m_deadline = deadline;
}

QRect CanvasRenderer::endFrame(const QRect &bounds)
{
    m_inFrame = false;
    m_runsCurrent = false;
    m_deadline = QDeadlineTimer(QDeadlineTimer::Forever);
    QRect next = m_late;
    m_late = QRect();
    // Layers still filling in need another frame even when this one drew nothing in view.
    if (!m_layers.isComplete() && next.isEmpty())
        next = QRect(bounds.topLeft(), QSize(1, 1));
    // Once the layers hold what an opened drawing's picture showed, all of the view comes
    // from them.
    if (m_showedPicture && m_layers.isComplete()) {
        m_showedPicture = false;
        next = bounds;
    }
    return next & bounds;
}

const QList<Span> &CanvasRenderer::layerRuns(const QTransform &toDevice, QSize deviceSize)
{
    if (m_inFrame && m_runsCurrent)
        return m_runs;
    const auto &elements = m_document.elements();
    // Elements in change right now are drawn directly; the runs between them come from
    // the layers.
    m_runs = layerSpans(elements, liveIndices(m_document));
    QList<LayerCache::Run> layerRuns;
    for (const Span &span : std::as_const(m_runs)) {
        LayerCache::Run run;
        run.reserve(span.end - span.begin);
        for (qsizetype i = span.begin; i < span.end; ++i)
            run.append(elements.at(i).get());
        layerRuns.append(run);
    }
    QDeadlineTimer deadline = m_inFrame ? m_deadline : QDeadlineTimer(QDeadlineTimer::Forever);
    // The first frame with an opened drawing's picture shows it at once; the layers fill in
    // behind it from the next frame on.
    qsizetype pictured = 0;
    const DrawingPicture *picture = m_inFrame ? m_document.openedPicture(&pictured) : nullptr;
    if (picture && picture->image.cacheKey() != m_pictureKey) {
        m_pictureKey = picture->image.cacheKey();
        deadline = QDeadlineTimer(0);
    }
    const QRect drawn = m_layers.update(layerRuns, toDevice, deviceSize, deadline);
    if (m_inFrame) {
        // This frame's tiles were chosen before; what came into the layers shows next frame.
        m_late |= drawn;
        m_runsCurrent = true;
    }
    return m_runs;
}

void CanvasRenderer::paint(QPainter *painter, const ViewMapping &view, QSize itemSize)
{
    compose(painter, view, itemSize, true);
}

void CanvasRenderer::paintUncached(QPainter *painter, const ViewMapping &view, QSize itemSize)
{
    compose(painter, view, itemSize, false);
}

void CanvasRenderer::compose(QPainter *painter, const ViewMapping &view, QSize itemSize,
                             bool cached)
{
    m_dirty = QRect();
    // The window decides the resolution; when it moves to a screen of another scale the
    // layers are painted afresh at the new one.
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    if (!qFuzzyCompare(ratio, m_ratio)) {
        m_ratio = ratio;
        m_layers.release();
        m_runsCurrent = false;
    }
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const auto &elements = m_document.elements();
    const QRect itemArea(QPoint(0, 0), itemSize);
    if (itemArea.isEmpty() || elements.isEmpty())
        return;

    // The drawing in the view's device pixels, moved by whole ones (a screen's position
    // is a whole device pixel), so that layers, tiles and the device meet pixel on pixel.
    const qreal unit = ratio / view.scale();
    const QTransform toDevice(unit, 0, 0, unit, std::round(-view.origin().x() * unit),
                              std::round(-view.origin().y() * unit));
    const QTransform fromDevice = toDevice.inverted();
    const QSize deviceSize = DevicePixels::fromItem(itemSize, ratio);

    // Elements in change right now are drawn directly; the runs between them come from
    // the layers.
    static const QList<Span> none;
    const QList<Span> &runs = cached ? layerRuns(toDevice, deviceSize) : none;
    // While the layers fill in after a drawing was opened, the file's picture shows the
    // elements it holds at once, and only the elements added since are drawn.
    // A view of a screen the picture leaves out builds its layers as without one.
    qsizetype pictured = 0;
    QRect picturedBounds;
    const DrawingPicture *picture = cached && !m_layers.isComplete()
                                        ? m_document.openedPicture(&pictured, &picturedBounds)
                                        : nullptr;
    const QRect viewArea = fromDevice.mapRect(QRectF(QPointF(0, 0), deviceSize)).toAlignedRect();
    if (picture && !picture->area.contains(viewArea & picturedBounds))
        picture = nullptr;
    m_showedPicture = m_showedPicture || picture;

    const QRect clip =
        painter->hasClipping() ? painter->clipBoundingRect().toAlignedRect() & itemArea : itemArea;
    if (clip.isEmpty())
        return;
    // The region is composed tile by tile in a small premultiplied image, in the order and the
    // pixel format of a full render, and then shown. Tiles are cut in device pixels, so that
    // every copy is one to one.
    const QRect deviceClip = DevicePixels::fromItem(clip, ratio) & QRect(QPoint(0, 0), deviceSize);
    // At fractional scales glyphs sit at fractions of a pixel, and Qt's raster engine draws
    // a glyph that the image's left edge cuts through a pixel off: there each tile gets room
    // on its left (within the view, whose edge a full render has too), wide enough for any
    // glyph, since glyphs larger than about 64 device pixels are filled as paths, which are
    // cut exactly. At whole scales glyphs sit on whole pixels.
    const int room = std::abs(unit - std::round(unit)) > 1e-9 ? GlyphRoom : 0;
    // With layers the region is composed in tiles of a small image kept for it. Without
    // (the magnified drawing, where every element is drawn) in one piece, so that an element
    // is drawn once and not once per tile, into an image made for it.
    const QSize piece = cached ? QSize(TileSize, TileSize) : deviceClip.size();
    QImage own;
    if (!cached)
        own = QImage(room + piece.width(), piece.height(), QImage::Format_ARGB32_Premultiplied);
    else if (m_tile.isNull())
        m_tile = QImage(GlyphRoom + TileSize, TileSize, QImage::Format_ARGB32_Premultiplied);
    QImage &pieceImage = cached ? m_tile : own;
    if (pieceImage.isNull())
        return;
    const qsizetype n = elements.size();
    for (int y = deviceClip.top(); y <= deviceClip.bottom(); y += piece.height()) {
        for (int x = deviceClip.left(); x <= deviceClip.right(); x += piece.width()) {
            const QRect tile = QRect(QPoint(x, y), piece) & deviceClip;
            const QRect touched = fromDevice.mapRect(QRectF(tile)).toAlignedRect();
            // A view of the tile's size and the room on its left: its other edges are device
            // edges, as the canvas edges are for a full render.
            const int left = tile.x() - std::min(room, tile.x());
            QImage view(pieceImage.bits(), tile.right() + 1 - left, tile.height(),
                        pieceImage.bytesPerLine(), pieceImage.format());
            const QRect inView = tile.translated(-left, -tile.y());
            view.fill(Qt::transparent);
            QPainter composer(&view);
            composer.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            if (left != tile.x())
                composer.setClipRect(inView);
            // Scaled as the device pixel ratio scales a full render, moved by whole device
            // pixels, so that glyphs and edges fall on the same pixels as there.
            const QTransform toTile = toDevice * QTransform::fromTranslate(-left, -tile.y());
            composer.setWorldTransform(toTile);
            const auto drawDirectly = [&](qsizetype i) {
                const DrawingElement &element = *elements.at(i);
                if (element.boundingRect().intersects(touched)) {
                    composer.setBrush(QBrush(Qt::transparent));
                    element.draw(&composer);
                }
            };
            if (picture) {
                composer.drawImage(QRectF(picture->area), picture->image);
                for (qsizetype i = pictured; i < n; ++i)
                    drawDirectly(i);
            }
            qsizetype runIndex = 0;
            for (qsizetype i = picture ? n : 0; i < n;) {
                if (runIndex < runs.size() && runs.at(runIndex).begin == i) {
                    const QImage &layer = m_layers.image(int(runIndex));
                    if (!layer.isNull()) {
                        composer.resetTransform();
                        composer.drawImage(inView.topLeft(), layer, tile);
                        composer.setWorldTransform(toTile);
                    }
                    i = runs.at(runIndex).end;
                    ++runIndex;
                    continue;
                }
                drawDirectly(i);
                ++i;
            }
            composer.end();
            view.setDevicePixelRatio(ratio);
            DevicePixels::copy(painter, QPointF(tile.topLeft()) / ratio, view, inView);
        }
    }
}
