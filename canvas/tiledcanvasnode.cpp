#include "tiledcanvasnode.h"

#include "devicepixels.h"

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
    m_repainted = 0;
    QRect area = dirty;
    if (size != m_size || ratio != m_ratio) {
        for (Tile &tile : m_tiles)
            dropNode(tile);
        m_tiles.clear();
        m_size = size;
        m_ratio = ratio;
        for (int y = 0; y < size.height(); y += TileSize)
            for (int x = 0; x < size.width(); x += TileSize)
                m_tiles.push_back(
                    Tile{QRect(x, y, TileSize, TileSize) & QRect(QPoint(), size), {}, {}, nullptr});
        area = QRect(QPoint(), size);
    }
    if (area.isEmpty())
        return;
    for (Tile &tile : m_tiles) {
        const QRect part = tile.rect & area;
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
