#include "ui/recordsheet/paintersurface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainterPath>

namespace fpw::ui {

PainterSurface::PainterSurface(QPainter& painter, QPaintDevice& device, double width, double height,
                               std::function<void()> nextPage)
    : painter_(painter), device_(device), width_(width), height_(height),
      unitsPerPoint_(device.logicalDpiX() / 72.0), nextPage_(std::move(nextPage)) {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    setFont(font_);
}

void PainterSurface::setFont(const recordsheet::Font& font) {
    font_ = font;
    qfont_ = QFont(QString::fromStdString(font.name));
    qfont_.setPointSizeF(font.size);
    qfont_.setBold(font.bold);
    // Keep the metrics the same on every device: no hinting to device pixels.
    qfont_.setHintingPreference(QFont::PreferNoHinting);
    painter_.setFont(qfont_);
}

double PainterSurface::textWidth(std::string_view text) const {
    const QFontMetricsF metrics(qfont_, &device_);
    return metrics.horizontalAdvance(
               QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) /
           unitsPerPoint_;
}

double PainterSurface::textHeight() const {
    return QFontMetricsF(qfont_, &device_).height() / unitsPerPoint_;
}

void PainterSurface::drawText(double x, double y, std::string_view text) {
    const QFontMetricsF metrics(qfont_, &device_);
    painter_.setPen(QPen(Qt::black));
    painter_.drawText(QPointF(x * unitsPerPoint_, y * unitsPerPoint_ + metrics.ascent()),
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

QPen PainterSurface::pen(double width) const {
    QPen p(Qt::black);
    p.setWidthF(width * unitsPerPoint_);
    return p;
}

QBrush PainterSurface::brush(recordsheet::Fill fill) const {
    switch (fill) {
    case recordsheet::Fill::Solid:
        return QBrush(Qt::black);
    case recordsheet::Fill::Shade:
        return QBrush(QColor(225, 225, 225));
    case recordsheet::Fill::None:
        break;
    }
    return Qt::NoBrush;
}

void PainterSurface::drawLine(double x1, double y1, double x2, double y2, double width) {
    painter_.setPen(pen(width));
    painter_.drawLine(QPointF(x1 * unitsPerPoint_, y1 * unitsPerPoint_),
                      QPointF(x2 * unitsPerPoint_, y2 * unitsPerPoint_));
}

void PainterSurface::drawBox(double x, double y, double width, double height,
                             recordsheet::Fill fill) {
    painter_.setPen(pen(0.5));
    painter_.setBrush(brush(fill));
    painter_.drawRect(QRectF(x * unitsPerPoint_, y * unitsPerPoint_, width * unitsPerPoint_,
                             height * unitsPerPoint_));
}

void PainterSurface::drawCircle(double cx, double cy, double radius, recordsheet::Fill fill) {
    painter_.setPen(pen(0.4));
    painter_.setBrush(brush(fill));
    painter_.drawEllipse(QPointF(cx * unitsPerPoint_, cy * unitsPerPoint_), radius * unitsPerPoint_,
                         radius * unitsPerPoint_);
}

void PainterSurface::drawPath(const recordsheet::Path& path, double width) {
    if (path.points.empty())
        return;
    QPainterPath qpath(
        QPointF(path.points.front().x * unitsPerPoint_, path.points.front().y * unitsPerPoint_));
    for (std::size_t i = 1; i < path.points.size(); ++i)
        qpath.lineTo(path.points[i].x * unitsPerPoint_, path.points[i].y * unitsPerPoint_);
    if (path.closed)
        qpath.closeSubpath();
    painter_.setPen(pen(width));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(qpath);
}

void PainterSurface::newPage() {
    if (nextPage_)
        nextPage_();
}

} // namespace fpw::ui
