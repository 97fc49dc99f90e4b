#include "tiledcanvasnode.h"

#include "devicepixels.h"

#include <QMatrix4x4>
#include <QPainter>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGTexture>

#include <algorithm>

namespace {

bool hasInk(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        if (std::any_of(line, line + image.width(), [](QRgb p) { return qAlpha(p) != 0; }))
            return true;
    }
    return false;
}

} // namespace

TiledCanvasNode::TiledCanvasNode() = default;

TiledCanvasNode::~TiledCanvasNode()
{
    // The child nodes go with this node; their textures are ours.
    for (Tile &tile : m_tiles)
        dropNode(tile);
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
    update(window, size, QPointF(0, 0), size, ratio, dirty, paint);
}

void TiledCanvasNode::update(QQuickWindow *window, QSize contentSize, QPointF offset,
                             QSize viewSize, qreal ratio, const QRect &dirty,
                             const Painter &paint)
{
    m_repainted = 0;
    if (contentSize != m_size || ratio != m_ratio) {
        for (Tile &tile : m_tiles)
            dropNode(tile);
        m_tiles.clear();
        m_size = contentSize;
        m_ratio = ratio;
        const QRect content(QPoint(), contentSize);
        for (int y = 0; y < contentSize.height(); y += TileSize)
            for (int x = 0; x < contentSize.width(); x += TileSize)
                m_tiles.push_back(Tile{QRect(x, y, TileSize, TileSize) & content, {}, {}, nullptr,
                                       false});
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
            if (seen.intersects(tile.rect)) {
                repaint(window, tile, tile.rect, paint);
                tile.painted = true;
            }
            continue;
        }
        const QRect part = tile.rect & dirty;
        if (!part.isEmpty())
            repaint(window, tile, part, paint);
    }
}

void TiledCanvasNode::repaint(QQuickWindow *window, Tile &tile, const QRect &area,
                              const Painter &paint)
{
    ++m_repainted;
    // A tile without an image was empty, so outside the area it still is.
    if (tile.image.isNull()) {
        tile.image = QImage(DevicePixels::fromItem(tile.rect, m_ratio).size(),
                            QImage::Format_ARGB32_Premultiplied);
        tile.image.setDevicePixelRatio(m_ratio);
        tile.image.fill(Qt::transparent);
    }
    {
        QPainter painter(&tile.image);
        painter.translate(-tile.rect.topLeft());
        DevicePixels::clearAndClip(&painter, area);
        paint(&painter);
    }
    if (!hasInk(tile.image)) {
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
        tile.node->setFiltering(QSGTexture::Nearest);
    }
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
