#include "elements/freehandelement.h"

#include "elements/elementreader.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <limits>

FreehandElement::FreehandElement(const QList<QPoint> &points, const QColor &color, int penWidth,
                                 double opacity, const QList<quint8> &pressures)
    : DrawingElement(ElementKind::Freehand, color, penWidth, opacity)
{
    setPoints(points, pressures);
}

namespace {

std::shared_ptr<DrawingElement> start(const Stroke &stroke, const PenStyle &pen)
{
    return std::make_shared<FreehandElement>(stroke.points, pen.color, pen.width, pen.opacity);
}

std::shared_ptr<DrawingElement> read(ElementReader &reader, const PenStyle &pen)
{
    QList<QPoint> points;
    QList<quint8> levels;
    if (!reader.points(&points) || !reader.pressures(points.size(), &levels))
        return nullptr;
    return std::make_shared<FreehandElement>(points, pen.color, pen.width, pen.opacity, levels);
}

} // namespace

const ElementType FreehandElement::Type{
    ElementKind::Freehand, "freehand", &start, nullptr, &read, true};

quint8 FreehandElement::pressureLevel(double pressure)
{
    if (!(pressure >= 0.0 && pressure <= 1.0))
        return FullPressure;
    return quint8(std::lround(pressure * FullPressure));
}

int FreehandElement::maxPoints(int penWidth)
{
    return std::clamp(MaxInk / (std::max(penWidth, 0) + 10), 2, MaxStrokePoints);
}

QList<QList<QPoint>> FreehandElement::pieces(const QList<QPoint> &points, int penWidth)
{
    QList<QList<QPoint>> runs;
    const qsizetype most = maxPoints(penWidth);
    qsizetype from = 0;
    do {
        const qsizetype count = std::min<qsizetype>(most, points.size() - from);
        runs.append(points.mid(from, count));
        from += count - 1; // the next run starts at this one's last point
    } while (from + 1 < points.size());
    return runs;
}

void FreehandElement::setPoints(const QList<QPoint> &points, const QList<quint8> &pressures)
{
    m_points = points;
    // A stroke at full pressure throughout keeps none: it draws exactly as a mouse's.
    const bool varies =
        pressures.size() == points.size() && std::any_of(pressures.cbegin(), pressures.cend(),
                                                         [](quint8 p) { return p < FullPressure; });
    m_pressures = varies ? pressures : QList<quint8>();
    m_path = QPainterPath();
    m_outline = QPainterPath();
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
    QList<quint8> pressures = stroke.pressures;
    if (!points.isEmpty() && points.last() != pos) {
        points.append(pos);
        // A pen reports no pressure once lifted: the release point keeps the last one.
        if (!pressures.isEmpty())
            pressures.append(pressures.constLast());
    }
    setPoints(points, pressures);
}

void FreehandElement::moveBy(QPoint offset)
{
    if (offset.isNull())
        return;
    for (QPoint &p : m_points)
        p += offset;
    m_pointBounds.translate(offset);
    // The cached outlines move along instead of being built again.
    m_path.translate(offset);
    m_outline.translate(offset);
    touch();
}

std::shared_ptr<DrawingElement> FreehandElement::clone() const
{
    return std::make_shared<FreehandElement>(m_points, color(), penWidth(), opacity(), m_pressures);
}

void FreehandElement::setSize(int size)
{
    DrawingElement::setSize(size);
    // The outline of a stroke with pressure is as wide as the pen.
    m_outline = QPainterPath();
}

QRect FreehandElement::dragRegion(const Stroke &stroke, const QRect &whole, int tail,
                                  const QRect &earlier) const
{
    if (stroke.points.size() < 3)
        return whole;
    const qint64 margin = std::abs(qint64(penWidth())) / 2 + 3;
    const QRect piece = stroke.tailBounds(tail) | earlier;
    const auto toInt = [](qint64 v) {
        return int(std::clamp<qint64>(v, std::numeric_limits<int>::min(),
                                      std::numeric_limits<int>::max()));
    };
    // Never more than the whole stroke, which whole already covers.
    return whole & QRect(QPoint(toInt(piece.left() - margin), toInt(piece.top() - margin)),
                         QPoint(toInt(piece.right() + margin), toInt(piece.bottom() + margin)));
}

