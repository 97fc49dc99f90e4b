#pragma once

#include "mypainter.h"
#include "zoommapping.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QQuickItem>
#include <QTimer>

// A still image of the item's screen, magnified about the pan point. The pan point eases
// towards target (the pointer) while following is on, so the view glides instead of
// jumping; with following off (a button held while drawing) the view keeps still. The
// drawing on top is magnified the same way by the document that shows this item. Given
// that drawing's canvas (covering the view), the view hands it the still: magnified, the
// canvas paints the still under its ink, in one layer of opaque tiles, while it is shown.
class ZoomView : public QQuickItem
{
    Q_OBJECT

    Q_PROPERTY(qreal factor READ factor WRITE setFactor NOTIFY factorChanged FINAL)
    Q_PROPERTY(QPointF pan READ pan WRITE setPan NOTIFY panChanged FINAL)
    Q_PROPERTY(QPointF target READ target WRITE setTarget NOTIFY targetChanged FINAL)
    Q_PROPERTY(bool following READ following WRITE setFollowing NOTIFY followingChanged FINAL)
    Q_PROPERTY(bool hasStill READ hasStill NOTIFY hasStillChanged FINAL)
    Q_PROPERTY(MyPainter *canvas READ canvas WRITE setCanvas NOTIFY canvasChanged FINAL)

public:
    explicit ZoomView(QQuickItem *parent = nullptr);
    ~ZoomView() override;

    qreal factor() const { return m_mapping.factor(); }
    void setFactor(qreal factor);
    QPointF pan() const { return m_mapping.pan(); }
    void setPan(QPointF pan);
    QPointF target() const { return m_target; }
    void setTarget(QPointF target);
    bool following() const { return m_following; }
    void setFollowing(bool following);
    bool hasStill() const { return !m_still.isNull(); }
    const ZoomMapping &mapping() const { return m_mapping; }
    MyPainter *canvas() const { return m_canvas; }
    void setCanvas(MyPainter *canvas);

    // Takes the still image from the screen the item's window is on; stillTaken() says
    // when it is there, at once on X11, later through the portal on Wayland. The caller
    // hides what must not be in it first, until then. False when none can be taken.
    Q_INVOKABLE bool grabScreen();
    Q_INVOKABLE void clearStill();
    void setStill(const QImage &image);
    Q_INVOKABLE QPointF toScreen(QPointF viewPoint) const { return m_mapping.toScreen(viewPoint); }
    Q_INVOKABLE QPointF toView(QPointF screenPoint) const { return m_mapping.toView(screenPoint); }
    // A turn of the wheel over viewPoint: a new factor that leaves the screen point under
    // it in place.
    Q_INVOKABLE void wheel(QPointF viewPoint, int angleDelta);

signals:
    void factorChanged();
    void panChanged();
    void targetChanged();
    void followingChanged();
    void hasStillChanged();
    void canvasChanged();
    void stillTaken(bool ok);

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    void ease();
    // Whether the canvas shows the magnified still now, so that this view shows nothing.
    bool canvasShowsStill() const;

    QPointer<MyPainter> m_canvas;
    QList<QMetaObject::Connection> m_canvasLinks;
    ZoomMapping m_mapping;
    QImage m_still;
    bool m_stillChanged = false;
    // Whether the node shown is the magnified still's tiles (else the still's one image).
    bool m_tiledNode = false;
    QPointF m_target;
    bool m_following = true;
    QTimer m_easing;
    QElapsedTimer m_sinceStep;
};
