#include "zoomview.h"

#include "screengrabber.h"
#include "tiledcanvasnode.h"

#include <QDebug>
#include <QPainter>
#include <QPixmap>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

// The pan point covers about 63 % of the way to the pointer in this time: quick enough to
// stay with the hand, slow enough not to jerk the picture.
constexpr double EasingMs = 70.0;
// Closer than this the pan point simply lands on the pointer.
constexpr qreal LandingDistance = 0.25;
// A late step moves no further than one of this length would: after a stall the view
// still glides.
constexpr qint64 LongestStepMs = 48;
// Tiles of the magnified still (item pixels): few pieces for the scene graph to show, small
// enough that a pan paints little more than what comes into view.
constexpr int StillTileSize = 512;

} // namespace

ZoomView::ZoomView(QQuickItem *parent) : QQuickItem(parent)
{
    setFlag(ItemHasContents);
    m_easing.setInterval(16);
    connect(&m_easing, &QTimer::timeout, this, &ZoomView::ease);
}

ZoomView::~ZoomView()
{
    // The canvas outlives the zoom; it shows no still of it afterwards.
    for (const auto &link : std::as_const(m_canvasLinks))
        disconnect(link);
    if (m_canvas)
        m_canvas->setZoomBackdrop(QImage());
}

void ZoomView::setCanvas(MyPainter *canvas)
{
    if (canvas == m_canvas)
        return;
    for (const auto &link : std::as_const(m_canvasLinks))
        disconnect(link);
    m_canvasLinks.clear();
    if (m_canvas)
        m_canvas->setZoomBackdrop(QImage());
    m_canvas = canvas;
    if (m_canvas) {
        m_canvas->setZoomBackdrop(m_still);
        // Whether this view or the canvas shows the still depends on these.
        const auto again = [this] { update(); };
        m_canvasLinks = {connect(m_canvas, &MyPainter::zoomChanged, this, again),
                         connect(m_canvas, &QQuickItem::visibleChanged, this, again),
                         connect(m_canvas, &QQuickItem::widthChanged, this, again),
                         connect(m_canvas, &QQuickItem::heightChanged, this, again)};
    }
    emit canvasChanged();
    update();
}

bool ZoomView::canvasShowsStill() const
{
    return m_canvas && m_canvas->isVisible() && m_canvas->zoomFactor() > 1.0 &&
           m_canvas->size() == size() && m_canvas->window() == window();
}

void ZoomView::setFactor(qreal factor)
{
    const qreal before = m_mapping.factor();
    m_mapping.setFactor(factor);
    if (m_mapping.factor() == before)
        return;
    emit factorChanged();
    update();
}

void ZoomView::setPan(QPointF pan)
{
    const QPointF before = m_mapping.pan();
    m_mapping.setPan(pan);
    if (m_mapping.pan() == before)
        return;
    emit panChanged();
    update();
}

void ZoomView::setTarget(QPointF target)
{
    if (target == m_target)
        return;
    m_target = target;
    emit targetChanged();
    if (m_following && !m_easing.isActive()) {
        m_sinceStep.start();
        m_easing.start();
    }
}

void ZoomView::setFollowing(bool following)
{
    if (following == m_following)
        return;
    m_following = following;
    emit followingChanged();
    if (!m_following) {
        m_easing.stop();
    } else {
        m_sinceStep.start();
        m_easing.start();
    }
}

void ZoomView::ease()
{
    const qint64 elapsed = std::min(m_sinceStep.restart(), LongestStepMs);
    const QPointF towards = m_target - pan();
    if (!m_following || std::hypot(towards.x(), towards.y()) < LandingDistance) {
        setPan(m_target);
        m_easing.stop();
        return;
    }
    setPan(pan() + towards * (1.0 - std::exp(-double(elapsed) / EasingMs)));
}

void ZoomView::wheel(QPointF viewPoint, int angleDelta)
{
    const qreal factor = m_mapping.factorAfterWheel(angleDelta);
    const QPointF pan = m_mapping.panKeeping(viewPoint, factor);
    setFactor(factor);
    setPan(pan);
}

