// The drawing surface over a Qt paint device: printer, PDF writer, image or widget. Sheets are
// drawn in points; the surface converts to the device's own units and keeps text as text, so a
// PDF holds vector text with its fonts embedded. "Arial" resolves through the font
// configuration (Liberation Sans, the same metrics, on Linux).
#pragma once

#include <functional>

#include <QFont>
#include <QPainter>

#include "recordsheet/drawingsurface.h"

namespace fpw::ui {

class PainterSurface : public recordsheet::DrawingSurface {
public:
    // `painter` is active on `device`, its origin at the top-left of the printable area, which
    // is `width` by `height` points. `nextPage` starts a new page on the device.
    PainterSurface(QPainter& painter, QPaintDevice& device, double width, double height,
                   std::function<void()> nextPage = {});

    double pageWidth() const override { return width_; }
    double pageHeight() const override { return height_; }
    void setFont(const recordsheet::Font& font) override;
    recordsheet::Font font() const override { return font_; }
    double textWidth(std::string_view text) const override;
    double textHeight() const override;
    void drawText(double x, double y, std::string_view text) override;
    void drawLine(double x1, double y1, double x2, double y2, double width) override;
    void drawBox(double x, double y, double width, double height, recordsheet::Fill fill) override;
    void drawCircle(double cx, double cy, double radius, recordsheet::Fill fill) override;
    void drawPath(const recordsheet::Path& path, double width) override;
    void newPage() override;

private:
    QPen pen(double width) const;
    QBrush brush(recordsheet::Fill fill) const;

    QPainter& painter_;
    QPaintDevice& device_;
    double width_;
    double height_;
    double unitsPerPoint_;
    std::function<void()> nextPage_;
    recordsheet::Font font_;
    QFont qfont_;
};

} // namespace fpw::ui