bool FreehandElement::isFull(const Stroke &stroke) const
{
    return stroke.points.size() >= maxPoints(penWidth());
}

void FreehandElement::write(QJsonObject &object) const
{
    QJsonArray points;
    for (const QPoint &p : m_points) {
        points.append(p.x());
        points.append(p.y());
    }
    object.insert(QStringLiteral("points"), points);
    if (hasPressure()) {
        QJsonArray levels;
        for (const quint8 level : m_pressures)
            levels.append(int(level));
        object.insert(QStringLiteral("pressures"), levels);
    }
}

int FreehandElement::fileVersion() const
{
    return hasPressure() ? ElementLimits::PressureVersion : ElementLimits::PlainVersion;
}

double FreehandElement::ink() const
{
    double length = 0.0;
    for (qsizetype i = 1; i < m_points.size(); ++i)
        length += desktopLength(m_points.at(i - 1), m_points.at(i)) + 1.0;
    return penInk(length);
}

QList<std::shared_ptr<DrawingElement>> FreehandElement::openedPieces() const
{
    QList<std::shared_ptr<DrawingElement>> opened;
    if (m_points.size() <= maxPoints(penWidth()))
        return opened;
    qsizetype from = 0; // where the piece starts in the stroke, for its pressures
    for (const QList<QPoint> &piece : pieces(m_points, penWidth())) {
        opened.append(std::make_shared<FreehandElement>(piece, color(), penWidth(), opacity(),
                                                        m_pressures.mid(from, piece.size())));
        from += piece.size() - 1;
    }
    return opened;
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

namespace {

// One piece of the smoothed outline, as a quadratic curve (a straight piece has its control
// point in its middle).
struct Piece
{
    QPointF from, control, to;
};

// Adds the part of piece inside reach to path: pieces that cross its edge are halved until
// each half lies inside, outside, or is too small to matter.
void addReachable(QPainterPath &path, const Piece &piece, const QRectF &reach, int depth)
{
    const double left = std::min({piece.from.x(), piece.control.x(), piece.to.x()});
    const double right = std::max({piece.from.x(), piece.control.x(), piece.to.x()});
    const double top = std::min({piece.from.y(), piece.control.y(), piece.to.y()});
    const double bottom = std::max({piece.from.y(), piece.control.y(), piece.to.y()});
    const QRectF hull(QPointF(left, top), QPointF(right, bottom));
    if (right < reach.left() || left > reach.right() || bottom < reach.top() ||
        top > reach.bottom())
        return;
    const bool inside = reach.contains(hull);
    if (!inside && depth < 40 && hull.width() + hull.height() > 1.0) {
        const QPointF a = (piece.from + piece.control) / 2.0;
        const QPointF b = (piece.control + piece.to) / 2.0;
        const QPointF middle = (a + b) / 2.0;
        addReachable(path, {piece.from, a, middle}, reach, depth + 1);
        addReachable(path, {middle, b, piece.to}, reach, depth + 1);
        return;
    }
    if (path.elementCount() == 0 || path.currentPosition() != piece.from)
        path.moveTo(piece.from);
    if (inside)
        path.quadTo(piece.control, piece.to);
    else
        path.lineTo(piece.to);
}

} // namespace

// The outline as buildPath() makes it, but only where it can show: for strokes that reach
// far beyond the painter's device.
QPainterPath FreehandElement::reachablePath(const QRectF &reach) const
{
    QPainterPath path;
    QPointF at(m_points.at(0));
    for (qsizetype i = 1; i < m_points.size(); ++i) {
        const QPointF cur(m_points.at(i));
        Piece piece;
        if (i <= 2) {
            piece = {at, (at + cur) / 2.0, cur};
        } else {
            const QPointF prev(m_points.at(i - 1));
            piece = {at, prev, (prev + cur) / 2.0};
        }
        addReachable(path, piece, reach, 0);
        at = piece.to;
    }
    return path;
}

namespace {

// Whether QPainterPath::addEllipse winds with a positive shoelace sum: the pieces of a pressure
// outline wind the same way, so their overlaps fill once under the winding rule.
bool ellipsesWindPositive()
{
    QPainterPath circle;
    circle.addEllipse(QPointF(0, 0), 10, 10);
    const QPolygonF polygon = circle.toFillPolygon();
    double sum = 0.0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF &a = polygon.at(i);
        const QPointF &b = polygon.at((i + 1) % polygon.size());
        sum += a.x() * b.y() - b.x() * a.y();
    }
    return sum > 0.0;
}

// The hull of the discs of radius ra about a and rb about b, as a disc at b and the
// quadrilateral between the two discs' diameters across the segment.
void addSegment(QPainterPath &outline, QPointF a, double ra, QPointF b, double rb)
{
    static const bool positive = ellipsesWindPositive();
    outline.addEllipse(b, rb, rb);
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0.0)
        return;
    const QPointF n(-d.y() / length, d.x() / length);
    // In this order the quadrilateral winds negative.
    QPolygonF quad{a + n * ra, b + n * rb, b - n * rb, a - n * ra};
    if (positive)
        std::reverse(quad.begin(), quad.end());
    quad.append(quad.first());
    outline.addPolygon(quad);
}

} // namespace

