#include "history/deletecommand.h"

#include "elements/drawingelement.h"

#include <QDebug>

bool DeleteCommand::bringBack(HistoryStep &step)
{
    bool any = false;
    for (const ElementPtr &element : std::as_const(m_removed))
        any = putBack(step, element) || any;
    if (any)
        keep(step);
    return any;
}

bool DeleteCommand::takeAgain(HistoryStep &step)
{
    bool any = false;
    for (const ElementPtr &element : std::as_const(m_removed))
        any = takeOff(step, element->id()) || any;
    if (any)
        keep(step);
    return any;
}

void DeleteCommand::undo(HistoryStep &step)
{
    // A restored element comes back on top.
    for (const ElementPtr &element : std::as_const(m_removed))
        qDebug() << "撤销删除/擦除操作，恢复元素 ID:" << element->id();
    if (!bringBack(step))
        qDebug() << "元素已在列表中，跳过恢复操作";
}

void DeleteCommand::redo(HistoryStep &step)
{
    if (takeAgain(step)) {
        for (const ElementPtr &element : std::as_const(m_removed))
            qDebug() << "重做删除/擦除操作，移除元素 ID:" << element->id();
    }
}
