#include "elements/drawingelement.h"

#include "elements/elementlimits.h"

#include <QJsonArray>
#include <QPaintDevice>
#include <QPainter>
#include <QUuid>

#include <atomic>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace {

quint64 nextSerial()
{
    static std::atomic<quint64> counter{0};
    return ++counter;
}

} // namespace

QRect Stroke::tailBounds(qsizetype count) const
{
    QRect bounds;
    for (qsizetype i = std::max<qsizetype>(0, points.size() - count); i < points.size(); ++i)
        bounds |= QRect(points.at(i), QSize(1, 1));
    return bounds;
}

DrawingElement::DrawingElement(ElementKind kind, const QColor &color, int penWidth, double opacity)
    : m_id(QUuid::createUuid().toString(QUuid::WithBraces)), m_serial(nextSerial()), m_kind(kind),
      m_color(color), m_penWidth(penWidth), m_opacity(opacity)
{
}

DrawingElement::~DrawingElement() = default;

void DrawingElement::dragTo(const Stroke &, QPoint, bool) {}

QRect DrawingElement::dragRegion(const Stroke &, const QRect &whole, int, const QRect &) const
{
    return whole;
}

bool DrawingElement::isFull(const Stroke &) const
{
    return false;
}

QJsonArray DrawingElement::pointJson(QPoint p)
{
    return QJsonArray{p.x(), p.y()};
}

double DrawingElement::desktopLength(QPointF a, QPointF b)
{
    // The desktop any drawing can show on lies within this square; ink beyond it never shows.
    const QRectF r(-DesktopSide / 2, -DesktopSide / 2, DesktopSide, DesktopSide);
    // Liang-Barsky, as the elements clip when they draw.
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double from = 0.0, to = 1.0;
    for (const auto &[p, q] :
         {std::pair{-dx, a.x() - r.left()}, std::pair{dx, r.right() - a.x()},
          std::pair{-dy, a.y() - r.top()}, std::pair{dy, r.bottom() - a.y()}}) {
        if (p == 0.0) {
            if (q < 0.0)
                return 0.0;
            continue;
        }
        const double t = q / p;
        if (p < 0.0)
            from = std::max(from, t);
        else
            to = std::min(to, t);
    }
    return from < to ? std::sqrt(dx * dx + dy * dy) * (to - from) : 0.0;
}

double DrawingElement::penInk(double length) const
{
    const double pen = std::abs(m_penWidth) + 2.0;
    return (length + pen) * pen;
}

int DrawingElement::clampToInt(double v)
{
    if (!(v == v))
        return 0;
    return int(std::clamp(v, double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}

void DrawingElement::setStyle(const ElementStyle &style)
{
    if (style.color != m_color) {
        m_color = style.color;
        touch();
    }
    if (style.size != size())
        setSize(style.size);
}

void DrawingElement::setSize(int size)
{
    setPenWidth(std::clamp(size, 0, ElementLimits::MaxPenWidth));
}

void DrawingElement::setPenWidth(int width)
{
    if (width == m_penWidth)
        return;
    m_penWidth = width;
    touch();
}

void DrawingElement::setOpacity(double opacity)
{
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    touch();
}

QColor DrawingElement::penColor() const
{
    QColor c = m_color;
    if (m_opacity < 0.99)
        c.setAlphaF(float(m_opacity));
    return c;
}

QPen DrawingElement::elementPen() const
{
    return QPen(penColor(), m_penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QRect DrawingElement::grownByPen(const QRect &rect) const
{
    // Half the pen on each side, plus room for antialiasing and round caps.
    const int m = std::abs(m_penWidth) / 2 + 3;
    return rect.normalized().adjusted(-m, -m, m, m);
}

QRect DrawingElement::spanning(std::initializer_list<QPoint> points)
{
    auto it = points.begin();
    int left = it->x(), right = left, top = it->y(), bottom = top;
    for (; it != points.end(); ++it) {
        left = std::min(left, it->x());
        right = std::max(right, it->x());
        top = std::min(top, it->y());
        bottom = std::max(bottom, it->y());
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QRectF DrawingElement::reachableArea(const QPainter *painter) const
{
    const QPaintDevice *device = painter->device();
    if (!device || device->width() <= 0 || device->height() <= 0)
        return QRectF();
    bool invertible = false;
    const QTransform toDrawing = painter->deviceTransform().inverted(&invertible);
    if (!invertible)
        return QRectF();
    QRectF area = toDrawing.mapRect(QRectF(0, 0, device->width(), device->height()));
    if (painter->hasClipping())
        area &= painter->clipBoundingRect();
    const double m = FarMargin + std::abs(m_penWidth);
    return area.adjusted(-m, -m, m, m);
}

bool DrawingElement::clipSegment(QPointF *a, QPointF *b, const QRectF &rect)
{
    // Liang-Barsky: the segment as a + t (b - a), t in [0, 1], kept where inside.
    const double dx = b->x() - a->x();
    const double dy = b->y() - a->y();
    double from = 0.0, to = 1.0;
    const auto cut = [&](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        const double t = q / p;
        if (p < 0.0)
            from = std::max(from, t);
        else
            to = std::min(to, t);
        return from <= to;
    };
    if (!cut(-dx, a->x() - rect.left()) || !cut(dx, rect.right() - a->x()) ||
        !cut(-dy, a->y() - rect.top()) || !cut(dy, rect.bottom() - a->y()))
        return false;
    const QPointF start = *a;
    *a = start + QPointF(dx * from, dy * from);
    *b = start + QPointF(dx * to, dy * to);
    return true;
}
