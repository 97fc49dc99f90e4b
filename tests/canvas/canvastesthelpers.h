#pragma once

#include "elements/drawingelement.h"
#include "mypainter.h"

#include <QImage>
#include <QObject>
#include <QPainter>
#include <QStringList>

#include <memory>

// A canvas of the given size whose effect timers are driven by the test.
inline std::unique_ptr<MyPainter> makeCanvas(int width = 400, int height = 300)
{
    auto canvas = std::make_unique<MyPainter>();
    canvas->setManualTiming(true);
    canvas->setSize(QSizeF(width, height));
    return canvas;
}

// What the scene graph would show: the item painted into a cleared image.
inline QImage shownImage(MyPainter &canvas)
{
    QImage image(int(canvas.width()), int(canvas.height()), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    canvas.paint(&painter);
    painter.end();
    return image;
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

inline QStringList idsOf(const MyPainter &canvas)
{
    QStringList ids;
    for (const auto &e : canvas.elements())
        ids << e->id();
    return ids;
}

inline QStringList stackSummary(const QList<HistoryAction> &stack)
{
    QStringList out;
    for (const HistoryAction &a : stack)
        out << QString::number(a.actionType) + QLatin1Char(':') + a.elementId;
    return out;
}
