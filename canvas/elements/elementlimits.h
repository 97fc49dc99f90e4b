#pragma once

#include <QtGlobal>

// What an element may hold, so that every drawing made here can be saved and opened again.
namespace ElementLimits {

// Coordinates stay this close to the origin: far beyond any screen, and sums and differences
// of them never overflow. What lies far off screen costs nothing to draw.
constexpr int MaxCoordinate = 1000000;
// The pen widths the drawing cost of a stroke is bounded for; the toolbar's pens go up to 60.
constexpr int MaxPenWidth = 100;
constexpr int MaxFontSize = 1000;
constexpr int MaxTextLength = 100000;
constexpr int MaxNumber = 1000000000;
// A stroke in a file may hold this many points, the whole file this many; a stroke opens as
// strokes of at most FreehandElement::maxPoints() each.
constexpr int MaxPointsPerStroke = 1000000;
constexpr qint64 MaxPoints = 4000000;

// The file format versions: a drawing is written as PlainVersion unless an element in it
// needs more (a stroke with pen pressure needs PressureVersion), so that builds before
// pressure still open it; those builds refuse the newer version by its number.
constexpr int PlainVersion = 1;
constexpr int PressureVersion = 2;

} // namespace ElementLimits
