#pragma once

#include "breathingjob.h"
#include "elements/drawingelement.h"
#include "fadeoutjob.h"
#include "history.h"
#include "strokesmoother.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>

#include <memory>

// A drawing: its elements in stacking order (index 0 at the bottom), their history, the
// gesture in progress and the timed effects on them. It needs no window; whoever shows it
// follows `changed` and repaints the region named there.
class DrawingDocument : public QObject
{
    Q_OBJECT

public:
    using ElementPtr = std::shared_ptr<DrawingElement>;

    explicit DrawingDocument(QObject *parent = nullptr);
    ~DrawingDocument() override;

    // The tool for the next gestures. Switching the mode or the eraser drops the gesture
    // in progress; the next move starts a new one.
    ElementKind drawMode() const { return m_drawMode; }
    void setDrawMode(ElementKind mode);
    bool isEraserMode() const { return m_eraserMode; }
    void setEraserMode(bool on);
    const PenStyle &pen() const { return m_pen; }
    void setPen(const PenStyle &pen) { m_pen = pen; }

    // Whether the freehand strokes begun from now on are smoothed: each takes the jitter out
    // of the points behind its tip as it grows (see StrokeSmoother), and keeps what is shown.
    bool isSmoothing() const { return m_smoothing; }
    void setSmoothing(bool on) { m_smoothing = on; }

    // Press, move with the button held, release; pressure is the pen's (0 to 1), a mouse's
    // is 1. The release point keeps the pressure of the move before it.
    void beginPaint(QPoint pos, double pressure = 1.0);
    void movePaint(QPoint pos, bool shiftPressed, double pressure = 1.0);
    void endPaint(QPoint pos, bool shiftPressed);
    void addText(QPoint pos, const QString &text, int fontSize);
    // Appends a ready-made element as if it had just been drawn (recorded as an Add).
    void addElement(const ElementPtr &element);
    // Removes every element as one undoable step.
    void clear();
    // Puts another drawing (an opened file) in place of this one as one undoable step: undo
    // brings back the drawing before, redo the new one again. circleCounter is the last
    // number handed out to a numbered circle in the new drawing.
    void replaceAll(const QList<ElementPtr> &elements, int circleCounter);

    void undo();
    void redo();
    // Removes the topmost element that p hits; whether there was one.
    bool deleteElement(QPoint p, int tolerance);

    // Fades the bottom element out and removes it.
    void undoGradient();
    // Pulses the newest element with the period time (ms; 0 stops, 1..100 and negative
    // mean 3000).
    void repeatDraw(int time);
    // With manual timing the effect jobs get their timers but do not start them; whoever
    // drives the document calls tick() on the jobs instead.
    void setManualTiming(bool manual) { m_manualTiming = manual; }
    QList<FadeOutJob *> fadeOutJobs() const;
    BreathingJob *breathingJob() const;

    // Used by the effect jobs: gives an element another opacity, and takes the bottom
    // element away as an undoable deletion that keeps what there is to redo.
    void changeOpacity(const ElementPtr &element, double opacity);
    // A fade-out step: like changeOpacity, but the element gets its opacity from before the
    // fade back once it leaves the canvas, so undo never brings back a faded ghost.
    void fadeStep(const ElementPtr &element, double opacity);
    void deleteBottomElement();

    const QList<ElementPtr> &elements() const { return m_elements; }
    const History &history() const { return m_history; }
    int circleCounter() const { return m_circleCounter; }
    const Stroke &stroke() const { return m_stroke; }
    ElementPtr currentElement() const { return m_current.lock(); }
    bool newElementPending() const { return m_newElementPending; }
    // The element the breathing job pulses right now, if any.
    ElementPtr breathTarget() const;
    // The opacity an element has when no fade or pulse is changing it: what a saved
    // drawing keeps.
    double restingOpacity(const ElementPtr &element) const;

signals:
    // The pixels in region may differ now. Sent for every change, even one that alters
    // nothing (region empty then).
    void changed(const QRect &region);
    void canUndoChanged();
    void canRedoChanged();
    // Whether the pulse is showing; sent at every breathing step and when it stops.
    void breathingChanged(bool shown);

private:
    // The pen new elements take.
    PenStyle elementPen() const;
    void resetGesture();
    void append(const ElementPtr &element);
    void emitHistoryChanged();
    QRect eraseStep(QPoint pos);
    // Leaves every element as a full render would for its hit test.
    void prepareHitTests() const;
    void stopBreathing();
    // Gives every fading element that has left the canvas its opacity from before the fade.
    void settleFading();

    QList<ElementPtr> m_elements;
    History m_history;
    Stroke m_stroke;
    std::weak_ptr<DrawingElement> m_current;
    bool m_newElementPending = false;
    bool m_smoothing = false;
    bool m_smoothingStroke = false; // whether the gesture in progress is smoothed
    StrokeSmoother m_smoother;
    int m_circleCounter = 0;

    ElementKind m_drawMode = ElementKind::Freehand;
    bool m_eraserMode = false;
    PenStyle m_pen{QColor(QStringLiteral("red")), 5, 1.0};

    QList<QPointer<FadeOutJob>> m_fadeJobs;
    QList<std::pair<ElementPtr, double>> m_fading; // element, opacity before its fade
    QPointer<BreathingJob> m_breathJob;
    bool m_manualTiming = false;
};
