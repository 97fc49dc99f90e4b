#pragma once

#include "history/historycommand.h"

// Elements taken off the drawing (a right click, or the selection deleted): undo brings
// them back on top, in their order; redo takes them off again.
class DeleteCommand : public HistoryCommand
{
public:
    explicit DeleteCommand(ElementList removed) : m_removed(std::move(removed)) {}

    QString name() const override { return QStringLiteral("delete"); }
    ElementList elements() const override { return m_removed; }
    void undo(HistoryStep &step) override;
    void redo(HistoryStep &step) override;

    // Without a log line: whether any came back (the command then went on step.to).
    bool bringBack(HistoryStep &step);
    // Whether any was taken off again (the command then went on step.to).
    bool takeAgain(HistoryStep &step);

private:
    ElementList m_removed;
};
