#include "history/historycommand.h"

#include "elements/drawingelement.h"

#include <algorithm>

HistoryCommand::~HistoryCommand() = default;

QString HistoryCommand::elementId() const
{
    const ElementList held = elements();
    return held.size() == 1 && held.first() ? held.first()->id() : QString();
}

bool HistoryCommand::holds(const QString &id) const
{
    const ElementList held = elements();
    return std::any_of(held.cbegin(), held.cend(),
                       [&id](const ElementPtr &e) { return e && e->id() == id; });
}

QSet<const DrawingElement *> HistoryCommand::shownSet(const HistoryStep &step)
{
    QSet<const DrawingElement *> shown;
    shown.reserve(step.elements.size());
    for (const ElementPtr &element : std::as_const(step.elements))
        shown.insert(element.get());
    return shown;
}

qsizetype HistoryCommand::indexOf(const ElementList &elements, const QString &id)
{
    for (qsizetype i = 0; i < elements.size(); ++i) {
        if (elements.at(i)->id() == id)
            return i;
    }
    return -1;
}

bool HistoryCommand::putBack(HistoryStep &step, const ElementPtr &element)
{
    if (!element || indexOf(step.elements, element->id()) >= 0)
        return false;
    step.elements.append(element);
    step.changed |= element->boundingRect();
    return true;
}

bool HistoryCommand::takeOff(HistoryStep &step, const QString &id)
{
    const qsizetype index = indexOf(step.elements, id);
    if (index < 0)
        return false;
    step.changed |= step.elements.takeAt(index)->boundingRect();
    return true;
}
