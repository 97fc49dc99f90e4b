#pragma once

#include <QDeadlineTimer>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QTransform>

#include <array>
#include <vector>

class DrawingElement;

// Up to two full-size layers (premultiplied ARGB32, the format the reference picture is
// painted in, so that they hold the very same pixels), each holding a rendering of a run of
// consecutive elements that are not changing at the moment. A layer has the device pixels of
// the view (item size times the device pixel ratio); the drawing reaches them through the
// view's transform. Bringing a layer up to date repaints only the region of the elements that
// left it, changed or joined it.
class LayerCache
{
public:
    static constexpr int MaxLayers = 2;
    using Run = QList<const DrawingElement *>;

    // Makes layer i hold runs[i] (at most MaxLayers runs), reusing whatever the layers hold.
    // The layers have deviceSize pixels, onto which toDevice takes the drawing. Past the
    // deadline a layer stops after the element it is drawing and holds the first part of
    // its run only, bottom first; the next update goes on from there. Returns the region of
    // the elements drawn on top of what the layers held (in the drawing's coordinates).
    QRect update(const QList<Run> &runs, const QTransform &toDevice, QSize deviceSize,
                 const QDeadlineTimer &deadline = QDeadlineTimer(QDeadlineTimer::Forever));
    // Whether the last update left every layer holding its whole run.
    bool isComplete() const { return m_complete; }
    const QImage &image(int layer) const { return m_layers.at(layer).image; }
    // Drops the layers and their images.
    void release();
    int imageCount() const;
    qint64 imageBytes() const;

private:
    struct Entry
    {
        quint64 serial;
        quint64 revision;
        QRect bounds;
    };
    struct Layer
    {
        QImage image;
        QTransform toDevice;
        std::vector<Entry> members;
    };

    static bool holdsExactly(const Layer &layer, const Run &run);
    static int sharedCount(const Layer &layer, const Run &run);
    // Whether the layer holds all of run when it returns; the region drawn on top in *drawn.
    // area is what the layer shows, in the drawing's coordinates.
    bool bringUpToDate(Layer &layer, const Run &run, const QTransform &toDevice, QSize deviceSize,
                       const QRect &area, const QDeadlineTimer &deadline, QRect *drawn);

    std::array<Layer, MaxLayers> m_layers;
    bool m_complete = true;
};
