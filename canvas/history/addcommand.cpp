#include "history/addcommand.h"

#include "elements/drawingelement.h"

#include <QDebug>

void AddCommand::undo(HistoryStep &step)
{
    bool any = false;
    for (const ElementPtr &element : std::as_const(m_added)) {
        if (takeOff(step, element->id())) {
            qDebug() << "撤销添加操作，移除元素 ID:" << element->id();
            any = true;
        }
    }
    // Nothing of it left on the drawing: nothing to redo either.
    if (any)
        keep(step);
}

void AddCommand::redo(HistoryStep &step)
{
    bool any = false;
    for (const ElementPtr &element : std::as_const(m_added)) {
        qDebug() << "重做添加操作，添加元素 ID:" << element->id();
        if (putBack(step, element))
            any = true;
        else
            qDebug() << "元素已在列表中，跳过添加操作";
    }
    if (any)
        keep(step);
}
