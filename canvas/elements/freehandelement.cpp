#include "elements/freehandelement.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>

FreehandElement::FreehandElement(const QList<QPoint> &points, const QColor &color, int penWidth,
                                 double opacity)
    : DrawingElement(ElementKind::Freehand, color, penWidth, opacity)
{
    setPoints(points);
}

void FreehandElement::setPoints(const QList<QPoint> &points)
{
    m_points = points;
    m_path = QPainterPath();
    if (m_points.isEmpty()) {
        m_pointBounds = QRect();
    } else {
        int left = m_points.first().x(), right = left;
        int top = m_points.first().y(), bottom = top;
        for (const QPoint &q : m_points) {
            left = std::min(left, q.x());
            right = std::max(right, q.x());
            top = std::min(top, q.y());
            bottom = std::max(bottom, q.y());
        }
        m_pointBounds = QRect(QPoint(left, top), QPoint(right, bottom));
    }
    touch();
}

void FreehandElement::dragTo(const Stroke &stroke, QPoint pos, bool)
{
    QList<QPoint> points = stroke.points;
    if (!points.isEmpty() && points.last() != pos)
        points.append(pos);
    setPoints(points);
}

void FreehandElement::buildPath() const
{
    // Straight to the second and third point, then quadratic pieces through the midpoints
    // of consecutive points, which smooths the jitter of the pointer.
    QPainterPath path(m_points.at(0));
    for (qsizetype i = 1; i < m_points.size(); ++i) {
        if (i <= 2) {
            path.lineTo(m_points.at(i));
        } else {
            const QPoint &prev = m_points.at(i - 1);
            const QPoint &cur = m_points.at(i);
            const QPointF mid((qint64(prev.x()) + cur.x()) * 0.5,
                              (qint64(prev.y()) + cur.y()) * 0.5);
            path.quadTo(prev, mid);
        }
    }
    m_path = path;
}

void FreehandElement::draw(QPainter *painter) const
{
    if (m_points.isEmpty())
        return;
    painter->setPen(elementPen());
    painter->setRenderHint(QPainter::Antialiasing, true);
    if (m_path.isEmpty() && m_points.size() >= 2)
        buildPath();
    if (!m_path.isEmpty())
        painter->drawPath(m_path);
    else if (m_points.size() == 1)
        painter->drawPoint(m_points.first());
}

bool FreehandElement::hitTest(const QPoint &p, int tolerance) const
{
    if (m_points.isEmpty())
        return false;
    if (!m_path.isEmpty()) {
        QPainterPathStroker stroker;
        stroker.setWidth(penWidth() + 2 * tolerance);
        return stroker.createStroke(m_path).contains(QPointF(p));
    }
    const qint64 reach = qint64(tolerance) + penWidth();
    return std::any_of(m_points.cbegin(), m_points.cend(), [&](const QPoint &q) {
        const qint64 dx = qint64(q.x()) - p.x();
        const qint64 dy = qint64(q.y()) - p.y();
        return dx * dx + dy * dy <= reach * reach;
    });
}

QRect FreehandElement::boundingRect() const
{
    // The quadratic pieces stay inside the hull of their control points, all of which
    // are stroke points.
    if (m_points.isEmpty())
        return QRect();
    return grownByPen(m_pointBounds);
}

void FreehandElement::prepareHitTest() const
{
    if (m_path.isEmpty() && m_points.size() >= 2)
        buildPath();
}
