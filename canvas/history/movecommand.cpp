#include "history/movecommand.h"

#include "elements/drawingelement.h"

#include <QDebug>

void MoveCommand::moveBy(HistoryStep &step, QPoint offset)
{
    // Elements off the drawing move too, so that whatever brings them back finds them
    // where the history says they are.
    const QSet<const DrawingElement *> onDrawing = shownSet(step);
    for (const ElementPtr &element : std::as_const(m_moved)) {
        const bool shown = onDrawing.contains(element.get());
        if (shown)
            step.changed |= element->boundingRect();
        element->moveBy(offset);
        if (shown)
            step.changed |= element->boundingRect();
    }
    keep(step);
}

void MoveCommand::undo(HistoryStep &step)
{
    qDebug() << "撤销移动操作，元素数:" << m_moved.size();
    moveBy(step, -m_offset);
}

void MoveCommand::redo(HistoryStep &step)
{
    qDebug() << "重做移动操作，元素数:" << m_moved.size();
    moveBy(step, m_offset);
}
