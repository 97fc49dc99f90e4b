#pragma once

#include "elements/drawingelement.h"
#include "elements/elementtype.h"

#include <QList>

#include <memory>

// The one registration of every element kind, and what a draw mode makes.
class ElementFactory
{
public:
    // Every kind, in the order of ElementKind.
    static const QList<const ElementType *> &types();
    // The kind a draw mode makes; null for unknown modes.
    static const ElementType *type(ElementKind mode);
    // The kind a drawing file names; null for names no kind has.
    static const ElementType *typeNamed(const QString &fileName);
    // The mode in which the eraser works.
    static ElementKind penMode();

    // The new element of the given kind for the stroke, drawn with pen; none for the
    // kinds that a drag does not make (text, numbered circles) and for unknown modes.
    static std::shared_ptr<DrawingElement> create(ElementKind mode, const Stroke &stroke,
                                                  const PenStyle &pen);
};
