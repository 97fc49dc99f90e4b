#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QString>

#include <atomic>
#include <optional>

// A picture of a whole drawing kept inside its file, so that a large drawing shows at once
// when it is opened, while the canvas builds its own rendering from the elements. The
// elements stay the truth: the picture names the file it was painted from by a digest of its
// bytes, and one that does not match them (a file changed by hand or by another program), or
// cannot be read, is ignored and the drawing opens without it.
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

    // The drawing file json (as DrawingFile::toJson writes it) with a picture of the part of
    // its drawing within desktop in it, painted at ratio device pixels per unit (coarser
    // where it would hold more than MaxPixels). Empty, with the reason in *why, when none
    // belongs there: a small drawing, one that does not open, a file that would grow past
    // the size limit, or cancel set meanwhile.
    static QByteArray stamped(const QByteArray &json, const QRect &desktop, qreal ratio,
                              const std::atomic<bool> *cancel = nullptr, QString *why = nullptr);

    // Where a file holds its picture, in the form stamped() writes it: last in the file.
    struct Found
    {
        qsizetype start = 0; // the file before it was what the picture was painted from
        QRect area;
        QByteArray digest;
        QSize size;            // in pixels
        QByteArrayView pixels; // base64, within the file
    };
    // The picture at the end of file; none when there is none, or with the reason in *why
    // when the file has one in another form.
    static std::optional<Found> find(const QByteArray &file, QString *why);
    // The picture found in file, unpacked; none, with the reason in *why, when it was painted
    // from another file or cannot be read.
    static std::optional<DrawingPicture> decode(const QByteArray &file, const Found &found,
                                                QString *why);
};
