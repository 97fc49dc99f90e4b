#pragma once

#include <QList>
#include <QRect>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>

class DrawingElement;
class HistoryCommand;

using HistoryStack = QList<std::shared_ptr<HistoryCommand>>;

// What one undo or redo works on: the drawing's elements, the stack the command was taken
// from and the one it goes on, and what it changed.
struct HistoryStep
{
    QList<std::shared_ptr<DrawingElement>> &elements;
    HistoryStack &from;
    HistoryStack &to;
    // The region whose pixels changed.
    QRect changed{0, 0, 0, 0};
    // The next numbered circle's counter, for a command that brings its own back.
    std::optional<int> circleCounter;
};

// One entry of the undo or redo stack: an action on the drawing that knows how to take
// itself back and do itself again. A command that still means something after an undo (or
// a redo) puts itself on the other stack; one that found nothing to do is dropped.
class HistoryCommand : public std::enable_shared_from_this<HistoryCommand>
{
public:
    using ElementPtr = std::shared_ptr<DrawingElement>;
    using ElementList = QList<ElementPtr>;

    HistoryCommand() = default;
    virtual ~HistoryCommand();
    HistoryCommand(const HistoryCommand &) = delete;
    HistoryCommand &operator=(const HistoryCommand &) = delete;

    // A short name for logs and tests: "add", "delete", "erase", ...
    virtual QString name() const = 0;
    // The id the entry goes by: its element's when it holds one, an eraser group's own.
    virtual QString elementId() const;
    // The elements it holds, and keeps alive while it exists.
    virtual ElementList elements() const { return {}; }
    // Whether it holds the element with this id.
    bool holds(const QString &id) const;

    virtual void undo(HistoryStep &step) = 0;
    virtual void redo(HistoryStep &step) = 0;

protected:
    // Puts the command on the stack the step moves it to.
    void keep(HistoryStep &step) { step.to.append(shared_from_this()); }
    // The elements on the drawing now, for commands that look up many.
    static QSet<const DrawingElement *> shownSet(const HistoryStep &step);
    static qsizetype indexOf(const ElementList &elements, const QString &id);
    // Puts element back on top; false when an element with its id is there already.
    static bool putBack(HistoryStep &step, const ElementPtr &element);
    // Takes the element with this id off the drawing; false when there is none.
    static bool takeOff(HistoryStep &step, const QString &id);
};
