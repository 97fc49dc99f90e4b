#pragma once

#include "devicepixels.h"
#include "elements/drawingelement.h"
#include "mypainter.h"

#include <QImage>
#include <QObject>
#include <QPainter>
#include <QStringList>

#include <algorithm>

#include <memory>

// A canvas of the given size whose effect timers are driven by the test.
inline std::unique_ptr<MyPainter> makeCanvas(int width = 400, int height = 300)
{
    auto canvas = std::make_unique<MyPainter>();
    canvas->document().setManualTiming(true);
    canvas->setSize(QSizeF(width, height));
    return canvas;
}

// What the scene graph would show: the item painted into a cleared image (of the item's size
// times the device pixel ratio).
inline QImage shownImage(MyPainter &canvas, qreal ratio = 1.0)
{
    QImage image(DevicePixels::fromItem(QSize(int(canvas.width()), int(canvas.height())), ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    canvas.paint(&painter);
    painter.end();
    return image;
}

// Follows the scene graph: the picture persists between frames, and each frame clears and
// repaints only the region the item asked for (all of it after a resize).
inline void repaintDirty(MyPainter &canvas, QImage &shown, qreal ratio = 1.0)
{
    const QSize size(int(canvas.width()), int(canvas.height()));
    QRect dirty = canvas.renderer().pendingDirtyRect();
    if (shown.size() != DevicePixels::fromItem(size, ratio)) {
        shown = QImage(DevicePixels::fromItem(size, ratio), QImage::Format_ARGB32_Premultiplied);
        shown.setDevicePixelRatio(ratio);
        shown.fill(Qt::transparent);
        dirty = QRect(QPoint(0, 0), size);
    }
    if (dirty.isEmpty() || shown.isNull())
        return;
    QPainter painter(&shown);
    DevicePixels::clearAndClip(&painter, dirty);
    canvas.paint(&painter);
}

// Largest difference of any premultiplied channel of two same-size pictures (-1: sizes differ).
inline int maxChannelDifference(const QImage &a, const QImage &b, QPoint *where = nullptr)
{
    if (a.size() != b.size())
        return -1;
    const QImage pa = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage pb = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int worst = 0;
    for (int y = 0; y < pa.height(); ++y) {
        const auto *la = reinterpret_cast<const QRgb *>(pa.constScanLine(y));
        const auto *lb = reinterpret_cast<const QRgb *>(pb.constScanLine(y));
        if (std::equal(la, la + pa.width(), lb))
            continue;
        for (int x = 0; x < pa.width(); ++x) {
            const QRgb p = la[x], q = lb[x];
            const int d =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            if (d > worst) {
                worst = d;
                if (where)
                    *where = QPoint(x, y);
            }
        }
    }
    return worst;
}

inline QImage renderElement(const DrawingElement &element, int width = 200, int height = 120)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setBrush(QBrush(Qt::transparent));
    element.draw(&painter);
    return image;
}

inline void stroke(MyPainter &canvas, const QList<QPoint> &points, bool shift = false)
{
    canvas.beginPaint(points.first());
    for (qsizetype i = 1; i < points.size(); ++i)
        canvas.movePaint(points.at(i), shift);
}

// Records the notify signals of a canvas in the order they arrive.
class SignalLog : public QObject
{
public:
    explicit SignalLog(MyPainter *canvas)
    {
        const auto record = [this](const char *name) { return [this, name] { names << name; }; };
        connect(canvas, &MyPainter::isBreathChanged, this, record("isBreath"));
        connect(canvas, &MyPainter::penSizeChanged, this, record("penSize"));
        connect(canvas, &MyPainter::penColorChanged, this, record("penColor"));
        connect(canvas, &MyPainter::penOpacityChanged, this, record("penOpacity"));
        connect(canvas, &MyPainter::canUndoChanged, this, record("canUndo"));
        connect(canvas, &MyPainter::canRedoChanged, this, record("canRedo"));
        connect(canvas, &MyPainter::eraserModeChanged, this, record("eraserMode"));
        connect(canvas, &MyPainter::textToDrawChanged, this, record("textToDraw"));
        connect(canvas, &MyPainter::textSizeChanged, this, record("textSize"));
        connect(canvas, &MyPainter::drawModeChanged, this, record("drawMode"));
        connect(canvas, &MyPainter::fadeOutTimeChanged, this, record("fadeOutTime"));
    }
    QStringList names;
};

// Where the breathing job aims (-1 without a job) and the element count it saw last.
inline int breathTargetIndex(const MyPainter &canvas)
{
    const BreathingJob *job = canvas.document().breathingJob();
    return job ? job->targetIndex() : -1;
}

inline int breathLastCount(const MyPainter &canvas)
{
    const BreathingJob *job = canvas.document().breathingJob();
    return job ? job->lastCount() : 0;
}

inline QStringList idsOf(const MyPainter &canvas)
{
    QStringList ids;
    for (const auto &e : canvas.document().elements())
        ids << e->id();
    return ids;
}

inline QStringList stackSummary(const History::Stack &stack)
{
    QStringList out;
    for (const auto &command : stack)
        out << command->name() + QLatin1Char(':') + command->elementId();
    return out;
}
