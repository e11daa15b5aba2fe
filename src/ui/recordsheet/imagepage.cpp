#include "ui/recordsheet/imagepage.h"

#include <cmath>

#include <QPainter>

#include "ui/recordsheet/paintersurface.h"
#include "ui/recordsheet/sheetpage.h"

namespace fpw::ui {

QImage renderPageImage(int dotsPerInch,
                       const std::function<void(recordsheet::DrawingSurface&)>& draw) {
    const double perPoint = dotsPerInch / 72.0;
    QImage image(static_cast<int>(std::lround(kPaperWidthPoints * perPoint)),
                 static_cast<int>(std::lround(kPaperHeightPoints * perPoint)),
                 QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(kMarginPoints * perPoint, kMarginPoints * perPoint);
    PainterSurface surface(painter, image, kPrintableWidthPoints, kPrintableHeightPoints);
    draw(surface);
    return image;
}

} // namespace fpw::ui
