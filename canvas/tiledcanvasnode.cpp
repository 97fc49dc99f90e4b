#include "tiledcanvasnode.h"

#include "devicepixels.h"

#include <QElapsedTimer>
#include <QMatrix4x4>
#include <QPainter>
#include <QQuickWindow>
#include <QRegion>
#include <QSGImageNode>
#include <QSGTexture>
#include <QSemaphore>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <cstring>

namespace {

// An update that has painted rough tiles sharp this long leaves the rest for later.
constexpr qint64 SharpBudgetMs = 8;

} // namespace

TiledCanvasNode::TiledCanvasNode() = default;

TiledCanvasNode::TiledCanvasNode(bool opaque, int tileSize)
    : m_opaque(opaque), m_tileSize(std::max(tileSize, 1))
{
}

TiledCanvasNode::~TiledCanvasNode()
{
    // The child nodes go with this node; their textures are ours.
    for (Tile &tile : m_tiles)
        dropNode(tile);
}

void TiledCanvasNode::setTileSize(int size)
{
    size = std::max(size, 1);
    if (size == m_tileSize)
        return;
    m_tileSize = size;
    m_size = QSize(); // the next update lays the tiles out again
}

void TiledCanvasNode::setOpaque(bool opaque)
{
    if (opaque == m_opaque)
        return;
    m_opaque = opaque;
    m_size = QSize();
}

int TiledCanvasNode::inkedTiles() const
{
    return int(std::count_if(m_tiles.cbegin(), m_tiles.cend(),
                             [](const Tile &tile) { return tile.node != nullptr; }));
}

qint64 TiledCanvasNode::imageBytes() const
{
    qint64 bytes = 0;
    for (const Tile &tile : m_tiles)
        bytes += tile.image.sizeInBytes();
    return bytes;
}

void TiledCanvasNode::update(QQuickWindow *window, QSize size, qreal ratio, const QRect &dirty,
                             const Painter &paint)
{
    update(window, size, QPointF(0, 0), size, ratio, dirty, paint, {});
}

bool TiledCanvasNode::update(QQuickWindow *window, QSize contentSize, QPointF offset,
                             QSize viewSize, qreal ratio, const QRect &dirty, const Painter &paint,
                             const Painter &roughPaint)
{
    QElapsedTimer spent;
    spent.start();
    m_repainted = 0;
    if (contentSize != m_size || ratio != m_ratio) {
        for (Tile &tile : m_tiles)
            dropNode(tile);
        m_tiles.clear();
        m_size = contentSize;
        m_ratio = ratio;
        const QRect content(QPoint(), contentSize);
        for (int y = 0; y < contentSize.height(); y += m_tileSize)
            for (int x = 0; x < contentSize.width(); x += m_tileSize)
                m_tiles.push_back(
                    Tile{QRect(x, y, m_tileSize, m_tileSize) & content, {}, {}, nullptr, false});
    }
    if (offset != m_offset) {
        m_offset = offset;
        QMatrix4x4 shift;
        shift.translate(float(-offset.x()), float(-offset.y()));
        setMatrix(shift);
    }
    const QRectF seen(offset, QSizeF(viewSize));
    // Tiles a quarter of the view around what is seen are kept, so that a pan that turns
    // back finds them painted.
    const QRectF kept = seen.adjusted(-viewSize.width() / 4.0, -viewSize.height() / 4.0,
                                      viewSize.width() / 4.0, viewSize.height() / 4.0);
    Jobs fresh, sharp, rough;
    for (Tile &tile : m_tiles) {
        if (!kept.intersects(tile.rect)) {
            if (tile.painted) {
                dropNode(tile);
                tile.image = QImage();
                tile.painted = false;
            }
            continue;
        }
        if (!tile.painted) {
            if (seen.intersects(tile.rect))
                fresh.emplace_back(&tile, tile.rect);
            continue;
        }
        const QRect part = tile.rect & dirty;
        if (!part.isEmpty())
            (tile.rough ? rough : sharp).emplace_back(&tile, part);
    }
    m_repainted = int(fresh.size() + sharp.size() + rough.size());
    repaint(window, sharp, paint);
    if (roughPaint)
        paintEach(window, rough, roughPaint, true);
    else
        repaint(window, rough, paint);
    for (auto &[tile, area] : fresh) {
        tile->painted = true;
        tile->rough = bool(roughPaint);
    }
    if (!roughPaint) {
        repaint(window, fresh, paint);
        return false;
    }
    // What comes into view comes in rough, which is quick, so that a pan keeps its pace.
    // Once the view holds still its rough tiles are painted sharp, nearest the middle
    // first, for a short while at each update.
    paintEach(window, fresh, roughPaint, true);
    if (fresh.empty()) {
        const QPointF middle = seen.center();
        const auto distance = [&middle](const Tile *tile) {
            const QPointF d = QRectF(tile->rect).center() - middle;
            return d.x() * d.x() + d.y() * d.y();
        };
        std::vector<Tile *> waiting;
        for (Tile &tile : m_tiles)
            if (tile.painted && tile.rough && seen.intersects(tile.rect))
                waiting.push_back(&tile);
        std::sort(waiting.begin(), waiting.end(),
                  [&](const Tile *a, const Tile *b) { return distance(a) < distance(b); });
        for (Tile *tile : waiting) {
            if (spent.elapsed() >= SharpBudgetMs)
                break;
            tile->rough = false;
            repaint(window, Jobs{{tile, tile->rect}}, paint);
        }
    }
    return std::any_of(m_tiles.cbegin(), m_tiles.cend(), [&seen](const Tile &tile) {
        return tile.painted && tile.rough && seen.intersects(tile.rect);
    });
}

