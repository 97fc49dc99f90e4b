#include "layercache.h"

#include "elements/drawingelement.h"

#include <QPainter>

#include <unordered_map>
#include <unordered_set>

namespace {

// Draws the elements that meet clip (all when it is null); past the deadline it stops after
// the first element drawn and returns where it stopped. *drawn grows by what it drew.
LayerCache::Run::const_iterator
drawRange(QPainter &painter, LayerCache::Run::const_iterator begin,
          LayerCache::Run::const_iterator end, const QRect &clip,
          const QDeadlineTimer &deadline = QDeadlineTimer(QDeadlineTimer::Forever),
          QRect *drawn = nullptr)
{
    bool any = false;
    for (auto it = begin; it != end; ++it) {
        if (any && deadline.hasExpired())
            return it;
        const QRect bounds = (*it)->boundingRect();
        if (!clip.isNull() && !bounds.intersects(clip))
            continue;
        painter.setBrush(QBrush(Qt::transparent));
        (*it)->draw(&painter);
        any = true;
        if (drawn)
            *drawn |= bounds;
    }
    return end;
}

void preparePainter(QPainter &painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
}

} // namespace

bool LayerCache::holdsExactly(const Layer &layer, const Run &run)
{
    if (layer.image.isNull() || layer.members.size() != size_t(run.size()))
        return false;
    for (qsizetype i = 0; i < run.size(); ++i) {
        const Entry &m = layer.members[size_t(i)];
        if (m.serial != run.at(i)->serial() || m.revision != run.at(i)->revision())
            return false;
    }
    return true;
}

int LayerCache::sharedCount(const Layer &layer, const Run &run)
{
    if (layer.image.isNull())
        return -1;
    std::unordered_set<quint64> serials;
    serials.reserve(layer.members.size());
    for (const Entry &m : layer.members)
        serials.insert(m.serial);
    int shared = 0;
    for (const DrawingElement *e : run)
        shared += serials.count(e->serial()) ? 1 : 0;
    return shared;
}

QRect LayerCache::update(const QList<Run> &runs, const QTransform &toDevice, QSize deviceSize,
                         const QDeadlineTimer &deadline)
{
    const int count = int(std::min<qsizetype>(runs.size(), MaxLayers));
    // Layer i serves run i. When the runs moved between the layers (a run before the
    // elements in change became the one after them), swap the layers instead of repainting.
    if (count == 2 || (count == 1 && !m_layers[1].image.isNull())) {
        const Run empty;
        const Run &first = runs.at(0);
        const Run &second = count == 2 ? runs.at(1) : empty;
        const int keep = sharedCount(m_layers[0], first) + sharedCount(m_layers[1], second);
        const int swapped = sharedCount(m_layers[1], first) + sharedCount(m_layers[0], second);
        if (swapped > keep)
            std::swap(m_layers[0], m_layers[1]);
    }
    // What the layers show, in the drawing's coordinates.
    const QRect area =
        toDevice.inverted().mapRect(QRectF(QPoint(0, 0), deviceSize)).toAlignedRect();
    QRect drawn;
    m_complete = true;
    for (int i = 0; i < count; ++i) {
        const Layer &layer = m_layers[i];
        if (!holdsExactly(layer, runs.at(i)) || layer.image.size() != deviceSize ||
            layer.toDevice != toDevice)
            m_complete = bringUpToDate(m_layers[i], runs.at(i), toDevice, deviceSize, area,
                                       deadline, &drawn) &&
                         m_complete;
    }
    return drawn;
}

bool LayerCache::bringUpToDate(Layer &layer, const Run &run, const QTransform &toDevice,
                               QSize deviceSize, const QRect &area, const QDeadlineTimer &deadline,
                               QRect *drawn)
{
    bool full = layer.image.size() != deviceSize || layer.toDevice != toDevice;
    if (full) {
        layer.toDevice = toDevice;
        layer.image = QImage(deviceSize, QImage::Format_ARGB32_Premultiplied);
        if (layer.image.isNull()) {
            layer.members.clear();
            return true;
        }
    }

    // Walk the layer's members along the run: what left, changed or came in between
    // damages its region; elements past the old end are simply painted on top.
    QRect damage;
    qsizetype appendFrom = run.size();
    if (!full) {
        std::unordered_map<quint64, size_t> position;
        position.reserve(layer.members.size());
        for (size_t i = 0; i < layer.members.size(); ++i)
            position.emplace(layer.members[i].serial, i);
        size_t next = 0; // next member the run must meet in order
        qsizetype i = 0;
        for (; i < run.size() && next < layer.members.size(); ++i) {
            const DrawingElement *e = run.at(i);
            const auto found = position.find(e->serial());
            if (found == position.end()) {
                damage |= e->boundingRect(); // inserted between members
                continue;
            }
            if (found->second < next) { // order changed: start afresh
                full = true;
                break;
            }
            for (; next < found->second; ++next)
                damage |= layer.members[next].bounds; // members that left
            const Entry &m = layer.members[next++];
            if (m.revision != e->revision())
                damage |= m.bounds | e->boundingRect();
        }
        if (!full) {
            for (; next < layer.members.size(); ++next)
                damage |= layer.members[next].bounds;
            appendFrom = i;
        }
        // Damage all over (another drawing opened in place of this one) is a fresh start,
        // which a frame's deadline can spread over several frames.
        if (!full && (damage & area) == area)
            full = true;
    }

    QPainter painter(&layer.image);
    // A view of one screen holds the part of the drawing that lies on that screen.
    painter.setWorldTransform(toDevice);
    Run::const_iterator stop;
    if (full) {
        layer.image.fill(Qt::transparent);
        preparePainter(painter);
        stop = drawRange(painter, run.cbegin(), run.cend(), area, deadline, drawn);
    } else {
        // Cleared and clipped in whole device pixels, the ones the damage touches.
        const QRect deviceDamage =
            damage.isEmpty()
                ? QRect()
                : toDevice.mapRect(QRectF(damage)).toAlignedRect() & layer.image.rect();
        if (!deviceDamage.isEmpty()) {
            painter.resetTransform();
            painter.setClipRect(deviceDamage);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(deviceDamage, Qt::transparent);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.setWorldTransform(toDevice);
            preparePainter(painter);
            drawRange(painter, run.cbegin(), run.cbegin() + appendFrom,
                      painter.clipBoundingRect().toAlignedRect());
            painter.setClipping(false);
        }
        preparePainter(painter);
        stop = drawRange(painter, run.cbegin() + appendFrom, run.cend(), area, deadline, drawn);
    }
    painter.end();

    // The layer holds the run up to where drawing stopped.
    layer.members.clear();
    layer.members.reserve(size_t(stop - run.cbegin()));
    for (auto it = run.cbegin(); it != stop; ++it)
        layer.members.push_back(Entry{(*it)->serial(), (*it)->revision(), (*it)->boundingRect()});
    return stop == run.cend();
}

void LayerCache::release()
{
    for (Layer &layer : m_layers) {
        layer.image = QImage();
        layer.members.clear();
    }
}

int LayerCache::imageCount() const
{
    int n = 0;
    for (const Layer &layer : m_layers)
        n += layer.image.isNull() ? 0 : 1;
    return n;
}

qint64 LayerCache::imageBytes() const
{
    qint64 bytes = 0;
    for (const Layer &layer : m_layers)
        bytes += layer.image.sizeInBytes();
    return bytes;
}
