#pragma once

#include "history/historycommand.h"

// A whole drawing put in place of another (an opened file): undo brings back the drawing
// before and its numbering, redo the opened one again. Elements drawn since stay, on top.
class ReplaceCommand : public HistoryCommand
{
public:
    ReplaceCommand(ElementList before, ElementList after, int counterBefore, int counterAfter)
        : m_before(std::move(before)), m_after(std::move(after)), m_counterBefore(counterBefore),
          m_counterAfter(counterAfter)
    {
    }

    QString name() const override { return QStringLiteral("replace"); }
    QString elementId() const override { return {}; }
    ElementList elements() const override { return m_before + m_after; }
    void undo(HistoryStep &step) override;
    void redo(HistoryStep &step) override;

private:
    ElementList m_before;
    ElementList m_after;
    int m_counterBefore;
    int m_counterAfter;
};
