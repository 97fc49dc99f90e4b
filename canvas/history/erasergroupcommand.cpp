#include "history/erasergroupcommand.h"

#include "history/erasecommand.h"

#include <QDebug>
#include <QUuid>

namespace {

// The erase entry on top of stack, taken off it; none when the top is something else.
std::shared_ptr<EraseCommand> takeErase(HistoryStack &stack)
{
    if (stack.isEmpty())
        return nullptr;
    auto erase = std::dynamic_pointer_cast<EraseCommand>(stack.last());
    if (erase)
        stack.removeLast();
    return erase;
}

} // namespace

EraserGroupCommand::EraserGroupCommand()
    : m_id(QStringLiteral("eraser_group_") + QUuid::createUuid().toString(QUuid::WithBraces))
{
}

void EraserGroupCommand::undo(HistoryStep &step)
{
    qDebug() << "撤销橡皮擦组操作 ID:" << m_id;
    keep(step);
    while (const auto erased = takeErase(step.from)) {
        qDebug() << "  恢复被擦除的元素 ID:" << erased->elementId();
        if (!erased->bringBack(step))
            qDebug() << "  元素已在列表中，跳过恢复操作";
    }
}

void EraserGroupCommand::redo(HistoryStep &step)
{
    qDebug() << "重做橡皮擦组操作 ID:" << m_id;
    keep(step);
    while (const auto erased = takeErase(step.from)) {
        if (erased->takeAgain(step))
            qDebug() << "  移除被擦除的元素 ID:" << erased->elementId();
        else
            qDebug() << "  元素未找到，可能已被移除 ID:" << erased->elementId();
    }
}
