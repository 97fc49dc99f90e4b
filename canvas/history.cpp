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

void History::clear()
{
    m_undo.clear();
    m_redo.clear();
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
    case HistoryAction::Add: {
        const qsizetype index = indexOf(elements, entry.elementId);
        if (index >= 0) {
            qDebug() << "撤销添加操作，移除元素 ID:" << entry.elementId;
            const ElementPtr element = elements.takeAt(index);
            m_redo.append(HistoryAction{HistoryAction::Add, entry.elementId, element});
            changed |= element->boundingRect();
        }
        break;
    }
    case HistoryAction::Delete:
    case HistoryAction::Erase:
        qDebug() << "撤销删除/擦除操作，恢复元素 ID:" << entry.elementId;
        if (indexOf(elements, entry.elementId) >= 0) {
            qDebug() << "元素已在列表中，跳过恢复操作";
        } else if (entry.element) {
            // A restored element comes back on top.
            m_redo.append(entry);
            elements.append(entry.element);
            changed |= entry.element->boundingRect();
        }
        break;
    case HistoryAction::EraserGroup:
        qDebug() << "撤销橡皮擦组操作 ID:" << entry.elementId;
        m_redo.append(entry);
        restoreErasedGroup(elements, changed);
        break;
    default:
        break;
    }
    return changed;
}

void History::restoreErasedGroup(ElementList &elements, QRect &changed)
{
    // Every Erase entry directly beneath the group comes back with it.
    while (!m_undo.isEmpty() && m_undo.last().actionType == HistoryAction::Erase) {
        const HistoryAction erased = m_undo.takeLast();
        qDebug() << "  恢复被擦除的元素 ID:" << erased.elementId;
        if (indexOf(elements, erased.elementId) >= 0) {
            qDebug() << "  元素已在列表中，跳过恢复操作";
        } else if (erased.element) {
            m_redo.append(erased);
            elements.append(erased.element);
            changed |= erased.element->boundingRect();
        }
    }
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
        if (indexOf(elements, entry.elementId) >= 0) {
            qDebug() << "元素已在列表中，跳过添加操作";
        } else if (entry.element) {
            m_undo.append(entry);
            elements.append(entry.element);
            changed |= entry.element->boundingRect();
        }
        break;
    case HistoryAction::Delete:
    case HistoryAction::Erase: {
        const qsizetype index = indexOf(elements, entry.elementId);
        if (index >= 0) {
            qDebug() << "重做删除/擦除操作，移除元素 ID:" << entry.elementId;
            const ElementPtr element = elements.takeAt(index);
            m_undo.append(HistoryAction{entry.actionType, entry.elementId, element});
            changed |= element->boundingRect();
        }
        break;
    }
    case HistoryAction::EraserGroup:
        qDebug() << "重做橡皮擦组操作 ID:" << entry.elementId;
        m_undo.append(entry);
        eraseGroupAgain(elements, changed);
        break;
    default:
        break;
    }
    return changed;
}

void History::eraseGroupAgain(ElementList &elements, QRect &changed)
{
    while (!m_redo.isEmpty() && m_redo.last().actionType == HistoryAction::Erase) {
        const HistoryAction erased = m_redo.takeLast();
        const qsizetype index = indexOf(elements, erased.elementId);
        if (index >= 0) {
            qDebug() << "  移除被擦除的元素 ID:" << erased.elementId;
            const ElementPtr element = elements.takeAt(index);
            m_undo.append(HistoryAction{HistoryAction::Erase, erased.elementId, element});
            changed |= element->boundingRect();
        } else {
            qDebug() << "  元素未找到，可能已被移除 ID:" << erased.elementId;
        }
    }
}
