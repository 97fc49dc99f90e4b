#pragma once

#include <QString>

#include <memory>

class DrawingElement;

// One entry of the canvas's undo or redo stack.
struct HistoryAction
{
    enum ActionType { Add = 0, Delete = 1, Erase = 2, EraserGroup = 3 };

    int actionType = Add;
    QString elementId;
    // Keeps the element alive while the entry exists; empty for an EraserGroup.
    std::shared_ptr<DrawingElement> element;
};