QPainterPath FreehandElement::pressureOutline(const QRectF &reach) const
{
    const double full = penWidth();
    const double least = full * MinWidthShare;
    const auto radius = [&](double level) {
        return 0.5 * (least + (full - least) * level / FullPressure);
    };
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    // The pieces of the smoothed centre line, as buildPath() makes them, each cut into short
    // straight steps whose width follows the pressure from one end to the other.
    QPointF at(m_points.at(0));
    double atLevel = m_pressures.at(0);
    if (!reach.isValid() || reach.contains(at))
        outline.addEllipse(at, radius(atLevel), radius(atLevel));
    for (qsizetype i = 1; i < m_points.size(); ++i) {
        const QPointF cur(m_points.at(i));
        const double curLevel = m_pressures.at(i);
        QPointF control, to;
        double toLevel = curLevel;
        if (i <= 2) {
            control = (at + cur) / 2.0;
            to = cur;
        } else {
            const QPointF prev(m_points.at(i - 1));
            const double prevLevel = m_pressures.at(i - 1);
            control = prev;
            to = (prev + cur) / 2.0;
            toLevel = (prevLevel + curLevel) / 2.0;
        }
        const QRectF hull(QPointF(std::min({at.x(), control.x(), to.x()}) - full,
                                  std::min({at.y(), control.y(), to.y()}) - full),
                          QPointF(std::max({at.x(), control.x(), to.x()}) + full,
                                  std::max({at.y(), control.y(), to.y()}) + full));
        if (!reach.isValid() || reach.intersects(hull)) {
            const double along = std::hypot(control.x() - at.x(), control.y() - at.y()) +
                                 std::hypot(to.x() - control.x(), to.y() - control.y());
            const int steps = std::clamp(int(std::ceil(along / 4.0)), 1, 16);
            QPointF a = at;
            double ra = radius(atLevel);
            for (int step = 1; step <= steps; ++step) {
                const double t = double(step) / steps;
                const QPointF b = (1 - t) * (1 - t) * at + 2 * (1 - t) * t * control + t * t * to;
                const double rb = radius(atLevel + (toLevel - atLevel) * t);
                addSegment(outline, a, ra, b, rb);
                a = b;
                ra = rb;
            }
        }
        at = to;
        atLevel = toLevel;
    }
    return outline;
}

void FreehandElement::draw(QPainter *painter) const
{
    if (m_points.isEmpty())
        return;
    if (hasPressure() && penWidth() > 0) {
        // Filled as one path, so a translucent (highlighter) stroke blends once where its
        // pieces overlap.
        painter->setRenderHint(QPainter::Antialiasing, true);
        const QRectF reach = reachableArea(painter);
        if (reach.isValid() && !reach.contains(QRectF(m_pointBounds))) {
            painter->fillPath(pressureOutline(reach), penColor());
            return;
        }
        if (m_outline.isEmpty())
            m_outline = pressureOutline(QRectF());
        painter->fillPath(m_outline, penColor());
        return;
    }
    painter->setPen(elementPen());
    painter->setRenderHint(QPainter::Antialiasing, true);
    const QRectF reach = m_points.size() >= 2 ? reachableArea(painter) : QRectF();
    if (reach.isValid() && !reach.contains(QRectF(m_pointBounds))) {
        const QPainterPath near = reachablePath(reach);
        if (!near.isEmpty())
            painter->drawPath(near);
        return;
    }
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
