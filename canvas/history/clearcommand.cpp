#include "history/clearcommand.h"

#include "elements/drawingelement.h"

#include <QDebug>
#include <QSet>

QRect ClearCommand::putBackBelow(const ElementList &in, ElementList &elements)
{
    QSet<QString> present;
    present.reserve(elements.size());
    for (const ElementPtr &element : std::as_const(elements))
        present.insert(element->id());
    QRect changed;
    ElementList restored;
    for (const ElementPtr &element : in) {
        if (element && !present.contains(element->id())) {
            restored.append(element);
            changed |= element->boundingRect();
        }
    }
    elements = restored + elements;
    return changed;
}

void ClearCommand::undo(HistoryStep &step)
{
    qDebug() << "撤销清除操作，恢复元素数:" << m_cleared.size();
    step.changed |= putBackBelow(m_cleared, step.elements);
    keep(step);
}

void ClearCommand::redo(HistoryStep &step)
{
    m_cleared.clear();
    m_cleared.swap(step.elements);
    qDebug() << "重做清除操作，移除元素数:" << m_cleared.size();
    for (const ElementPtr &element : std::as_const(m_cleared))
        step.changed |= element->boundingRect();
    keep(step);
}
