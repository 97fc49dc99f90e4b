#include "history/replacecommand.h"

#include "elements/drawingelement.h"
#include "history/clearcommand.h"

#include <QDebug>
#include <QSet>

namespace {

// Takes the elements of out off the drawing and puts those of in back below the rest.
void swapDrawing(const HistoryCommand::ElementList &out, const HistoryCommand::ElementList &in,
                 HistoryStep &step)
{
    // A set, not a search of the list per element: drawings may hold 200,000 elements.
    QSet<const DrawingElement *> leaving;
    leaving.reserve(out.size());
    for (const HistoryCommand::ElementPtr &element : out)
        leaving.insert(element.get());
    step.elements.removeIf([&](const HistoryCommand::ElementPtr &element) {
        if (!leaving.contains(element.get()))
            return false;
        step.changed |= element->boundingRect();
        return true;
    });
    step.changed |= ClearCommand::putBackBelow(in, step.elements);
}

} // namespace

void ReplaceCommand::undo(HistoryStep &step)
{
    qDebug() << "撤销打开绘图操作，恢复元素数:" << m_before.size();
    swapDrawing(m_after, m_before, step);
    step.circleCounter = m_counterBefore;
    keep(step);
}

void ReplaceCommand::redo(HistoryStep &step)
{
    qDebug() << "重做打开绘图操作，元素数:" << m_after.size();
    swapDrawing(m_before, m_after, step);
    step.circleCounter = m_counterAfter;
    keep(step);
}
