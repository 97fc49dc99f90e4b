#pragma once

#include "historyaction.h"

#include <QList>
#include <QRect>

#include <memory>
#include <optional>

class DrawingElement;

// The undo and redo stacks of a drawing. Undo and redo move elements between the
// drawing's element list, which they are given, and the entries that hold them.
class History
{
public:
    using ElementPtr = std::shared_ptr<DrawingElement>;
    using ElementList = QList<ElementPtr>;
    // A Delete entry cuts the undo stack back to this many entries.
    static constexpr int UndoDepth = 20;

    const QList<HistoryAction> &undoStack() const { return m_undo; }
    const QList<HistoryAction> &redoStack() const { return m_redo; }
    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }

    // A new element: recorded as Add; nothing is left to redo.
    void recordAdd(const ElementPtr &element);
    // A removed element: recorded as Delete, then the undo stack is trimmed.
    void recordDelete(const ElementPtr &element);
    void clearRedo() { m_redo.clear(); }
    // A new eraser stroke: its group entry lies below the Erase entries of the stroke.
    void beginEraserGroup();
    // An element the eraser took away. Recorded as Erase unless an entry already holds it
    // as erased (or, on the redo stack, as deleted); returns whether it was recorded.
    bool recordErase(const ElementPtr &element);
    // Every element of a drawing taken away at once: one entry that undo brings back
    // whole; nothing is left to redo.
    void recordClear(const ElementList &elements);
    // A whole drawing put in place of another (an opened file): one entry that undo turns
    // back into the drawing before; nothing is left to redo.
    void recordReplace(const ElementList &before, const ElementList &after, int counterBefore,
                       int counterAfter);
    void clear();

    // Takes back the top undo entry on elements; the region whose pixels changed, or
    // nothing when there was nothing to undo.
    std::optional<QRect> undo(ElementList &elements);
    std::optional<QRect> redo(ElementList &elements);

private:
    QList<HistoryAction> m_undo;
    QList<HistoryAction> m_redo;
};
