#pragma once

#include "history/historycommand.h"

// New elements (one drawn, or copies of the selection): undo takes them off, redo puts them
// back on top.
class AddCommand : public HistoryCommand
{
public:
    explicit AddCommand(ElementList added) : m_added(std::move(added)) {}

    QString name() const override { return QStringLiteral("add"); }
    ElementList elements() const override { return m_added; }
    void undo(HistoryStep &step) override;
    void redo(HistoryStep &step) override;

private:
    ElementList m_added;
};
