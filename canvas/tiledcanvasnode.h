#pragma once

#include <QImage>
#include <QRect>
#include <QSGTransformNode>
#include <QSize>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QPainter;
class QQuickWindow;
class QSGImageNode;
class QSGTexture;

// The canvas on screen as a grid of tiles, each a texture of its own. A change repaints
// and uploads only the tiles it meets, and the scene graph redraws only their area: the
// software back-end repaints and flushes just that region, and OpenGL uploads just those
// textures. Tiles without ink have no node at all, so an almost empty canvas costs
// almost nothing to draw.
// Content larger than the item (the drawing magnified by the zoom tool) is tiled the same
// way, and the node's transform moves it by the part the item shows: a pan moves the tiles,
// and only those that come into view are painted. Painting them sharp costs in proportion to
// the magnified ink, so they may come in rough (from a quicker picture) and be painted sharp
// once the view holds still.
// A transform node also because the software renderer takes the transform of a tile added
// later (a stroke into empty tiles) from the nearest ancestor it keeps state for, which it
// does for transform nodes but not for plain ones.
class TiledCanvasNode : public QSGTransformNode
{
public:
    static constexpr int TileSize = 128;
    // Paints the canvas in item coordinates; the painter is clipped to what it needs.
    using Painter = std::function<void(QPainter *)>;

    TiledCanvasNode();
    // Opaque content (a picture that covers every tile) is kept in opaque tiles: each has a
    // node, and the scene graph copies them instead of blending them and skips what lies
    // below them.
    TiledCanvasNode(bool opaque, int tileSize);
    ~TiledCanvasNode() override;

    // Brings the tiles to the item size and the window's device pixel ratio (a new size or
    // ratio repaints everything) and repaints the tiles that meet dirty. Tile images have the
    // window's device pixels. Without a window the tiles keep their images but make no
    // textures.
    void update(QQuickWindow *window, QSize size, qreal ratio, const QRect &dirty,
                const Painter &paint);
    // The same for content of contentSize of which the item of viewSize shows the part at
    // offset (the content point at the item's top-left, best on a whole device pixel).
    // Painted are the tiles that come into view and those in view that meet dirty (content
    // coordinates); tiles far out of view are dropped. With roughPaint (a quick picture of
    // the same content) the tiles that come into view come in rough, and are painted sharp
    // by the updates that find the view where it was. roughPaint runs on several threads at
    // once and must only read. Returns whether rough tiles are in view: the next updates
    // paint them sharp.
    bool update(QQuickWindow *window, QSize contentSize, QPointF offset, QSize viewSize,
                qreal ratio, const QRect &dirty, const Painter &paint, const Painter &roughPaint);

    // Tiles of another size (item coordinates) from the next update on, all painted afresh.
    void setTileSize(int size);
    // Opaque tiles or tiles with ink only from the next update on, all painted afresh.
    void setOpaque(bool opaque);

    // Tiles that hold ink and so have a node.
    int inkedTiles() const;
    // Tiles repainted by the last update.
    int repaintedTiles() const { return m_repainted; }
    // Bytes of the tile images held.
    qint64 imageBytes() const;

private:
    struct Tile
    {
        QRect rect;
        QImage image;
        std::unique_ptr<QSGTexture> texture;
        // Owned by this node as its child; null while the tile is empty.
        QSGImageNode *node = nullptr;
        // Whether the image is current; a tile out of view is not painted.
        bool painted = false;
        // Whether it shows the rough picture.
        bool rough = false;
    };
    using Jobs = std::vector<std::pair<Tile *, QRect>>;

    // Paints the tiles' areas (node coordinates) and shows the tiles.
    void repaint(QQuickWindow *window, const Jobs &jobs, const Painter &paint);
    // Paints each tile's area straight into its image: for content that costs the same
    // painted in pieces (a picture enlarged), without the copies. A painter that only reads
    // (the rough one) paints several tiles at once, on the pool's threads and this one.
    void paintEach(QQuickWindow *window, const Jobs &jobs, const Painter &paint,
                   bool parallel = false);
    void paintTile(Tile &tile, const QRect &area, const Painter &paint);
    void show(QQuickWindow *window, Tile &tile);
    void dropNode(Tile &tile);

    bool m_opaque = false;
    int m_tileSize = TileSize;
    QSize m_size;
    qreal m_ratio = 1.0;
    QPointF m_offset;
    std::vector<Tile> m_tiles;
    int m_repainted = 0;
};
