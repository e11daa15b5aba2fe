#include "recordsheet/recordingsurface.h"

namespace fpw::recordsheet {

double RecordingSurface::textWidth(std::string_view text) const {
    return static_cast<double>(text.size()) * font_.size * (font_.bold ? 0.55 : 0.5);
}

void RecordingSurface::drawText(double x, double y, std::string_view text) {
    texts_.push_back({page_, x, y, std::string(text), font_});
}

void RecordingSurface::drawLine(double x1, double y1, double x2, double y2, double /*width*/) {
    shapes_.push_back({page_, RecordedShape::Kind::Line, x1, y1, x2, y2, Fill::None, {}});
}

void RecordingSurface::drawBox(double x, double y, double width, double height, Fill fill) {
    shapes_.push_back({page_, RecordedShape::Kind::Box, x, y, width, height, fill, {}});
}

void RecordingSurface::drawCircle(double cx, double cy, double radius, Fill fill) {
    shapes_.push_back({page_, RecordedShape::Kind::Circle, cx, cy, radius, 0, fill, {}});
}

void RecordingSurface::drawPath(const Path& path, double /*width*/) {
    shapes_.push_back({page_, RecordedShape::Kind::Path, 0, 0, 0, 0, Fill::None, path});
}

std::vector<std::string> RecordingSurface::textLines() const {
    std::vector<std::string> lines;
    lines.reserve(texts_.size());
    for (const RecordedText& t : texts_)
        lines.push_back(t.text);
    return lines;
}

const RecordedText* RecordingSurface::find(std::string_view text) const {
    for (const RecordedText& t : texts_)
        if (t.text == text)
            return &t;
    return nullptr;
}

std::vector<const RecordedText*> RecordingSurface::startingWith(std::string_view prefix) const {
    std::vector<const RecordedText*> found;
    for (const RecordedText& t : texts_)
        if (std::string_view(t.text).substr(0, prefix.size()) == prefix)
            found.push_back(&t);
    return found;
}

} // namespace fpw::recordsheet
