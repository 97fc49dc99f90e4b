#pragma once

#include "elements/elementkind.h"

#include <QPoint>

#include <memory>

class DrawingElement;
class ElementReader;
struct PenStyle;
struct Stroke;

// What an element kind is to the rest of the canvas: its name in a drawing file, how a
// gesture in its draw mode makes one, and how it is read back. Each kind's class defines one
// (its static Type) and ElementFactory registers it; the document, the file and the item
// ask it instead of comparing kinds.
struct ElementType
{
    using ElementPtr = std::shared_ptr<DrawingElement>;

    ElementKind kind;
    // The "kind" of the element in a drawing file.
    const char *fileName;
    // The element a drag in its mode starts with at the press; null for kinds a drag does
    // not make.
    ElementPtr (*startDrag)(const Stroke &stroke, const PenStyle &pen) = nullptr;
    // The element complete on the press, given the next number of the drawing's count;
    // null for kinds not made on the press.
    ElementPtr (*makeOnPress)(QPoint pos, int number, const PenStyle &pen) = nullptr;
    // Reads the fields of its kind once the pen's passed; null (the reader holds the
    // reason) when one is missing or wrong.
    ElementPtr (*read)(ElementReader &reader, const PenStyle &pen) = nullptr;
    // Its mode is the pen's: the eraser works in it, and strokes drawn in it may be
    // smoothed as they grow.
    bool penMode = false;
    // Leaving its mode repaints the whole drawing.
    bool repaintWhenLeft = false;
};
