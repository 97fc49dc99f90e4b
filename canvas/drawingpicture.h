#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonValue>
#include <QRect>
#include <QString>

#include <atomic>
#include <optional>

// A picture of a whole drawing kept inside its file, so that a large drawing shows at once
// when it is opened, while the canvas builds its own rendering from the elements. The
// elements stay the truth: the picture names the elements it shows by a digest of them, and
// one that does not match them, or cannot be read, is ignored and the drawing opens without.
class DrawingPicture
{
    Q_DECLARE_TR_FUNCTIONS(DrawingPicture)

public:
    // Smaller drawings show in a few frames without one, and their files stay small.
    static constexpr int MinElements = 1000;
    // A picture holds at most this many pixels (a 4K screen has 8.3 million); a drawing
    // spread wider gets a coarser picture, and none below a quarter of the screen's
    // resolution, where it would show a blur.
    static constexpr qint64 MaxPixels = 4096 * 4096;

    // Premultiplied, image.width() / area.width() pixels per unit of the drawing.
    QImage image;
    // What it shows, in the drawing's coordinates.
    QRect area;

    bool isNull() const { return image.isNull(); }

    // What a picture names the elements it shows by: a digest of the elements list as a
    // file holds it.
    static QByteArray digest(const QJsonArray &elements);

    // The drawing file json with a picture of its drawing in it, painted at ratio device
    // pixels per unit (coarser where it would hold more than MaxPixels). Empty, with the
    // reason in *why, when none belongs there: a small drawing, one that does not open, a
    // file that would grow past the size limit, or cancel set meanwhile.
    static QByteArray stamped(const QByteArray &json, qreal ratio,
                              const std::atomic<bool> *cancel = nullptr, QString *why = nullptr);

    // The picture of a file's "picture" value, which must show elements; none when there is
    // none, or with the reason in *why when it cannot be used.
    static std::optional<DrawingPicture> read(const QJsonValue &value, const QJsonArray &elements,
                                              QString *why);
};