// Each rectangle of what is to be painted is painted once, into an image of its own, and
// copied into the tiles it meets: an element that crosses many tiles is drawn once, not
// once per tile.
void TiledCanvasNode::repaint(QQuickWindow *window, const Jobs &jobs, const Painter &paint)
{
    const qreal ratio = m_ratio;
    if (m_opaque) {
        paintEach(window, jobs, paint);
        return;
    }
    const QImage::Format format = QImage::Format_ARGB32_Premultiplied;
    QRegion region;
    for (const auto &[tile, area] : jobs)
        region += area;
    for (const QRect &rect : region) {
        const QRect device = DevicePixels::fromItem(rect, ratio);
        QImage scratch(device.size(), format);
        if (scratch.isNull())
            continue;
        scratch.setDevicePixelRatio(ratio);
        scratch.fill(Qt::transparent);
        {
            QPainter painter(&scratch);
            painter.translate(-QPointF(device.topLeft()) / ratio);
            DevicePixels::clearAndClip(&painter, rect);
            paint(&painter);
        }
        for (const auto &[tile, area] : jobs) {
            const QRect part = area & rect;
            if (part.isEmpty())
                continue;
            const QRect tileDevice = DevicePixels::fromItem(tile->rect, ratio);
            const QRect pixels = DevicePixels::fromItem(part, ratio) & tileDevice & device;
            // A tile without an image was empty, so outside the area it still is; one at
            // another resolution is painted whole.
            if (tile->image.isNull() || tile->image.devicePixelRatio() != ratio) {
                if (!DevicePixels::hasInk(scratch, pixels.translated(-device.topLeft()))) {
                    tile->image = QImage();
                    continue;
                }
                tile->image = QImage(tileDevice.size(), format);
                tile->image.setDevicePixelRatio(ratio);
                tile->image.fill(Qt::transparent);
            }
            const int bytes = pixels.width() * 4;
            for (int y = pixels.top(); y <= pixels.bottom(); ++y)
                std::memcpy(tile->image.scanLine(y - tileDevice.top()) +
                                (pixels.left() - tileDevice.left()) * 4,
                            scratch.constScanLine(y - device.top()) +
                                (pixels.left() - device.left()) * 4,
                            size_t(bytes));
        }
    }
    for (const auto &[tile, area] : jobs)
        show(window, *tile);
}

void TiledCanvasNode::paintEach(QQuickWindow *window, const Jobs &jobs, const Painter &paint,
                                bool parallel)
{
    QThreadPool *pool = QThreadPool::globalInstance();
    const int helpers = parallel ? std::min(pool->maxThreadCount(), int(jobs.size())) - 1 : 0;
    if (helpers <= 0) {
        for (const auto &[tile, area] : jobs)
            paintTile(*tile, area, paint);
    } else {
        // Each thread takes the next tile to paint until none is left.
        std::atomic<size_t> next{0};
        const auto work = [&] {
            for (size_t i = next++; i < jobs.size(); i = next++)
                paintTile(*jobs[i].first, jobs[i].second, paint);
        };
        QSemaphore finished;
        int started = 0;
        for (int i = 0; i < helpers; ++i)
            if (pool->tryStart([&] {
                    work();
                    finished.release();
                }))
                ++started;
        work();
        finished.acquire(started);
    }
    for (const auto &[tile, area] : jobs)
        show(window, *tile);
}

void TiledCanvasNode::paintTile(Tile &tile, const QRect &area, const Painter &paint)
{
    const QImage::Format format =
        m_opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    const QRect tileDevice = DevicePixels::fromItem(tile.rect, m_ratio);
    const bool whole = area == tile.rect;
    if (tile.image.size() != tileDevice.size() || tile.image.devicePixelRatio() != m_ratio) {
        tile.image = QImage(tileDevice.size(), format);
        tile.image.setDevicePixelRatio(m_ratio);
    }
    if (tile.image.isNull())
        return;
    if (whole && !m_opaque)
        tile.image.fill(Qt::transparent);
    QPainter painter(&tile.image);
    painter.translate(-QPointF(tileDevice.topLeft()) / m_ratio);
    if (whole || m_opaque)
        painter.setClipRect(area);
    else
        DevicePixels::clearAndClip(&painter, area);
    paint(&painter);
}

void TiledCanvasNode::show(QQuickWindow *window, Tile &tile)
{
    if (tile.image.isNull() || (!m_opaque && !DevicePixels::hasInk(tile.image))) {
        dropNode(tile);
        tile.image = QImage();
        return;
    }
    if (!window)
        return;
    std::unique_ptr<QSGTexture> texture(window->createTextureFromImage(tile.image));
    // The software renderer reads the texture as soon as the node joins the tree.
    const bool added = !tile.node;
    if (added) {
        tile.node = window->createImageNode();
        tile.node->setRect(tile.rect);
    }
    // Tiles show their pixels one to one.
    tile.node->setFiltering(QSGTexture::Nearest);
    tile.node->setTexture(texture.get());
    tile.texture = std::move(texture);
    if (added)
        appendChildNode(tile.node);
}

void TiledCanvasNode::dropNode(Tile &tile)
{
    if (tile.node) {
        removeChildNode(tile.node);
        delete tile.node;
        tile.node = nullptr;
    }
    tile.texture.reset();
}
