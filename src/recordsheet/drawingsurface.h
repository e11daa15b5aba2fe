// The one surface every record sheet and printout draws on: a printer page, a PDF page, a
// picture or a recording for tests. Coordinates are points (1/72 inch) from the top-left corner
// of the printable area, y downwards.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fpw::recordsheet {

struct Font {
    std::string name = "Arial";
    double size = 8;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

// How a closed shape is filled.
enum class Fill { None, Solid, Shade };

struct PathPoint {
    double x = 0;
    double y = 0;
    bool operator==(const PathPoint&) const = default;
};

// Connected line segments; `closed` joins the last point to the first.
struct Path {
    std::vector<PathPoint> points;
    bool closed = false;
    bool operator==(const Path&) const = default;
};

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // The printable area of the page, in points.
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;

    virtual void setFont(const Font& font) = 0;
    virtual Font font() const = 0;
    // Extent of a text in the current font; the height is the font's line height.
    virtual double textWidth(std::string_view text) const = 0;
    virtual double textHeight() const = 0;

    // A text (UTF-8) whose line box starts at (x, y).
    virtual void drawText(double x, double y, std::string_view text) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2, double width = 0.5) = 0;
    virtual void drawBox(double x, double y, double width, double height,
                         Fill fill = Fill::None) = 0;
    virtual void drawCircle(double cx, double cy, double radius, Fill fill = Fill::None) = 0;
    virtual void drawPath(const Path& path, double width = 0.5) = 0;
    // Ends the page and starts the next one.
    virtual void newPage() = 0;
};

// Sets a font for the lifetime of the object and puts the previous one back.
class FontScope {
public:
    FontScope(DrawingSurface& surface, Font font) : surface_(surface), saved_(surface.font()) {
        surface_.setFont(font);
    }
    ~FontScope() { surface_.setFont(saved_); }
    FontScope(const FontScope&) = delete;
    FontScope& operator=(const FontScope&) = delete;

private:
    DrawingSurface& surface_;
    Font saved_;
};

} // namespace fpw::recordsheet
