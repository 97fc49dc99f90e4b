#pragma once

#include "history/historycommand.h"

// Every element taken away at once: undo brings them back below anything drawn since, in
// their order; redo takes away whatever the drawing holds then.
class ClearCommand : public HistoryCommand
{
public:
    explicit ClearCommand(ElementList cleared) : m_cleared(std::move(cleared)) {}

    QString name() const override { return QStringLiteral("clear"); }
    QString elementId() const override { return {}; }
    ElementList elements() const override { return m_cleared; }
    void undo(HistoryStep &step) override;
    void redo(HistoryStep &step) override;

    // Puts in back below the rest of elements, in its order, skipping those whose id is
    // there already; returns the region they cover.
    static QRect putBackBelow(const ElementList &in, ElementList &elements);

private:
    ElementList m_cleared;
};
