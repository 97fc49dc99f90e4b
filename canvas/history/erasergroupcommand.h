#pragma once

#include "history/historycommand.h"

// The start of an eraser stroke; its erase entries lie above it. Undoing the group also
// brings back every erase entry right beneath it, redoing it erases again every erase entry
// above it on the redo stack.
class EraserGroupCommand : public HistoryCommand
{
public:
    EraserGroupCommand();

    QString name() const override { return QStringLiteral("eraserGroup"); }
    QString elementId() const override { return m_id; }
    void undo(HistoryStep &step) override;
    void redo(HistoryStep &step) override;

private:
    const QString m_id;
};
