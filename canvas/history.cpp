#include "history.h"

#include "elements/drawingelement.h"

#include <QDebug>
#include <QUuid>

#include <algorithm>

namespace {

qsizetype indexOf(const History::ElementList &elements, const QString &id)
{
    for (qsizetype i = 0; i < elements.size(); ++i) {
        if (elements.at(i)->id() == id)
            return i;
    }
    return -1;
}

bool holds(const QList<HistoryAction> &stack, const QString &id, bool deleteToo)
{
    return std::any_of(stack.cbegin(), stack.cend(), [&](const HistoryAction &a) {
        return a.elementId == id && (a.actionType == HistoryAction::Erase ||
                                     (deleteToo && a.actionType == HistoryAction::Delete));
    });
}

} // namespace

void History::recordAdd(const ElementPtr &element)
{
    m_undo.append(HistoryAction{HistoryAction::Add, element->id(), element});
    m_redo.clear();
}

void History::recordDelete(const ElementPtr &element)
{
    m_undo.append(HistoryAction{HistoryAction::Delete, element->id(), element});
    while (m_undo.size() > UndoDepth)
        m_undo.removeFirst();
}

void History::beginEraserGroup()
{
    const QString group =
        QStringLiteral("eraser_group_") + QUuid::createUuid().toString(QUuid::WithBraces);
    m_undo.append(HistoryAction{HistoryAction::EraserGroup, group, nullptr});
    m_redo.clear();
}

bool History::recordErase(const ElementPtr &element)
{
    if (holds(m_undo, element->id(), false) || holds(m_redo, element->id(), true))
        return false;
    m_undo.append(HistoryAction{HistoryAction::Erase, element->id(), element});
    return true;
}

void History::recordClear(const ElementList &elements)
{
    HistoryAction entry(HistoryAction::Clear);
    entry.cleared = elements;
    m_undo.append(entry);
    m_redo.clear();
}

void History::recordReplace(const ElementList &before, const ElementList &after, int counterBefore,
                            int counterAfter)
{
    HistoryAction entry(HistoryAction::Replace);
    entry.cleared = before;
    entry.opened = after;
    entry.counterBefore = counterBefore;
    entry.counterAfter = counterAfter;
    m_undo.append(entry);
    m_redo.clear();
}

void History::clear()
{
    m_undo.clear();
    m_redo.clear();
}

// Swaps one whole drawing for another: takes the elements of `out` off the list and puts
// those of `in` back below anything drawn since, in their order.
static void swapDrawing(const History::ElementList &out, const History::ElementList &in,
                        History::ElementList &elements, QRect &changed)
{
    for (const History::ElementPtr &element : out) {
        if (elements.removeOne(element))
            changed |= element->boundingRect();
    }
    History::ElementList restored;
    for (const History::ElementPtr &element : in) {
        if (element && indexOf(elements, element->id()) < 0) {
            restored.append(element);
            changed |= element->boundingRect();
        }
    }
    elements = restored + elements;
}

// Puts the entry's element back on top and the entry on `to`, unless an element with its
// id is on the list already (false then).
static bool restore(const HistoryAction &entry, History::ElementList &elements,
                    QList<HistoryAction> &to, QRect &changed)
{
    if (indexOf(elements, entry.elementId) >= 0)
        return false;
    if (entry.element) {
        to.append(entry);
        elements.append(entry.element);
        changed |= entry.element->boundingRect();
    }
    return true;
}

// Takes the element with the given id off the list and records it on `to`; false when
// there is none.
static bool takeAway(int actionType, const QString &id, History::ElementList &elements,
                     QList<HistoryAction> &to, QRect &changed)
{
    const qsizetype index = indexOf(elements, id);
    if (index < 0)
        return false;
    const History::ElementPtr element = elements.takeAt(index);
    to.append(HistoryAction{actionType, id, element});
    changed |= element->boundingRect();
    return true;
}

