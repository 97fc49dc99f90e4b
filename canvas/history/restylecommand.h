#pragma once

#include "elements/drawingelement.h"
#include "history/historycommand.h"

// Elements given another colour or size together.
class RestyleCommand : public HistoryCommand
{
public:
    struct Change
    {
        ElementPtr element;
        ElementStyle before;
        ElementStyle after;
    };

    explicit RestyleCommand(QList<Change> changes) : m_changes(std::move(changes)) {}

    QString name() const override { return QStringLiteral("restyle"); }
    ElementList elements() const override;
    void undo(HistoryStep &step) override;
    void redo(HistoryStep &step) override;

private:
    void apply(HistoryStep &step, bool after);

    QList<Change> m_changes;
};
