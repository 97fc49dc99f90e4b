#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QQuickItem>

// The spotlight's dimming of one screen: everything dimmed but a round, soft-edged hole
// about center while the spotlight is lit there. The screen is cut into tiles, each a dim
// rectangle, or where the hole's square meets it that part of the hole's picture and dim
// rectangles around it; a move of the hole changes only the tiles its square leaves or
// enters, so the software scene graph repaints just those instead of the whole screen. The
// picture is made only when the radius, the colour or the screen's scale changes.
class SpotlightHole : public QQuickItem
{
    Q_OBJECT
    // The radius of the hole, in item pixels, to the middle of its soft edge.
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged FINAL)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged FINAL)
    // The middle of the hole, in item coordinates.
    Q_PROPERTY(QPointF center READ center WRITE setCenter NOTIFY centerChanged FINAL)
    // Without a hole the whole item is dimmed.
    Q_PROPERTY(bool lit READ lit WRITE setLit NOTIFY litChanged FINAL)

public:
    // The width of the soft edge, in item pixels.
    static constexpr qreal softness = 16.0;
    // The side of a tile, in item pixels.
    static constexpr int TileSize = 128;

    explicit SpotlightHole(QQuickItem *parent = nullptr);

    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QPointF center() const { return m_center; }
    void setCenter(QPointF center);
    bool lit() const { return m_lit; }
    void setLit(bool lit);

    // The side of the hole's square for a hole of this radius at this scale.
    static int side(qreal radius, qreal ratio = 1.0);
    // The picture of the hole's square at this scale, in device pixels.
    static QImage render(qreal radius, const QColor &color, qreal ratio);
    // The hole's square in item coordinates at this scale; empty while not lit.
    QRectF holeRect(qreal ratio) const;
    // The square and the tiles have their edges on multiples of this many item pixels,
    // which are whole device pixels too: the software scene graph draws an edge that falls
    // inside a pixel (of the item or of the device) as a faint seam.
    static int gridStep(qreal ratio);

signals:
    void radiusChanged();
    void colorChanged();
    void centerChanged();
    void litChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;

private:
    qreal m_radius = 100.0;
    QColor m_color = QColor(0, 0, 0, 158);
    QPointF m_center;
    bool m_lit = false;
    // Whether the picture must be made again.
    bool m_stale = true;
};
