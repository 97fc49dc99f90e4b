#include "history/restylecommand.h"

#include <QDebug>

HistoryCommand::ElementList RestyleCommand::elements() const
{
    ElementList held;
    held.reserve(m_changes.size());
    for (const Change &change : m_changes)
        held.append(change.element);
    return held;
}

void RestyleCommand::apply(HistoryStep &step, bool after)
{
    const QSet<const DrawingElement *> onDrawing = shownSet(step);
    for (const Change &change : std::as_const(m_changes)) {
        const bool shown = onDrawing.contains(change.element.get());
        if (shown)
            step.changed |= change.element->boundingRect();
        change.element->setStyle(after ? change.after : change.before);
        if (shown)
            step.changed |= change.element->boundingRect();
    }
    keep(step);
}

void RestyleCommand::undo(HistoryStep &step)
{
    qDebug() << "撤销修改样式操作，元素数:" << m_changes.size();
    apply(step, false);
}

void RestyleCommand::redo(HistoryStep &step)
{
    qDebug() << "重做修改样式操作，元素数:" << m_changes.size();
    apply(step, true);
}
