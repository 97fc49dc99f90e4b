#pragma once

#include "breathingjob.h"
#include "fadeoutjob.h"
#include "historyaction.h"
#include "layercache.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QQuickPaintedItem>
#include <QRect>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <memory>

class DrawingElement;

// The annotation canvas: keeps everything drawn as a list of vector elements with an
// undo/redo history and renders it into an image that the item shows.
class MyPainter : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(bool isBreath READ isBreath WRITE setIsBreath NOTIFY isBreathChanged FINAL)
    Q_PROPERTY(int penSize READ penSize WRITE setPenSize NOTIFY penSizeChanged FINAL)
    Q_PROPERTY(QColor penColor READ penColor WRITE setPenColor NOTIFY penColorChanged FINAL)
    Q_PROPERTY(double penOpacity READ penOpacity WRITE setPenOpacity NOTIFY penOpacityChanged FINAL)
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY canUndoChanged FINAL)
    Q_PROPERTY(bool canRedo READ canRedo NOTIFY canRedoChanged FINAL)
    Q_PROPERTY(
        bool isEraserMode READ isEraserMode WRITE setIsEraserMode NOTIFY eraserModeChanged FINAL)
    Q_PROPERTY(
        QString textToDraw READ textToDraw WRITE setTextToDraw NOTIFY textToDrawChanged FINAL)
    Q_PROPERTY(int textSize READ textSize WRITE setTextSize NOTIFY textSizeChanged FINAL)
    Q_PROPERTY(int drawMode READ drawMode WRITE setDrawMode NOTIFY drawModeChanged FINAL)
    Q_PROPERTY(
        int fadeOutTime READ fadeOutTime WRITE setFadeOutTime NOTIFY fadeOutTimeChanged FINAL)

public:
    enum DrawMode {
        FreehandMode = 0,
        LineMode = 1,
        CircleMode = 2,
        RectangleMode = 3,
        ArrowMode = 4,
        TextMode = 5,
        NumberedCircleMode = 6
    };
    Q_ENUM(DrawMode)

    // How the item turns the element list into pixels. Reference re-renders every element
    // into a fresh full-size image on every change; Cached keeps the unchanged elements in
    // layers and repaints only the region that changed. Both show the same picture.
    enum class Rendering { Reference, Cached };

    explicit MyPainter(QQuickItem *parent = nullptr);
    ~MyPainter() override;

    bool isBreath() const { return m_isBreath; }
    void setIsBreath(bool value);
    int penSize() const { return m_penSize; }
    void setPenSize(int value);
    QColor penColor() const { return m_penColor; }
    void setPenColor(const QColor &value);
    double penOpacity() const { return m_penOpacity; }
    void setPenOpacity(double value);
    bool canUndo() const { return !m_undoStack.isEmpty(); }
    bool canRedo() const { return !m_redoStack.isEmpty(); }
    bool isEraserMode() const { return m_isEraserMode; }
    void setIsEraserMode(bool value);
    QString textToDraw() const { return m_textToDraw; }
    void setTextToDraw(const QString &value);
    int textSize() const { return m_textSize; }
    void setTextSize(int value);
    int drawMode() const { return m_drawMode; }
    void setDrawMode(int value);
    int fadeOutTime() const { return m_fadeOutTime; }
    void setFadeOutTime(int value);

    Q_INVOKABLE void beginPaint(QPoint pos);
    Q_INVOKABLE void movePaint(QPoint pos, bool shiftPressed);
    Q_INVOKABLE void undo();
    Q_INVOKABLE void redo();
    Q_INVOKABLE void undoGradient();
    Q_INVOKABLE void clear();
    Q_INVOKABLE void addText(QPoint pos);
    Q_INVOKABLE QString getExePath() const;
    Q_INVOKABLE void endPaint(QPoint pos, bool shiftPressed);
    Q_INVOKABLE bool deleteElement(QPoint clickPos, int tolerance = 10);
    Q_INVOKABLE void renderToImage();
    Q_INVOKABLE void repeatDraw(int time = 3000);

    void paint(QPainter *painter) override;

    // --- C++ side only: used by the program's tests and benchmarks ---

    // Appends a ready-made element as if it had just been drawn (recorded as an Add).
    void addElement(std::shared_ptr<DrawingElement> element);
    const QList<std::shared_ptr<DrawingElement>> &elements() const { return m_elements; }
    const QList<HistoryAction> &undoStack() const { return m_undoStack; }
    const QList<HistoryAction> &redoStack() const { return m_redoStack; }
    int circleCounter() const { return m_circleCounter; }
    QPoint startPoint() const { return m_startPoint; }
    const QList<QPoint> &currentPoints() const { return m_currentPoints; }
    std::shared_ptr<DrawingElement> currentElement() const { return m_currentElement.lock(); }
    bool newElementPending() const { return m_newElementPending; }
    // The image the reference renderer keeps (null in cached rendering).
    const QImage &canvasImage() const { return m_canvasImage; }

    // Full re-render of the element list as the reference renderer does it.
    QImage renderAll() const;

    Rendering rendering() const { return m_rendering; }
    void setRendering(Rendering rendering);
    // Region that changed since the last paint (what the item asked the scene graph to
    // repaint); the whole item after a full update.
    QRect pendingDirtyRect() const { return m_dirty; }
    // Full-size images the canvas holds right now (layers, a kept picture, the reference image).
    int imageCount() const;

    // With manual timing the effect jobs get their timers but do not start them; whoever
    // drives the canvas calls tick() on the jobs instead.
    void setManualTiming(bool manual) { m_manualTiming = manual; }
    QList<FadeOutJob *> fadeOutJobs() const;
    BreathingJob *breathingJob() const { return m_breathJob; }
    int breathTargetIndex() const { return m_breathTargetIndex; }
    double breathSavedOpacity() const { return m_breathSavedOpacity; }
    int breathLastCount() const { return m_breathLastCount; }

