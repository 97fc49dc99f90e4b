#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QTransform>

#include <array>
#include <vector>

class DrawingElement;

// Up to two full-size layers (ARGB32 like the reference picture, so that they hold the very
// same pixels), each holding a rendering of a run of consecutive elements that
// are not changing at the moment. A layer has the device pixels of the view (item size times
// the device pixel ratio); the drawing reaches them through the view's transform. Bringing a
// layer up to date repaints only the region of the elements that left it, changed or joined it.
class LayerCache
{
public:
    static constexpr int MaxLayers = 2;
    using Run = QList<const DrawingElement *>;

    // Makes layer i hold runs[i] (at most MaxLayers runs), reusing whatever the layers hold.
    // The layers have deviceSize pixels, onto which toDevice takes the drawing.
    void update(const QList<Run> &runs, const QTransform &toDevice, QSize deviceSize);
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
    void bringUpToDate(Layer &layer, const Run &run, const QTransform &toDevice,
                       QSize deviceSize);

    std::array<Layer, MaxLayers> m_layers;
};
