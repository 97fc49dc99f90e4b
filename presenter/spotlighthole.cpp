#include "spotlighthole.h"

#include <QPainter>
#include <QQuickWindow>
#include <QRadialGradient>
#include <QSGImageNode>
#include <QSGRectangleNode>
#include <QSGTexture>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// The item's node: one child per tile, holding what the tile shows, and the hole's picture
// that the tiles share.
class DimNode : public QSGNode
{
public:
    struct Tile
    {
        QRect rect;
        QSGNode *node = nullptr; // owned through this node
        QRectF cut;              // the part of the hole's square it shows
        bool built = false;
    };

    ~DimNode() override { dropTiles(); }

    void dropTiles()
    {
        for (Tile &tile : tiles) {
            removeChildNode(tile.node);
            delete tile.node;
        }
        tiles.clear();
    }

    std::vector<Tile> tiles;
    QSize size;
    qreal ratio = 0.0;
    QColor color;
    std::unique_ptr<QSGTexture> picture;
};

void addDim(QQuickWindow *window, QSGNode *parent, const QRectF &area, const QColor &color)
{
    if (area.width() <= 0 || area.height() <= 0)
        return;
    QSGRectangleNode *rect = window->createRectangleNode();
    rect->setRect(area);
    rect->setColor(color);
    parent->appendChildNode(rect);
}

// The tile dimmed whole, or its part of the hole's square from the picture and dimmed around.
void build(QQuickWindow *window, DimNode::Tile &tile, const QRectF &hole, QSGTexture *picture,
           qreal ratio, const QColor &color)
{
    while (QSGNode *child = tile.node->firstChild()) {
        tile.node->removeChildNode(child);
        delete child;
    }
    const QRectF area(tile.rect);
    tile.cut = hole.isEmpty() ? QRectF() : area & hole;
    tile.built = true;
    if (tile.cut.isEmpty()) {
        addDim(window, tile.node, area, color);
        return;
    }
    const QRectF &cut = tile.cut;
    QSGImageNode *part = window->createImageNode();
    part->setTexture(picture);
    part->setOwnsTexture(false);
    part->setFiltering(QSGTexture::Nearest);
    part->setRect(cut);
    part->setSourceRect(QRectF((cut.topLeft() - hole.topLeft()) * ratio, cut.size() * ratio));
    tile.node->appendChildNode(part);
    addDim(window, tile.node, QRectF(area.left(), area.top(), area.width(), cut.top() - area.top()),
           color);
    addDim(window, tile.node,
           QRectF(area.left(), cut.bottom(), area.width(), area.bottom() - cut.bottom()), color);
    addDim(window, tile.node,
           QRectF(area.left(), cut.top(), cut.left() - area.left(), cut.height()), color);
    addDim(window, tile.node,
           QRectF(cut.right(), cut.top(), area.right() - cut.right(), cut.height()), color);
}

} // namespace

SpotlightHole::SpotlightHole(QQuickItem *parent) : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

void SpotlightHole::setRadius(qreal radius)
{
    if (!(radius > 0)) {
        qWarning("SpotlightHole: ignoring the radius %g", radius);
        return;
    }
    if (qFuzzyCompare(radius, m_radius))
        return;
    m_radius = radius;
    m_stale = true;
    update();
    emit radiusChanged();
}

void SpotlightHole::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    m_stale = true;
    update();
    emit colorChanged();
}

void SpotlightHole::setCenter(QPointF center)
{
    if (center == m_center)
        return;
    m_center = center;
    if (m_lit)
        update();
    emit centerChanged();
}

void SpotlightHole::setLit(bool lit)
{
    if (lit == m_lit)
        return;
    m_lit = lit;
    update();
    emit litChanged();
}

QRectF SpotlightHole::holeRect(qreal ratio) const
{
    if (!m_lit || !(ratio > 0))
        return QRectF();
    const int step = gridStep(ratio);
    const qreal length = side(m_radius, ratio);
    const QPointF corner = m_center - QPointF(length / 2, length / 2);
    return QRectF(std::round(corner.x() / step) * step, std::round(corner.y() / step) * step,
                  length, length);
}

int SpotlightHole::gridStep(qreal ratio)
{
    // Quarter scales (125 %, 150 %, 175 %) need at most four.
    for (int step = 1; step < 8; ++step) {
        const qreal device = step * ratio;
        if (std::abs(device - std::round(device)) < 1e-6)
            return step;
    }
    return 8;
}

int SpotlightHole::side(qreal radius, qreal ratio)
{
    const int step = gridStep(ratio);
    const int length = 2 * int(std::ceil(radius + softness / 2 + 1));
    return (length + step - 1) / step * step;
}

QImage SpotlightHole::render(qreal radius, const QColor &color, qreal ratio)
{
    const int length = side(radius, ratio);
    const int device = qRound(length * ratio);
    QImage image(device, device, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // Clear inside, dim outside, and between them a smooth step across the soft edge;
    // beyond the gradient's circle (the corners) it keeps its last colour.
    const qreal outer = length / 2.0;
    QRadialGradient gradient(QPointF(outer, outer), outer);
    QColor clear = color;
    clear.setAlpha(0);
    gradient.setColorAt(0.0, clear);
    constexpr int steps = 8;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        QColor shade = color;
        shade.setAlphaF(float(color.alphaF() * t * t * (3 - 2 * t)));
        gradient.setColorAt(std::clamp((radius - softness / 2 + t * softness) / outer, 0.0, 1.0),
                            shade);
    }
    gradient.setColorAt(1.0, color);
    painter.fillRect(QRectF(0, 0, length, length), gradient);
    return image;
}

QSGNode *SpotlightHole::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<DimNode *>(oldNode);
    QQuickWindow *const view = window();
    if (!view) {
        delete node;
        return nullptr;
    }
    if (!node)
        node = new DimNode; // owned by the scene graph from here on
    const qreal ratio = view->effectiveDevicePixelRatio();
    const QSize size(int(std::ceil(width())), int(std::ceil(height())));
    bool all = false;
    if (size != node->size || ratio != node->ratio || m_color != node->color) {
        node->dropTiles();
        node->size = size;
        node->ratio = ratio;
        node->color = m_color;
        for (int y = 0; y < size.height(); y += TileSize) {
            for (int x = 0; x < size.width(); x += TileSize) {
                DimNode::Tile tile;
                tile.rect = QRect(x, y, TileSize, TileSize) & QRect(QPoint(), size);
                tile.node = new QSGNode;
                node->appendChildNode(tile.node);
                node->tiles.push_back(tile);
            }
        }
        all = true;
    }
    // The old picture stays until no tile shows it any more.
    std::unique_ptr<QSGTexture> old;
    if (m_stale || !node->picture || all) {
        old = std::move(node->picture);
        node->picture.reset(view->createTextureFromImage(render(m_radius, m_color, ratio)));
        m_stale = false;
        all = true;
    }
    const QRectF hole = holeRect(ratio);
    for (DimNode::Tile &tile : node->tiles) {
        const QRectF cut = hole.isEmpty() ? QRectF() : QRectF(tile.rect) & hole;
        if (all || !tile.built || cut != tile.cut)
            build(view, tile, hole, node->picture.get(), ratio, m_color);
    }
    return node;
}
