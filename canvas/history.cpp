#include "history.h"

#include "history/addcommand.h"
#include "history/clearcommand.h"
#include "history/deletecommand.h"
#include "history/erasecommand.h"
#include "history/erasergroupcommand.h"
#include "history/fadecommand.h"
#include "history/movecommand.h"
#include "history/replacecommand.h"

#include <QDebug>

#include <algorithm>

namespace {

// Whether stack holds the element as erased, or, with removedToo, as removed in any way.
bool holds(const History::Stack &stack, const QString &id, bool removedToo)
{
    return std::any_of(stack.cbegin(), stack.cend(), [&](const auto &command) {
        const bool counts = removedToo ? bool(dynamic_cast<const DeleteCommand *>(command.get()))
                                       : bool(dynamic_cast<const EraseCommand *>(command.get()));
        return counts && command->holds(id);
    });
}

} // namespace

void History::push(std::shared_ptr<HistoryCommand> command)
{
    m_undo.append(std::move(command));
    m_redo.clear();
}

void History::recordAdd(const ElementList &elements)
{
    push(std::make_shared<AddCommand>(elements));
}

void History::recordDelete(const ElementList &elements)
{
    m_undo.append(std::make_shared<DeleteCommand>(elements));
    while (m_undo.size() > UndoDepth)
        m_undo.removeFirst();
}

void History::recordFade(const ElementPtr &element)
{
    m_undo.append(std::make_shared<FadeCommand>(element));
    while (m_undo.size() > UndoDepth)
        m_undo.removeFirst();
}

void History::beginEraserGroup()
{
    push(std::make_shared<EraserGroupCommand>());
}

bool History::recordErase(const ElementPtr &element)
{
    if (holds(m_undo, element->id(), false) || holds(m_redo, element->id(), true))
        return false;
    m_undo.append(std::make_shared<EraseCommand>(element));
    return true;
}

void History::recordClear(const ElementList &elements)
{
    push(std::make_shared<ClearCommand>(elements));
}

void History::recordReplace(const ElementList &before, const ElementList &after, int counterBefore,
                            int counterAfter)
{
    push(std::make_shared<ReplaceCommand>(before, after, counterBefore, counterAfter));
}

void History::recordMove(const ElementList &elements, QPoint offset)
{
    push(std::make_shared<MoveCommand>(elements, offset));
}

void History::recordRestyle(const QList<RestyleCommand::Change> &changes)
{
    push(std::make_shared<RestyleCommand>(changes));
}

void History::clear()
{
    m_undo.clear();
    m_redo.clear();
}

std::optional<History::Change> History::step(Stack &from, Stack &to, ElementList &elements,
                                             bool undo)
{
    if (from.isEmpty()) {
        qDebug() << (undo ? "没有可撤销的操作" : "没有可重做的操作");
        return std::nullopt;
    }
    qDebug() << (undo ? "执行撤销操作" : "执行重做操作");
    const std::shared_ptr<HistoryCommand> command = from.takeLast();
    HistoryStep step{elements, from, to, QRect(0, 0, 0, 0), std::nullopt};
    if (undo)
        command->undo(step);
    else
        command->redo(step);
    return Change{step.changed, step.circleCounter};
}

std::optional<History::Change> History::undo(ElementList &elements)
{
    return step(m_undo, m_redo, elements, true);
}

std::optional<History::Change> History::redo(ElementList &elements)
{
    return step(m_redo, m_undo, elements, false);
}
