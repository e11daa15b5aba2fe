#include "ui/services/screenunits.h"

#include <cmath>

#include <QScreen>

namespace fpw::ui {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kNominalTwipsPerPixel = 15.0;

} // namespace

double twipsPerPixel(const QScreen* screen) {
    if (screen == nullptr || screen->logicalDotsPerInchY() <= 0) {
        return kNominalTwipsPerPixel;
    }
    return kTwipsPerInch / screen->logicalDotsPerInchY();
}

QPoint twipsToPixels(int leftTwips, int topTwips, const QScreen* screen) {
    const double perPixel = twipsPerPixel(screen);
    return {static_cast<int>(std::lround(leftTwips / perPixel)),
            static_cast<int>(std::lround(topTwips / perPixel))};
}

int pixelsToTwips(int pixels, const QScreen* screen) {
    return static_cast<int>(std::lround(pixels * twipsPerPixel(screen)));
}

} // namespace fpw::ui
