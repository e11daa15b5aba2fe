// Placing texts on a surface: fitted into a width, centred, right-aligned.
#pragma once

#include <string_view>

#include "recordsheet/drawingsurface.h"

namespace fpw::recordsheet {

// The smallest size a text is shrunk to before it is cut.
inline constexpr double kSmallestFontSize = 5;

// Draws `text` at (x, y) within `maxWidth`: a text too wide is drawn in a smaller size (down to
// kSmallestFontSize) and, when even that is too wide, cut at the right.
void drawFitted(DrawingSurface& surface, double x, double y, std::string_view text,
                double maxWidth);

// Centred between `left` and `right`, fitted into that width.
void drawCentred(DrawingSurface& surface, double left, double right, double y,
                 std::string_view text);

// Ending at `right`.
void drawRightAligned(DrawingSurface& surface, double right, double y, std::string_view text);

} // namespace fpw::recordsheet
