#pragma once

#include <QColor>
#include <QImage>
#include <QQuickItem>

// The part of the spotlight's dimming around the pointer: a dimmed square with a round,
// soft-edged hole in its middle. Its picture is made only when the radius, the colour or
// the screen's scale changes; following the pointer just moves it, and plain rectangles
// dim the rest of the screen around it.
class SpotlightHole : public QQuickItem
{
    Q_OBJECT
    // The radius of the hole, in item pixels, to the middle of its soft edge.
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged FINAL)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged FINAL)

public:
    // The width of the soft edge, in item pixels.
    static constexpr qreal softness = 16.0;

    explicit SpotlightHole(QQuickItem *parent = nullptr);

    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    // The side of the item for a hole of this radius.
    static int side(qreal radius);
    // The picture of the item at this scale, in device pixels.
    static QImage render(qreal radius, const QColor &color, qreal ratio);

signals:
    void radiusChanged();
    void colorChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;

private:
    void changed();

    qreal m_radius = 100.0;
    QColor m_color = QColor(0, 0, 0, 158);
    // Whether the picture must be made again, and the scale it was made for.
    bool m_stale = true;
    qreal m_ratio = 0.0;
};
