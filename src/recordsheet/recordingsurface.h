// A surface that keeps what was drawn instead of showing it: the tests' view of a sheet. Its
// text metric is simple and deterministic, so positions do not depend on installed fonts.
#pragma once

#include <string>
#include <vector>

#include "recordsheet/drawingsurface.h"

namespace fpw::recordsheet {

struct RecordedText {
    int page = 0;
    double x = 0;
    double y = 0;
    std::string text;
    Font font;
};

struct RecordedShape {
    enum class Kind { Line, Box, Circle, Path };
    int page = 0;
    Kind kind = Kind::Line;
    // Line: both ends; box: corner and size; circle: centre and radius in x2.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Fill fill = Fill::None;
    Path path;
};

class RecordingSurface : public DrawingSurface {
public:
    // US Letter less half-inch margins by default.
    RecordingSurface(double width = 540, double height = 720) : width_(width), height_(height) {}

    double pageWidth() const override { return width_; }
    double pageHeight() const override { return height_; }
    void setFont(const Font& font) override { font_ = font; }
    Font font() const override { return font_; }
    // Half the font size per character (a little more in bold); 1.15 times the size high.
    double textWidth(std::string_view text) const override;
    double textHeight() const override { return font_.size * 1.15; }
    void drawText(double x, double y, std::string_view text) override;
    void drawLine(double x1, double y1, double x2, double y2, double width) override;
    void drawBox(double x, double y, double width, double height, Fill fill) override;
    void drawCircle(double cx, double cy, double radius, Fill fill) override;
    void drawPath(const Path& path, double width) override;
    void newPage() override { ++page_; }

    const std::vector<RecordedText>& texts() const { return texts_; }
    const std::vector<RecordedShape>& shapes() const { return shapes_; }
    int pageCount() const { return page_ + 1; }

    // The texts in drawing order, one per line; the tests' compact view.
    std::vector<std::string> textLines() const;
    // The first recorded text equal to `text`, or nullptr.
    const RecordedText* find(std::string_view text) const;
    // Every recorded text that starts with `prefix`.
    std::vector<const RecordedText*> startingWith(std::string_view prefix) const;

private:
    double width_;
    double height_;
    Font font_;
    int page_ = 0;
    std::vector<RecordedText> texts_;
    std::vector<RecordedShape> shapes_;
};

} // namespace fpw::recordsheet
