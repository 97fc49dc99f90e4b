#include "spotlighthole.h"

#include <QPainter>
#include <QQuickWindow>
#include <QRadialGradient>
#include <QSGImageNode>

#include <algorithm>
#include <cmath>

SpotlightHole::SpotlightHole(QQuickItem *parent) : QQuickItem(parent)
{
    setFlag(ItemHasContents);
    changed();
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
    changed();
    emit radiusChanged();
}

void SpotlightHole::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    changed();
    emit colorChanged();
}

void SpotlightHole::changed()
{
    const int length = side(m_radius);
    setImplicitSize(length, length);
    m_stale = true;
    update();
}

int SpotlightHole::side(qreal radius)
{
    return 2 * int(std::ceil(radius + softness / 2 + 1));
}

QImage SpotlightHole::render(qreal radius, const QColor &color, qreal ratio)
{
    const int length = side(radius);
    const int device = int(std::ceil(length * ratio));
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
    auto *node = static_cast<QSGImageNode *>(oldNode);
    QQuickWindow *const view = window();
    if (!view) {
        delete node;
        return nullptr;
    }
    const qreal ratio = view->effectiveDevicePixelRatio();
    if (!node) {
        node = view->createImageNode(); // owned by the scene graph from here on
        node->setOwnsTexture(true);
        m_stale = true;
    }
    if (m_stale || ratio != m_ratio) {
        node->setTexture(view->createTextureFromImage(render(m_radius, m_color, ratio)));
        m_stale = false;
        m_ratio = ratio;
    }
    node->setRect(boundingRect());
    return node;
}
