#pragma once

#include "breathingjob.h"
#include "drawingpicture.h"
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
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

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
    // A picture of the elements just opened (see DrawingPicture): views show it while they
    // build their own rendering of them. It is dropped once any of those elements changes
    // or leaves; elements added on top leave it be.
    void setOpenedPicture(const DrawingPicture &picture);
    // That picture, how many elements from the bottom it shows and their bounds; none once
    // it is gone.
    const DrawingPicture *openedPicture(qsizetype *shows, QRect *bounds = nullptr) const;

    // A move in progress ends first, and is undone as a step of its own.
    void undo();
    void redo();
    // Removes the topmost element that p hits; whether there was one.
    bool deleteElement(QPoint p, int tolerance);

    // The selection: elements chosen by id, for the edits below. Ids whose element leaves
    // the drawing (undo, the eraser, a fade...) leave the selection.
    QStringList selectedIds() const { return m_selected; }
    bool hasSelection() const { return !m_selected.isEmpty(); }
    // The topmost element p hits (as a right click would) becomes the selection; nothing
    // hit leaves it empty.
    void selectAt(QPoint p, int tolerance = 10);
    // Every element whose bounding rectangle lies within r becomes the selection.
    void selectIn(const QRect &r);
    void clearSelection();
    // The bounding rectangle of the selected elements; empty without a selection.
    QRect selectionBounds() const;
    // Dragging the selection: beginMove() at the press, moveSelectionTo() with the offset from
    // the press at every move (the elements follow at once), endMove() at the release, which
    // records one undoable step unless they ended where they were. The offset is kept so
    // that every element stays within what a drawing file holds.
    void beginMove();
    void moveSelectionTo(QPoint offsetFromStart);
    void endMove();
    bool isMoving() const { return m_moving; }
    // Gives the selected elements a colour and a size (what size means is each kind's own:
    // a stroke's width, a text's point size, a numbered circle's radius) as one undoable
    // step. An invalid colour keeps each element's colour, UnchangedSize each one's size.
    // Restyling and duplicating change nothing (and log why) where the drawing would no
    // longer open from a file.
    // With penWidthsOnly the size goes to the kinds whose size is a pen width (the toolbar's
    // thickness): a text or a numbered circle keeps its own.
    static constexpr int UnchangedSize = -1;
    void restyleSelection(const QColor &color, int size = UnchangedSize,
                          bool penWidthsOnly = false);
    // Removes the selected elements as one undoable step.
    void deleteSelection();
    // Copies of the selected elements, DuplicateOffset away, on top of the drawing as one
    // undoable step; the copies become the selection.
    static constexpr QPoint DuplicateOffset{12, 12};
    void duplicateSelection();

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
    // The selection or where its elements lie may differ now.
    void selectionChanged();

private:
    // The pen new elements take.
    PenStyle elementPen() const;
    // Whether the draw mode's elements are complete on the press (and numbered), and whether
    // it is the pen's mode (the eraser's, and smoothed strokes').
    bool madeOnPress() const;
    bool inPenMode() const;
    void resetGesture();
    void append(const ElementPtr &element);
    void emitHistoryChanged();
    QRect eraseStep(QPoint pos);
    // Leaves every element as a full render would for its hit test.
    void prepareHitTests() const;
    void stopBreathing();
    // The selected elements, bottom first.
    QList<ElementPtr> selectedElements() const;
    void setSelection(const QStringList &ids);
    // After a change of the drawing: drops the ids whose element left it and tells the
    // selection's watchers (its elements may have moved too).
    void selectionMayHaveChanged();
    // The offset nearest to wanted that keeps the rectangle within what a file holds.
    static QPoint keptWithin(const QRect &bounds, QPoint wanted);
    // Applies what an undo or redo did.
    void historyStepped(const History::Change &change, bool undone);
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

    ElementKind m_drawMode; // the pen's to begin with
    bool m_eraserMode = false;
    PenStyle m_pen{QColor(QStringLiteral("red")), 5, 1.0};

    QList<QPointer<FadeOutJob>> m_fadeJobs;
    QList<std::pair<ElementPtr, double>> m_fading; // element, opacity before its fade
    QPointer<BreathingJob> m_breathJob;

    // The opened picture and the elements it shows (serial and revision), bottom first.
    mutable DrawingPicture m_picture;
    mutable std::vector<std::pair<quint64, quint64>> m_pictured;
    QRect m_picturedBounds;
    QStringList m_selected; // bottom first
    bool m_moving = false;
    QList<ElementPtr> m_moveElements;
    QRect m_moveBounds; // of the moved elements at the press
    QPoint m_moveOffset;
    bool m_manualTiming = false;
};
