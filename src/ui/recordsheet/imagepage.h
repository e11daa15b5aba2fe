// A record sheet page as an image: the whole sheet of paper, white, margins included.
#pragma once

#include <functional>

#include <QImage>

#include "recordsheet/drawingsurface.h"

namespace fpw::ui {

// Draws one page with `draw` onto an image of `dotsPerInch` resolution.
QImage renderPageImage(int dotsPerInch,
                       const std::function<void(recordsheet::DrawingSurface&)>& draw);

} // namespace fpw::ui