signals:
    void isBreathChanged();
    void penSizeChanged();
    void penColorChanged();
    void penOpacityChanged();
    void canUndoChanged();
    void canRedoChanged();
    void eraserModeChanged();
    void textToDrawChanged();
    void textSizeChanged();
    void drawModeChanged();
    void fadeOutTimeChanged();

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    friend class FadeOutJob;
    friend class BreathingJob;

    using ElementPtr = std::shared_ptr<DrawingElement>;

    int indexOf(const QString &id) const;
    void createElement(const ElementPtr &element);
    void recordAdd(const ElementPtr &element);
    void recordDelete(const ElementPtr &element);
    void trimUndoStack();
    QRect eraseStep(QPoint pos);
    void resetGesture();
    void emitHistoryChanged();

    void fadeTick(FadeOutJob *job);
    void breathTick();
    void stopBreathJob();
    QRect restoreBreathTarget();

    // Every change ends here. `changed` is the region whose pixels may differ afterwards;
    // an empty one means none, but the call still counts as a change (it ends the picture
    // kept since a resize).
    void redrawCanvas(const QRect &changed);
    void redrawAll() { redrawCanvas(bounds()); }
    // Leaves the elements as a full render would for their hit tests.
    void prepareHitTests() const;
    void requestRepaint(const QRect &region);
    QRect bounds() const;
    void paintCached(QPainter *painter, const QRect &area);

    QList<ElementPtr> m_elements;
    QList<HistoryAction> m_undoStack;
    QList<HistoryAction> m_redoStack;
    QList<QPoint> m_currentPoints;
    QPoint m_startPoint;
    std::weak_ptr<DrawingElement> m_currentElement;
    bool m_newElementPending = false;
    int m_circleCounter = 0;
    QImage m_canvasImage;

    bool m_isBreath = false;
    int m_penSize = 5;
    QColor m_penColor = QColor(QStringLiteral("red"));
    double m_penOpacity = 1.0;
    bool m_isEraserMode = false;
    QString m_textToDraw;
    int m_textSize = 20;
    int m_drawMode = FreehandMode;
    int m_fadeOutTime = 0;

    QList<QPointer<FadeOutJob>> m_fadeJobs;
    QPointer<BreathingJob> m_breathJob;
    int m_breathTargetIndex = -1;
    double m_breathSavedOpacity = 1.0;
    int m_breathLastCount = 0;
    // The element the pulse changed, given its own opacity back when the pulse moves on.
    std::weak_ptr<DrawingElement> m_breathTarget;
    bool m_manualTiming = false;

    Rendering m_rendering = Rendering::Cached;
    LayerCache m_layers;
    // After a resize the picture stays as it was until the next change.
    bool m_frozen = false;
    QImage m_keptPicture;
    QImage m_tile;
    QRect m_dirty;
};
