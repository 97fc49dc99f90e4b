#pragma once

#include "history/historycommand.h"

#include <QPoint>

// Elements moved together by an offset.
class MoveCommand : public HistoryCommand
{
public:
    MoveCommand(ElementList moved, QPoint offset) : m_moved(std::move(moved)), m_offset(offset) {}

    QString name() const override { return QStringLiteral("move"); }
    ElementList elements() const override { return m_moved; }
    QPoint offset() const { return m_offset; }
    void undo(HistoryStep &step) override;
    void redo(HistoryStep &step) override;

private:
    void moveBy(HistoryStep &step, QPoint offset);

    ElementList m_moved;
    QPoint m_offset;
};
