#include "recordsheet/surfacetext.h"

#include <algorithm>
#include <string>

namespace fpw::recordsheet {

void drawFitted(DrawingSurface& surface, double x, double y, std::string_view text,
                double maxWidth) {
    const double width = surface.textWidth(text);
    if (width <= maxWidth || width <= 0) {
        surface.drawText(x, y, text);
        return;
    }
    Font smaller = surface.font();
    smaller.size = std::max(kSmallestFontSize, smaller.size * maxWidth / width);
    FontScope scope(surface, smaller);
    std::string_view fitted = text;
    // Cut whole characters: a UTF-8 character's continuation bytes go with its first byte.
    while (fitted.size() > 1 && surface.textWidth(fitted) > maxWidth) {
        while (!fitted.empty() && (static_cast<unsigned char>(fitted.back()) & 0xC0) == 0x80)
            fitted.remove_suffix(1);
        if (!fitted.empty())
            fitted.remove_suffix(1);
    }
    surface.drawText(x, y, fitted);
}

void drawCentred(DrawingSurface& surface, double left, double right, double y,
                 std::string_view text) {
    const double width = std::min(surface.textWidth(text), right - left);
    drawFitted(surface, left + (right - left - width) / 2, y, text, right - left);
}

void drawRightAligned(DrawingSurface& surface, double right, double y, std::string_view text) {
    surface.drawText(right - surface.textWidth(text), y, text);
}

} // namespace fpw::recordsheet
