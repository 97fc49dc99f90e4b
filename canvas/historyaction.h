#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <utility>

class DrawingElement;

// One entry of the canvas's undo or redo stack.
struct HistoryAction
{
    enum ActionType { Add = 0, Delete = 1, Erase = 2, EraserGroup = 3, Clear = 4, Replace = 5 };

    HistoryAction(int type = Add, QString id = {}, std::shared_ptr<DrawingElement> e = {})
        : actionType(type), elementId(std::move(id)), element(std::move(e))
    {
    }

    int actionType = Add;
    QString elementId;
    // Keeps the element alive while the entry exists; empty for an EraserGroup.
    std::shared_ptr<DrawingElement> element;
    // A Clear or Replace entry: the elements it took away, bottom first.
    QList<std::shared_ptr<DrawingElement>> cleared;
    // A Replace entry: the elements it put in their place, bottom first, and the next
    // numbered circle's counter before and after.
    QList<std::shared_ptr<DrawingElement>> opened;
    int counterBefore = 0;
    int counterAfter = 0;
};
