#pragma once

#include "elements/drawingelement.h"
#include "history/historycommand.h"
#include "history/restylecommand.h"

#include <QList>
#include <QPoint>
#include <QRect>

#include <memory>
#include <optional>

// The undo and redo stacks of a drawing: one command per action, each of which undoes and
// redoes itself on the drawing's element list, which undo and redo are given.
class History
{
public:
    using ElementPtr = std::shared_ptr<DrawingElement>;
    using ElementList = QList<ElementPtr>;
    using Stack = HistoryStack;
    // A deletion cuts the undo stack back to this many entries.
    static constexpr int UndoDepth = 20;

    const Stack &undoStack() const { return m_undo; }
    const Stack &redoStack() const { return m_redo; }
    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }

    // New elements, one step: nothing is left to redo.
    void recordAdd(const ElementPtr &element) { recordAdd(ElementList{element}); }
    void recordAdd(const ElementList &elements);
    // Removed elements, one step; then the undo stack is trimmed. What there is to redo
    // stays (the caller clears it where the user removed them).
    void recordDelete(const ElementPtr &element) { recordDelete(ElementList{element}); }
    void recordDelete(const ElementList &elements);
    // The bottom element a fade-out took away: like a deletion, and the redo stack stays.
    void recordFade(const ElementPtr &element);
    void clearRedo() { m_redo.clear(); }
    // A new eraser stroke: its group entry lies below the erase entries of the stroke.
    void beginEraserGroup();
    // An element the eraser took away. Recorded unless an entry already holds it as erased
    // (or, on the redo stack, as removed); returns whether it was recorded.
    bool recordErase(const ElementPtr &element);
    // Every element of a drawing taken away at once: one entry that undo brings back
    // whole; nothing is left to redo.
    void recordClear(const ElementList &elements);
    // A whole drawing put in place of another (an opened file): one entry that undo turns
    // back into the drawing before; nothing is left to redo.
    void recordReplace(const ElementList &before, const ElementList &after, int counterBefore,
                       int counterAfter);
    // Elements moved by offset, and restyled, as one step each: nothing is left to redo.
    void recordMove(const ElementList &elements, QPoint offset);
    void recordRestyle(const QList<RestyleCommand::Change> &changes);
    void clear();

    // What an undo or redo changed: the region whose pixels may differ, and the numbered
    // circles' counter when the step brought its own back.
    struct Change
    {
        QRect region;
        std::optional<int> circleCounter;
    };
    // Takes back the top undo entry on elements; nothing when there was nothing to undo.
    std::optional<Change> undo(ElementList &elements);
    std::optional<Change> redo(ElementList &elements);

private:
    void push(std::shared_ptr<HistoryCommand> command);
    static std::optional<Change> step(Stack &from, Stack &to, ElementList &elements, bool undo);

    Stack m_undo;
    Stack m_redo;
};
