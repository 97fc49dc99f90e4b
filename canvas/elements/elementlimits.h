#pragma once

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

} // namespace ElementLimits
