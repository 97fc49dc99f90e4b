#include "laserrenderer.h"

#include "lasertrail.h"

#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <map>

namespace {

const QColor laserRed(255, 32, 24);
constexpr qreal dotRadius = 6.0;
constexpr qreal glowRadius = LaserRenderer::reach - 2.0;

// The trail's core width at full brightness and what is left of it at the end.
constexpr qreal trailWidth = 8.0;
constexpr qreal tailWidth = 2.0;
// A trail goes in runs of at most this many segments, whose brightness differs by less
// than this.
constexpr qsizetype maxRunLength = 16;
constexpr qreal runFading = 0.04;

QColor withAlpha(QColor colour, qreal alpha)
{
    colour.setAlphaF(float(alpha));
    return colour;
}

// The dot with its glow, at this many device pixels per item pixel.
QImage renderDot(qreal ratio)
{
    const int side = int(std::ceil(2 * glowRadius * ratio));
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPointF centre(glowRadius, glowRadius);
    QRadialGradient glow(centre, glowRadius);
    glow.setColorAt(0.0, withAlpha(laserRed, 0.55));
    glow.setColorAt(0.35, withAlpha(laserRed, 0.35));
    glow.setColorAt(1.0, withAlpha(laserRed, 0.0));
    painter.setBrush(glow);
    painter.drawEllipse(centre, glowRadius, glowRadius);
    // A hot centre, nearly white, as a laser dot on a wall.
    QRadialGradient core(centre, dotRadius);
    core.setColorAt(0.0, QColor(255, 236, 230));
    core.setColorAt(0.45, QColor(255, 90, 70));
    core.setColorAt(1.0, laserRed);
    painter.setBrush(core);
    painter.drawEllipse(centre, dotRadius, dotRadius);
    return picture;
}

// Made once for each scale; the scene graph paints in its own thread, the benchmarks in
// theirs.
const QImage &dotPicture(qreal ratio)
{
    thread_local std::map<qreal, QImage> pictures;
    auto found = pictures.find(ratio);
    if (found == pictures.end())
        found = pictures.emplace(ratio, renderDot(ratio)).first;
    return found->second;
}

} // namespace

void LaserRenderer::paint(QPainter *painter, const LaserTrail &trail, qint64 ms, const QRectF &area)
{
    const QList<LaserTrail::Point> points = trail.points(ms);
    if (points.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    // The trail goes as short polylines of nearly the same brightness: one stroke each
    // instead of one per pointer event. Each replaces what lies under it instead of adding
    // to it, so that their overlapping ends build no beads; newer ones come later and win.
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    QPolygonF run;
    for (const bool glow : {true, false}) {
        for (qsizetype first = 0; first + 1 < points.size();) {
            qsizetype last = first + 1;
            if (!points.at(last).joined) {
                first = last;
                continue;
            }
            while (last + 1 < points.size() && points.at(last + 1).joined &&
                   last - first < maxRunLength &&
                   points.at(last).opacity - points.at(first).opacity < runFading)
                ++last;
            // The run fades with its older half, which the pointer left first.
            const qreal alpha = points.at((first + last - 1) / 2).opacity;
            run.clear();
            QRectF span;
            for (qsizetype i = first; i <= last; ++i) {
                run.append(points.at(i).position);
                span |= QRectF(points.at(i).position, QSizeF(1, 1));
            }
            first = last;
            // Further back the glow would be too faint to see.
            if (glow && alpha < 0.4)
                continue;
            if (!span.adjusted(-reach, -reach, reach, reach).intersects(area))
                continue;
            const qreal width = tailWidth + (trailWidth - tailWidth) * alpha;
            painter->setPen(QPen(withAlpha(laserRed, glow ? 0.28 * alpha * alpha : alpha),
                                 glow ? 3.0 * width : width, Qt::SolidLine, Qt::RoundCap,
                                 Qt::BevelJoin));
            painter->drawPolyline(run);
        }
    }
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    const LaserTrail::Point &dot = points.last();
    if (QRectF(dot.position, QSizeF(0, 0))
            .adjusted(-reach, -reach, reach, reach)
            .intersects(area)) {
        // Copied one to one onto whole device pixels: crisp, and far cheaper than drawing
        // its gradients again on every tile of every frame.
        const qreal ratio = painter->device()->devicePixelRatio();
        const QImage &picture = dotPicture(ratio);
        const QPointF corner(std::round((dot.position.x() - glowRadius) * ratio) / ratio,
                             std::round((dot.position.y() - glowRadius) * ratio) / ratio);
        painter->setOpacity(dot.opacity);
        painter->drawImage(corner, picture);
    }
    painter->restore();
}
