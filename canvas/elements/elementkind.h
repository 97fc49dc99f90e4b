#pragma once

// What an element is. The values are those of the draw mode that makes each kind, so a
// mode names the kind it draws (the element factory's test checks this).
enum class ElementKind : int {
    Freehand = 0,
    Line = 1,
    Circle = 2,
    Rectangle = 3,
    Arrow = 4,
    Text = 5,
    NumberedCircle = 6
};
