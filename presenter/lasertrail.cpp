#include "lasertrail.h"

#include <algorithm>

LaserTrail::LaserTrail(qreal margin, qint64 lifetimeMs)
    : m_margin(margin), m_lifetime(std::max<qint64>(lifetimeMs, 1))
{
}

void LaserTrail::add(QPointF position, qint64 ms)
{
    bool joined = false;
    if (!m_samples.isEmpty() && m_samples.last().leftAt < 0) {
        if (m_samples.last().position == position)
            return;
        m_samples.last().leftAt = ms;
        joined = true;
    }
    m_samples.append({position, -1, joined});
}

void LaserTrail::release(qint64 ms)
{
    if (!m_samples.isEmpty() && m_samples.last().leftAt < 0)
        m_samples.last().leftAt = ms;
}

void LaserTrail::clear()
{
    m_samples.clear();
}

qreal LaserTrail::opacity(const Sample &sample, qint64 ms) const
{
    if (sample.leftAt < 0)
        return 1.0;
    return std::clamp(1.0 - qreal(ms - sample.leftAt) / qreal(m_lifetime), 0.0, 1.0);
}

QList<LaserTrail::Point> LaserTrail::points(qint64 ms) const
{
    QList<Point> visible;
    visible.reserve(m_samples.size());
    for (const Sample &sample : m_samples) {
        if (const qreal alpha = opacity(sample, ms); alpha > 0)
            visible.append({sample.position, alpha, sample.joined && !visible.isEmpty()});
    }
    return visible;
}

bool LaserTrail::isFading(qint64 ms) const
{
    return std::any_of(m_samples.cbegin(), m_samples.cend(), [&](const Sample &sample) {
        return sample.leftAt >= 0 && opacity(sample, ms) > 0;
    });
}

QRectF LaserTrail::bounds(qint64 ms) const
{
    QRectF covered;
    for (const Sample &sample : m_samples) {
        if (opacity(sample, ms) <= 0)
            continue;
        const QRectF around(sample.position - QPointF(m_margin, m_margin),
                            QSizeF(2 * m_margin, 2 * m_margin));
        covered = covered.isEmpty() ? around : covered.united(around);
    }
    return covered;
}

bool LaserTrail::meets(const QRectF &area, qint64 ms) const
{
    const QRectF reached = area.adjusted(-m_margin, -m_margin, m_margin, m_margin);
    for (qsizetype i = 0; i < m_samples.size(); ++i) {
        const Sample &sample = m_samples.at(i);
        if (opacity(sample, ms) <= 0)
            continue;
        QPointF from = sample.position;
        if (i > 0 && sample.joined && opacity(m_samples.at(i - 1), ms) > 0)
            from = m_samples.at(i - 1).position;
        // Closed on every side: a point or a straight way has no width before the margin.
        const QPointF low(std::min(from.x(), sample.position.x()),
                          std::min(from.y(), sample.position.y()));
        const QPointF high(std::max(from.x(), sample.position.x()),
                           std::max(from.y(), sample.position.y()));
        if (low.x() <= reached.right() && high.x() >= reached.left() &&
            low.y() <= reached.bottom() && high.y() >= reached.top())
            return true;
    }
    return false;
}

QRectF LaserTrail::nextFrame(qint64 ms)
{
    // Places are left in order, so the faded ones lead.
    const auto faded = std::find_if(m_samples.cbegin(), m_samples.cend(),
                                    [&](const Sample &sample) { return opacity(sample, ms) > 0; });
    m_samples.erase(m_samples.cbegin(), faded);
    const QRectF shown = bounds(ms);
    const QRectF changed = m_shown | shown;
    m_shown = shown;
    return changed;
}
