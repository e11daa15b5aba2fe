// Twips, the unit the settings keep window positions in, and the screen's pixels.
#pragma once

#include <QPoint>

class QScreen;

namespace fpw::ui {

// Twips per pixel on `screen` (1440 twips to the inch over its logical resolution); 15, the
// value at 96 dots per inch, without a screen.
double twipsPerPixel(const QScreen* screen);

QPoint twipsToPixels(int leftTwips, int topTwips, const QScreen* screen);
int pixelsToTwips(int pixels, const QScreen* screen);

} // namespace fpw::ui