std::optional<QRect> History::undo(ElementList &elements)
{
    if (m_undo.isEmpty()) {
        qDebug() << "没有可撤销的操作";
        return std::nullopt;
    }
    qDebug() << "执行撤销操作";
    const HistoryAction entry = m_undo.takeLast();
    QRect changed(0, 0, 0, 0);
    switch (entry.actionType) {
    case HistoryAction::Add:
        if (takeAway(HistoryAction::Add, entry.elementId, elements, m_redo, changed))
            qDebug() << "撤销添加操作，移除元素 ID:" << entry.elementId;
        break;
    case HistoryAction::Delete:
    case HistoryAction::Erase:
        // A restored element comes back on top.
        qDebug() << "撤销删除/擦除操作，恢复元素 ID:" << entry.elementId;
        if (!restore(entry, elements, m_redo, changed))
            qDebug() << "元素已在列表中，跳过恢复操作";
        break;
    case HistoryAction::EraserGroup:
        qDebug() << "撤销橡皮擦组操作 ID:" << entry.elementId;
        m_redo.append(entry);
        // Every Erase entry directly beneath the group comes back with it.
        while (!m_undo.isEmpty() && m_undo.last().actionType == HistoryAction::Erase) {
            const HistoryAction erased = m_undo.takeLast();
            qDebug() << "  恢复被擦除的元素 ID:" << erased.elementId;
            if (!restore(erased, elements, m_redo, changed))
                qDebug() << "  元素已在列表中，跳过恢复操作";
        }
        break;
    case HistoryAction::Clear: {
        qDebug() << "撤销清除操作，恢复元素数:" << entry.cleared.size();
        // Back below anything drawn since, in their former order.
        ElementList restored;
        for (const ElementPtr &element : entry.cleared) {
            if (element && indexOf(elements, element->id()) < 0) {
                restored.append(element);
                changed |= element->boundingRect();
            }
        }
        elements = restored + elements;
        m_redo.append(entry);
        break;
    }
    case HistoryAction::Replace:
        qDebug() << "撤销打开绘图操作，恢复元素数:" << entry.cleared.size();
        swapDrawing(entry.opened, entry.cleared, elements, changed);
        m_redo.append(entry);
        break;
    default:
        break;
    }
    return changed;
}

std::optional<QRect> History::redo(ElementList &elements)
{
    if (m_redo.isEmpty()) {
        qDebug() << "没有可重做的操作";
        return std::nullopt;
    }
    qDebug() << "执行重做操作";
    const HistoryAction entry = m_redo.takeLast();
    QRect changed(0, 0, 0, 0);
    switch (entry.actionType) {
    case HistoryAction::Add:
        qDebug() << "重做添加操作，添加元素 ID:" << entry.elementId;
        if (!restore(entry, elements, m_undo, changed))
            qDebug() << "元素已在列表中，跳过添加操作";
        break;
    case HistoryAction::Delete:
    case HistoryAction::Erase:
        if (takeAway(entry.actionType, entry.elementId, elements, m_undo, changed))
            qDebug() << "重做删除/擦除操作，移除元素 ID:" << entry.elementId;
        break;
    case HistoryAction::EraserGroup:
        qDebug() << "重做橡皮擦组操作 ID:" << entry.elementId;
        m_undo.append(entry);
        while (!m_redo.isEmpty() && m_redo.last().actionType == HistoryAction::Erase) {
            const HistoryAction erased = m_redo.takeLast();
            if (takeAway(HistoryAction::Erase, erased.elementId, elements, m_undo, changed))
                qDebug() << "  移除被擦除的元素 ID:" << erased.elementId;
            else
                qDebug() << "  元素未找到，可能已被移除 ID:" << erased.elementId;
        }
        break;
    case HistoryAction::Clear: {
        HistoryAction again(HistoryAction::Clear);
        again.cleared.swap(elements);
        qDebug() << "重做清除操作，移除元素数:" << again.cleared.size();
        for (const ElementPtr &element : std::as_const(again.cleared))
            changed |= element->boundingRect();
        m_undo.append(again);
        break;
    }
    case HistoryAction::Replace:
        qDebug() << "重做打开绘图操作，元素数:" << entry.opened.size();
        swapDrawing(entry.cleared, entry.opened, elements, changed);
        m_undo.append(entry);
        break;
    default:
        break;
    }
    return changed;
}