bool ZoomView::grabScreen()
{
    QScreen *screen = window() ? window()->screen() : nullptr;
    if (!screen) {
        qWarning() << "Zoom: no screen to take a still image of";
        return false;
    }
    if (ScreenGrabber::usesPortal()) {
        const QString name = screen->name();
        ScreenGrabber::grab(
            screen, this, [this, name](const QImage &picture, const QString &error) {
                if (picture.isNull()) {
                    qWarning() << "Zoom: the screen" << name << "could not be read:" << error;
                    emit stillTaken(false);
                    return;
                }
                setStill(picture);
                qInfo().noquote() << "Zoom: took a still image of the screen" << name;
                emit stillTaken(true);
            });
        return true;
    }
    const QPixmap shot = screen->grabWindow(0);
    if (shot.isNull()) {
        qWarning() << "Zoom: the screen" << screen->name() << "could not be grabbed";
        emit stillTaken(false);
        return false;
    }
    QImage still = shot.toImage();
    const QRect area = screen->geometry();
    if (still.deviceIndependentSize().toSize() != area.size()) {
        // Some window systems give the whole desktop: this screen's part of it. Screen
        // positions are device pixels, sizes logical ones.
        const qreal ratio = still.devicePixelRatio();
        const QRect part(area.topLeft() - screen->virtualGeometry().topLeft(),
                         (QSizeF(area.size()) * ratio).toSize());
        still = still.copy(part);
        still.setDevicePixelRatio(ratio);
    }
    setStill(still);
    qInfo().noquote() << "Zoom: took a still image of the screen" << screen->name();
    emit stillTaken(true);
    return true;
}

void ZoomView::clearStill()
{
    setStill(QImage());
}

void ZoomView::setStill(const QImage &image)
{
    const bool had = hasStill();
    m_still = image;
    m_stillChanged = true;
    if (m_canvas)
        m_canvas->setZoomBackdrop(image);
    if (!image.isNull()) {
        m_mapping.setDevicePixelRatio(image.devicePixelRatio());
        if (image.deviceIndependentSize() != size())
            qWarning() << "Zoom: the still image of" << image.deviceIndependentSize()
                       << "does not cover the view of" << size();
    }
    if (had != hasStill())
        emit hasStillChanged();
    update();
}

void ZoomView::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    const QPointF before = pan();
    m_mapping.setSurfaceSize(newGeometry.size());
    if (pan() != before)
        emit panChanged();
    update();
}

// Unmagnified the still is one image. Magnified it is tiles of the magnified still, painted
// smooth from it once: the pan only moves them by whole device pixels, as it moves the
// drawing's tiles on top, and a frame paints just the tiles that come into view instead of
// scaling the whole screen's picture again. While the canvas shows it, nothing.
QSGNode *ZoomView::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    const bool magnified = m_mapping.factor() > ZoomMapping::minimumFactor;
    const bool none =
        m_still.isNull() || width() <= 0 || height() <= 0 || (magnified && canvasShowsStill());
    if (m_stillChanged || none || magnified != m_tiledNode) {
        // A new still comes with a node of its own, which owns its texture.
        delete oldNode;
        oldNode = nullptr;
        m_stillChanged = false;
        if (none)
            return nullptr;
    }
    m_tiledNode = magnified;
    if (magnified) {
        auto *tiles = static_cast<TiledCanvasNode *>(oldNode);
        if (!tiles)
            tiles = new TiledCanvasNode(true, StillTileSize);
        const qreal factor = m_mapping.factor();
        const qreal ratio = window()->effectiveDevicePixelRatio();
        const QSize viewSize = size().toSize();
        const QSize content = (QSizeF(viewSize) * factor).toSize();
        // Where the drawing's tiles are moved to as well, so that the ink stays on its spot.
        const QPointF shift = m_mapping.pan() * (factor - 1);
        const QPointF offset(std::round(shift.x() * ratio) / ratio,
                             std::round(shift.y() * ratio) / ratio);
        const QImage &still = m_still;
        tiles->update(window(), content, offset, viewSize, ratio, QRect(),
                      [&still, content](QPainter *painter) {
                          painter->setRenderHint(QPainter::SmoothPixmapTransform);
                          painter->drawImage(QRectF(QPointF(0, 0), QSizeF(content)), still);
                      },
                      {});
        return tiles;
    }
    auto *node = static_cast<QSGImageNode *>(oldNode);
    if (!node) {
        node = window()->createImageNode();
        node->setTexture(window()->createTextureFromImage(m_still));
        node->setOwnsTexture(true);
        node->setFiltering(QSGTexture::Linear);
    }
    node->setRect(boundingRect());
    node->setSourceRect(m_mapping.sourceRect());
    return node;
}
