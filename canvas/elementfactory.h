#pragma once

#include "elements/drawingelement.h"

#include <memory>

// Makes the element that a drag in a draw mode shapes, at the start of its gesture.
class ElementFactory
{
public:
    // The new element of the given kind for the stroke, drawn with pen; none for the
    // kinds that a drag does not make (text, numbered circles) and for unknown modes.
    static std::shared_ptr<DrawingElement> create(ElementKind mode, const Stroke &stroke,
                                                  const PenStyle &pen);
};
